#pragma once
// The reader's own command line, read before any window or browser engine exists, so that
// --help and --version answer without a display.

#include <optional>
#include <string>
#include <vector>

namespace orvelis {

struct ReaderCommandLine {
  enum class Action { Run, Help, Version, Wrong };
  Action action = Action::Run;
  std::optional<std::string> book;  // --book PATH
  std::string error;                // why the line is wrong (Action::Wrong)
  // The program name and the toolkit's own options (-platform xcb, -style S, ...), in order, for
  // the application object; the reader's options are taken out.
  std::vector<std::string> toolkitArguments;
};

ReaderCommandLine ParseReaderCommandLine(const std::vector<std::string>& arguments);

// What a line that asks for no window gets: --help and --version print on stdout (status 0), a
// wrong line its reason and the usage on stderr (status 1); nullopt for a line that runs.
std::optional<int> AnswerWithoutWindow(const ReaderCommandLine& line);

// "usage: orvelis [--book PATH] ..." with one line per option.
std::string ReaderUsage();
// "orvelis 3.4".
std::string ReaderVersion();

}  // namespace orvelis
