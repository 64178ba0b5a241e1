#include "reader/reader_command_line.h"

#include <gtest/gtest.h>

namespace orvelis {
namespace {

using Action = ReaderCommandLine::Action;

ReaderCommandLine Parse(std::vector<std::string> words) {
  words.insert(words.begin(), "/usr/bin/orvelis");
  return ParseReaderCommandLine(words);
}

TEST(ReaderCommandLine, NothingGivenRunsOnTheDefaultBook) {
  const ReaderCommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_FALSE(line.book.has_value());
  EXPECT_EQ(line.toolkitArguments, std::vector<std::string>{"/usr/bin/orvelis"});
}

TEST(ReaderCommandLine, TheBookInEitherSpelling) {
  EXPECT_EQ(Parse({"--book", "/tmp/my book.dat"}).book, "/tmp/my book.dat");
  EXPECT_EQ(Parse({"--book=/tmp/b.dat"}).book, "/tmp/b.dat");
  // A file whose name starts with a dash is still the book's, not an option.
  EXPECT_EQ(Parse({"--book", "--help"}).book, "--help");
  EXPECT_EQ(Parse({"--book", "--help"}).action, Action::Run);
}

TEST(ReaderCommandLine, HelpAndVersionWhateverElseIsGiven) {
  EXPECT_EQ(Parse({"--help"}).action, Action::Help);
  EXPECT_EQ(Parse({"-h"}).action, Action::Help);
  EXPECT_EQ(Parse({"--version"}).action, Action::Version);
  EXPECT_EQ(Parse({"--book", "x.dat", "--version"}).action, Action::Version);
  EXPECT_EQ(Parse({"--version", "--help"}).action, Action::Version);
  EXPECT_EQ(Parse({"--help", "--version"}).action, Action::Help);
}

TEST(ReaderCommandLine, WrongLinesSayWhy) {
  const auto error = [](std::vector<std::string> words) {
    const ReaderCommandLine line = Parse(std::move(words));
    EXPECT_EQ(line.action, Action::Wrong);
    return line.error;
  };
  EXPECT_EQ(error({"--frobnicate"}), "unknown option '--frobnicate'");
  EXPECT_EQ(error({"-x"}), "unknown option '-x'");
  EXPECT_EQ(error({"--book"}), "--book needs a file");
  EXPECT_EQ(error({"--book="}), "--book needs a file");
  EXPECT_EQ(error({"--book", "a.dat", "--book", "b.dat"}), "--book is given twice");
  EXPECT_EQ(error({"book.dat"}), "unexpected argument 'book.dat' (a book is given with --book)");
  EXPECT_EQ(error({"-platform"}), "-platform needs a value");
  // A wrong word after --help still makes the line wrong: nothing is silently ignored.
  EXPECT_EQ(error({"--help", "--bogus"}), "unknown option '--bogus'");
}

TEST(ReaderCommandLine, TheToolkitsOptionsArePassedOnInOrder) {
  const ReaderCommandLine line = Parse({"-platform", "offscreen", "--book", "b.dat", "-reverse", "-style", "fusion"});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_EQ(line.book, "b.dat");
  EXPECT_EQ(line.toolkitArguments,
            (std::vector<std::string>{"/usr/bin/orvelis", "-platform", "offscreen", "-reverse", "-style", "fusion"}));
}

TEST(ReaderCommandLine, UsageAndVersionText) {
  EXPECT_EQ(ReaderUsage().rfind("usage: orvelis [--book PATH]", 0), 0u);
  EXPECT_EQ(ReaderVersion(), "orvelis 3.4\n");
}

}  // namespace
}  // namespace orvelis
