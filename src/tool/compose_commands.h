#pragma once
// orvelis-tool compose and stylesheet: page composition without a window.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunCompose(const ToolArgs& args);
int RunStylesheet(const ToolArgs& args);

}  // namespace orvelis::tool
