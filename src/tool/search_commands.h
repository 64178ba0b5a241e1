#pragma once
// orvelis-tool search, results and snippets: the search core without a window.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunSearchCommand(const ToolArgs& args);
int RunResults(const ToolArgs& args);
int RunSnippets(const ToolArgs& args);
// The text search matches, one file per page (DIR/N.txt): what other search tools are measured on.
int RunExportPrepared(const ToolArgs& args);

}  // namespace orvelis::tool
