#pragma once
// orvelis-tool glossary: what the aligned book says a word is in the other language.

#include "tool/tool_args.h"

namespace orvelis::tool {

int RunGlossary(const ToolArgs& args);

}  // namespace orvelis::tool
