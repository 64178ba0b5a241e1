#pragma once
// orvelis-tool favorites ...: the favourites model on a file, through the same safe save.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunFavorites(const ToolArgs& args);

}  // namespace orvelis::tool
