#include "reader/reader_command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "ground/app_info.h"

namespace orvelis {
namespace {

// The toolkit's options that take the next word as their value, and those that stand alone;
// the application object reads them itself.
constexpr std::array<std::string_view, 11> kToolkitOptionsWithValue = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowtitle",
    "-qwindowicon", "-style", "-stylesheet", "-display", "-session"};
constexpr std::array<std::string_view, 4> kToolkitFlags = {"-reverse", "-widgetcount", "-nograb", "-sync"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view word) {
  return std::find(names.begin(), names.end(), word) != names.end();
}

}  // namespace

ReaderCommandLine ParseReaderCommandLine(const std::vector<std::string>& arguments) {
  ReaderCommandLine line;
  if (!arguments.empty()) line.toolkitArguments.push_back(arguments.front());
  const auto wrong = [&line](std::string why) {
    line.action = ReaderCommandLine::Action::Wrong;
    line.error = std::move(why);
    return line;
  };
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    // The first of --help and --version wins, as a reader expects from "orvelis --version --help".
    if (word == "--help" || word == "-h") {
      if (line.action == ReaderCommandLine::Action::Run) line.action = ReaderCommandLine::Action::Help;
    } else if (word == "--version") {
      if (line.action == ReaderCommandLine::Action::Run) line.action = ReaderCommandLine::Action::Version;
    } else if (word == "--book" || word.rfind("--book=", 0) == 0) {
      std::string path;
      if (word == "--book") {
        if (i + 1 >= arguments.size()) return wrong("--book needs a file");
        path = arguments[++i];
      } else {
        path = word.substr(7);
      }
      if (path.empty()) return wrong("--book needs a file");
      if (line.book) return wrong("--book is given twice");
      line.book = path;
    } else if (OneOf(kToolkitOptionsWithValue, word)) {
      if (i + 1 >= arguments.size()) return wrong(word + " needs a value");
      line.toolkitArguments.push_back(word);
      line.toolkitArguments.push_back(arguments[++i]);
    } else if (OneOf(kToolkitFlags, word)) {
      line.toolkitArguments.push_back(word);
    } else if (!word.empty() && word.front() == '-') {
      return wrong("unknown option '" + word + "'");
    } else {
      return wrong("unexpected argument '" + word + "' (a book is given with --book)");
    }
  }
  return line;
}

std::optional<int> AnswerWithoutWindow(const ReaderCommandLine& line) {
  switch (line.action) {
    case ReaderCommandLine::Action::Run:
      return std::nullopt;
    case ReaderCommandLine::Action::Help:
      std::fputs(ReaderUsage().c_str(), stdout);
      return 0;
    case ReaderCommandLine::Action::Version:
      std::fputs(ReaderVersion().c_str(), stdout);
      return 0;
    case ReaderCommandLine::Action::Wrong:
      break;
  }
  std::fprintf(stderr, "orvelis: %s\n%s", line.error.c_str(), ReaderUsage().c_str());
  return 1;
}

std::string ReaderUsage() {
  return "usage: orvelis [--book PATH] [--help] [--version]\n"
         "A reader for the book in two languages, Russian and English.\n"
         "\n"
         "  --book PATH   read the book file PATH instead of the installed book.dat\n"
         "  --help        print this help and end\n"
         "  --version     print the version and end\n"
         "\n"
         "Without --book the reader opens book.dat beside the program, else the one in the\n"
         "installed data folder.\n";
}

std::string ReaderVersion() {
  return "orvelis " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "\n";
}

}  // namespace orvelis
