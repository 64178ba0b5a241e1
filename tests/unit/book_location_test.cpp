#include "reader/book_location.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace orvelis {
namespace {

namespace fs = std::filesystem;

// An install tree: bin/ for the program, share/orvelis/ for the data.
class InstallTree : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin);
    fs::create_directories(data);
  }
  test::TempDir root;
  fs::path bin = root / "bin";
  fs::path data = root / "share" / "orvelis";
};

TEST_F(InstallTree, BesideTheProgramComesBeforeTheDataFolder) {
  test::WriteFileBytes(bin / "book.dat", "x");
  test::WriteFileBytes(data / "book.dat", "x");
  EXPECT_EQ(FindBook(std::nullopt, bin, "../share/orvelis").found, bin / "book.dat");
  fs::remove(bin / "book.dat");
  EXPECT_EQ(FindBook(std::nullopt, bin, "../share/orvelis").found, data / "book.dat");
}

TEST_F(InstallTree, TheCommandLinesBookAloneIsTried) {
  test::WriteFileBytes(data / "book.dat", "x");
  const fs::path given = root / "elsewhere.dat";
  BookLocation location = FindBook(given, bin, "../share/orvelis");
  EXPECT_FALSE(location.found.has_value());
  EXPECT_EQ(location.lookedAt, std::vector<fs::path>{given});
  test::WriteFileBytes(given, "x");
  EXPECT_EQ(FindBook(given, bin, "../share/orvelis").found, given);
}

TEST_F(InstallTree, AFolderNamedLikeTheBookIsNoBook) {
  fs::create_directories(bin / "book.dat");
  EXPECT_FALSE(FindBook(std::nullopt, bin, "../share/orvelis").found.has_value());
}

TEST_F(InstallTree, TheMessageNamesEveryPlaceLookedAt) {
  const BookLocation location = FindBook(std::nullopt, bin, "../share/orvelis");
  ASSERT_FALSE(location.found.has_value());
  const std::string text = MissingBookText(location);
  EXPECT_NE(text.find((bin / "book.dat").string()), std::string::npos) << text;
  // The data folder is named plainly, without the "..".
  EXPECT_NE(text.find((root.path() / "share/orvelis/book.dat").string()), std::string::npos) << text;
  EXPECT_EQ(text.find(".."), std::string::npos) << text;
}

TEST(InstallLayout, TheBuildsFoldersAreRelativeToTheProgram) {
  // Whatever prefix the build installs to, the installed programs find their data from themselves.
  EXPECT_TRUE(HelpersFromProgram().is_relative()) << HelpersFromProgram();
  test::TempDir root;
  fs::create_directories(root / "bin");
  const BookLocation location = FindBook(std::nullopt, root / "bin");
  ASSERT_EQ(location.lookedAt.size(), 2u);
  EXPECT_EQ(location.lookedAt[1].string().rfind(root.path().string(), 0), 0u) << location.lookedAt[1];
}

}  // namespace
}  // namespace orvelis
