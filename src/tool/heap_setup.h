#pragma once

#include <cstddef>
// Memory set-up for one run of the tool.

namespace orvelis::tool {

// A search or an export reads, decodes and prepares tens of megabytes of text in a run that lasts
// a few tens of milliseconds. Each 4 KB memory page touched for the first time costs a fault, and
// in a virtual machine those faults cost more than the work itself; transparent huge pages for the
// heap take the faults down by a factor of five or more. Where the system offers no huge pages this
// does nothing harmful. `expectedBytes` is about what the run will allocate (a few times the book's
// size): that much of the heap is reserved and marked at once; untouched, it costs no memory.
void UseHugePagesForTheHeap(std::size_t expectedBytes);

}  // namespace orvelis::tool
