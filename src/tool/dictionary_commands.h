#pragma once
// The dictionary subcommand of orvelis-tool: the definitions of a word in the installed
// English-Russian dictionary, or in the dictionary files given.

#include "tool/tool_args.h"

namespace orvelis::tool {

// dict WORD [--index FILE --data FILE]. Status 0 with the definitions on stdout, or with nothing
// on stdout and a line on stderr when the word is not in the dictionary; 2 when the dictionary is
// not installed or is damaged (the message on stderr); 1 for wrong arguments.
int RunDict(const ToolArgs& args);

}  // namespace orvelis::tool
