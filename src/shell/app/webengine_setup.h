#pragma once
// What must happen before the QApplication exists for the browser panes to work.

namespace orvelis {

// Registers the document scheme; as root (CI) the browser's sandbox cannot run, so it is turned
// off there.
void PrepareWebEngine();

}  // namespace orvelis
