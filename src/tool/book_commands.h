#pragma once
// The book subcommands of orvelis-tool. Each returns the process exit status:
// 0 success, 1 wrong arguments (usage printed), 2 damaged book or failed file operation.

#include "tool/tool_args.h"

namespace orvelis::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFailure = 2;

int Usage(const std::string& why);

int RunInfo(const ToolArgs& args);
int RunPage(const ToolArgs& args);
int RunPaper(const ToolArgs& args);
int RunPart(const ToolArgs& args);
int RunExport(const ToolArgs& args);
int RunBuild(const ToolArgs& args);
int RunMakeSampleBook(const ToolArgs& args);

}  // namespace orvelis::tool
