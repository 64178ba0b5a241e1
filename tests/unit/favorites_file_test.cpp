#include "favorites/favorites_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "favorites/favorites_store.h"
#include "ports/recording_search_view.h"
#include "support/temp_dir.h"

namespace orvelis {
namespace {

std::string Bytes(const CFavorites& root) {
  std::string bytes;
  EXPECT_TRUE(SerializeFavorites(root, bytes).ok);
  return bytes;
}

std::string Record(int flags, const std::string& name, const std::string& text) {
  std::string r;
  r.push_back(static_cast<char>(flags));
  r.push_back('\0');
  r.push_back(static_cast<char>(name.size()));
  r.push_back('\0');
  r += name;
  r.push_back(static_cast<char>(text.size()));
  r.push_back('\0');
  r += text;
  return r;
}

TEST(FavoritesFile, TheRecordLayoutOfTheSmallExamples) {
  CFavorites empty;
  EXPECT_EQ(Bytes(empty), "");

  CFavorites one;
  one.AddFolder("A", 0);
  EXPECT_EQ(Bytes(one), std::string("\x81\x00\x01\x00" "A" "\x00\x00", 7));

  CFavorites mixed;
  mixed.AddFolder("A", 0);
  mixed.Folder(1)->AddDoc("x", "t", 0);
  mixed.AddDoc("y", "", 0);
  EXPECT_EQ(Bytes(mixed), Record(65, "A", "") + Record(130, "x", "t") + Record(130, "y", ""));

  CFavorites two;
  two.AddFolder("A", 0);
  two.AddFolder("B", 0);
  EXPECT_EQ(Bytes(two), Record(1, "A", "") + Record(129, "B", ""));

  CFavorites nested;
  nested.AddFolder("A", 0);
  nested.Folder(1)->AddFolder("S", 0);
  nested.Folder(1)->Folder(1)->AddDoc("z", "", 0);
  EXPECT_EQ(Bytes(nested), Record(193, "A", "") + Record(193, "S", "") + Record(130, "z", ""));
}

TEST(FavoritesFile, TextIsWindows1251WithReferencesInHtmlAndQuestionMarksInNames) {
  CFavorites root;
  root.AddDoc("Имя 中", "<b>мир</b> 中", 0);
  const std::string bytes = Bytes(root);
  EXPECT_EQ(bytes, Record(130, "\xC8\xEC\xFF ?", "<b>\xEC\xE8\xF0</b> &#20013;"));
}

TEST(FavoritesFile, ReadingThenWritingGivesTheSameBytes) {
  const std::string bytes = Record(1, "A", "") + Record(65, "B", "") + Record(65, "C", "") + Record(130, "c1", "<i>t</i>") +
                            Record(2, "b1", "") + Record(130, "b2", "x") + Record(2, "r1", "") + Record(130, "r2", "");
  CFavorites root;
  EXPECT_TRUE(ReadFavoriteRecords(bytes, root).Complete());
  EXPECT_EQ(root.FolderLen(), 2);
  EXPECT_EQ(root.DocLen(), 2);
  EXPECT_EQ(Bytes(root), bytes);
}

TEST(FavoritesFile, AFileThatEndsEarlyClosesEveryOpenFolder) {
  CFavorites root;
  std::string bytes = Record(65, "A", "") + Record(2, "a1", "") + Record(130, "cut", "text");
  bytes.resize(bytes.size() - 2);  // the last record is cut short
  EXPECT_TRUE(ReadFavoriteRecords(bytes, root).cutShort);
  ASSERT_EQ(root.FolderLen(), 1);
  EXPECT_EQ(root.Folder(1)->DocLen(), 1);
  EXPECT_EQ(root.DocLen(), 0);
}

class FavoritesOnDisk : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path path = dir / "book_favor.dat";
  RecordingMessageSink messages;
};

TEST_F(FavoritesOnDisk, AMissingFileIsCreatedEmptyAndLoadsAsNothing) {
  FavoritesStore store(path, messages);
  EXPECT_TRUE(store.LoadFavorites());
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(store.FavoritesRoot().FolderLen(), 0);
}

TEST_F(FavoritesOnDisk, ThePathsLiveInTheUserDataFolder) {
  const FavoritesPaths paths = InitFavoritesPaths(dir / "OrvelisBook");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "OrvelisBook"));
  EXPECT_EQ(paths.FavoritesPath, dir / "OrvelisBook" / "book_favor.dat");
}

TEST_F(FavoritesOnDisk, AFailedSaveLeavesTheOldFileByteForByte) {
  FavoritesStore store(path, messages);
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_FALSE(store.AddFolder("f", "Keep").empty());
  const std::string before = test::ReadFileBytes(path);
  ASSERT_FALSE(before.empty());

  // The temporary file cannot be created: a folder stands in its place.
  std::filesystem::create_directory(dir / "book_favor.dat.new");
  store.AddFolder("f", "Lost?");
  EXPECT_EQ(test::ReadFileBytes(path), before);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_NE(messages.shown.back().text.find("Файл избранного остался прежним."), std::string::npos);
  EXPECT_EQ(messages.shown.back().caption, "Избранное");
  EXPECT_EQ(messages.shown.back().icon, MessageIcon::Critical);
}

TEST_F(FavoritesOnDisk, ATooLongTextIsRefusedBeforeAnythingIsWritten) {
  FavoritesStore store(path, messages);
  ASSERT_TRUE(store.LoadFavorites());
  store.AddFragment("f", "ok", "short");
  const std::string before = test::ReadFileBytes(path);
  store.AddFragment("f", "huge", std::string(65536, 'x'));
  EXPECT_EQ(test::ReadFileBytes(path), before);
  EXPECT_NE(messages.shown.back().text.find("65535"), std::string::npos);
  // 65535 bytes, the most a count can state, still fit.
  EXPECT_EQ(store.AddFragment("f", "fits", std::string(65535, 'x')), "d_2");
  EXPECT_EQ(test::ReadFileBytes(path).size(), before.size() + 6 + 4 + 65535);
}

TEST_F(FavoritesOnDisk, AFolderThatCannotBeWrittenLeavesTheFileAsItWas) {
  const std::filesystem::path folder = dir / "user";
  std::filesystem::create_directory(folder);
  FavoritesStore store(folder / "book_favor.dat", messages);
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_FALSE(store.AddFolder("f", "A").empty());
  const std::string before = test::ReadFileBytes(folder / "book_favor.dat");
  ASSERT_FALSE(before.empty());

  // A regular file stands where the folder was: nothing can be created in it, not even by root,
  // for whom a read-only folder is no obstacle.
  std::filesystem::rename(folder, dir / "user.away");
  test::WriteFileBytes(folder, "not a folder");
  const std::size_t shownBefore = messages.shown.size();
  store.AddFolder("f", "B");
  std::filesystem::remove(folder);
  std::filesystem::rename(dir / "user.away", folder);

  EXPECT_EQ(test::ReadFileBytes(folder / "book_favor.dat"), before);
  ASSERT_EQ(messages.shown.size(), shownBefore + 1);
  EXPECT_NE(messages.shown.back().text.find("Файл избранного остался прежним."), std::string::npos);
  EXPECT_EQ(messages.shown.back().icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace orvelis
