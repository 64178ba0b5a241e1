#pragma once
// How the C library's allocator treats large blocks, set once at the start of a program.

namespace orvelis {

// Results pages and composed documents are strings of megabytes, made and dropped at every search
// and page. glibc maps each block over 128 KiB afresh, so that every page of it faults on first
// touch, unless an earlier large block freed has raised that threshold for it; it is set here
// outright, with the heap kept rather than trimmed, so that such blocks reuse memory already
// touched. Does nothing where the allocator has no such settings.
void KeepLargeBlocksInTheHeap();

}  // namespace orvelis
