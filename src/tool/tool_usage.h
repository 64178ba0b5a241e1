#pragma once
// What orvelis-tool says about itself: the usage of every command, one command's usage, the version.

#include <optional>
#include <string>

namespace orvelis::tool {

// "usage: orvelis-tool [--book PATH] COMMAND ..." and every command's lines.
std::string FullUsage();
// One command's usage and what it does; nullopt for a command the tool does not have.
std::optional<std::string> CommandUsage(const std::string& command);
// "orvelis-tool 3.4".
std::string ToolVersion();

}  // namespace orvelis::tool
