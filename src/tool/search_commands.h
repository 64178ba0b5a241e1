#pragma once
// orvelis-tool search, results and snippets: the search core without a window.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunSearchCommand(const ToolArgs& args);
int RunResults(const ToolArgs& args);
int RunSnippets(const ToolArgs& args);

}  // namespace orvelis::tool
