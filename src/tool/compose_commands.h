#pragma once
// orvelis-tool compose, stylesheet and export-parallel: page composition without a window.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunCompose(const ToolArgs& args);
int RunStylesheet(const ToolArgs& args);
// export-parallel KEY OUT: a page, Paper or Part as a parallel text in one HTML file.
int RunExportParallel(const ToolArgs& args);

}  // namespace orvelis::tool
