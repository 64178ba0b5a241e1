// Saving the favourites file without harming what the user set up around it: its permissions, a
// link in its place, a read-only file, a file that cannot be read, and what a killed save left.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "favorites/favorites_file.h"
#include "favorites/favorites_store.h"
#include "ports/recording_search_view.h"
#include "support/temp_dir.h"

namespace orvelis {
namespace {

namespace fs = std::filesystem;

std::string Record(int flags, const std::string& name, const std::string& text = "") {
  const auto count = [](std::size_t n) { return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)}; };
  return count(static_cast<std::size_t>(flags)) + count(name.size()) + name + count(text.size()) + text;
}

// The file as the tests start it: one fragment "x"; and after AddFolder("f", "B").
const std::string kOriginal = Record(130, "x", "t");
const std::string kWithB = Record(1, "B") + Record(130, "x", "t");

fs::perms Permissions(const fs::path& p) { return fs::status(p).permissions() & fs::perms::mask; }

bool RunningAsRoot() { return ::geteuid() == 0; }

class SavingOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteFileBytes(path, kOriginal); }
  // True when `text` is in the last message shown.
  bool LastMessageSays(const std::string& text) const {
    return !messages.shown.empty() && messages.shown.back().text.find(text) != std::string::npos;
  }

  test::TempDir dir;
  fs::path path = dir / "book_favor.dat";
  RecordingMessageSink messages;
  FavoritesStore store{path, messages};
};

TEST_F(SavingOnDisk, TheFileKeepsItsPermissions) {
  for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                               fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
    test::WriteFileBytes(path, kOriginal);
    fs::permissions(path, mode);
    ASSERT_TRUE(store.LoadFavorites());
    ASSERT_EQ(store.AddFolder("f", "B"), "f_1");
    EXPECT_EQ(test::ReadFileBytes(path), kWithB);
    EXPECT_EQ(Permissions(path), mode);
  }
  // The backup of a file read in part is as private as the file.
  test::WriteFileBytes(path, kOriginal + "\x02");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_FALSE(store.AddFolder("f", "B").empty());
  EXPECT_EQ(test::ReadFileBytes(dir / "book_favor.dat.bak"), kOriginal + "\x02");
  EXPECT_EQ(Permissions(dir / "book_favor.dat.bak"), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SavingOnDisk, ALinkStaysALinkAndItsTargetIsRewritten) {
  // book_favor.dat -> chain -> real/favourites.dat, both links relative to their own folder.
  fs::create_directory(dir / "real");
  fs::rename(path, dir / "real" / "favourites.dat");
  fs::create_symlink("real/favourites.dat", dir / "chain");
  fs::create_symlink("chain", path);
  // A folder at the temporary name beside the link: the temporary file must go beside the target.
  fs::create_directory(dir / "book_favor.dat.new");

  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_EQ(store.AddFolder("f", "B"), "f_1");
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(fs::read_symlink(path), "chain");
  EXPECT_EQ(fs::read_symlink(dir / "chain"), "real/favourites.dat");
  EXPECT_EQ(test::ReadFileBytes(dir / "real" / "favourites.dat"), kWithB);
  EXPECT_FALSE(fs::exists(dir / "real" / "favourites.dat.new"));
}

TEST_F(SavingOnDisk, LinksInACircleAreReportedAndNothingIsWritten) {
  fs::remove(path);
  fs::create_symlink("other", path);
  fs::create_symlink("book_favor.dat", dir / "other");
  EXPECT_FALSE(store.LoadFavorites());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(LastMessageSays("Не удалось прочитать файл избранного"));
  store.AddFolder("f", "B");
  EXPECT_EQ(fs::read_symlink(path), "other");
  EXPECT_EQ(fs::read_symlink(dir / "other"), "book_favor.dat");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST_F(SavingOnDisk, AReadOnlyFileIsLeftAloneAndSaidSoOnce) {
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(store.LoadFavorites());
  // Kept in memory for this run: the tree shows it, the file never gets it.
  EXPECT_EQ(store.AddFolder("f", "B"), "f_1");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Избранное");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(LastMessageSays("доступен только для чтения"));
  EXPECT_TRUE(LastMessageSays("Изменения избранного не будут сохранены"));
  EXPECT_TRUE(store.HasUnsavedChanges());
  store.RenameFavorite("d_1", "y");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(test::ReadFileBytes(path), kOriginal);
  EXPECT_EQ(Permissions(path), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(fs::exists(dir / "book_favor.dat.new"));

  // Made writable again, the next change saves everything the collection holds.
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  store.RenameFavorite("d_1", "z");
  EXPECT_FALSE(store.HasUnsavedChanges());
  EXPECT_EQ(test::ReadFileBytes(path), Record(1, "B") + Record(130, "z", "t"));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(SavingOnDisk, AReadOnlyFileReadInPartGetsNoBackupEither) {
  test::WriteFileBytes(path, kOriginal + "\x02");
  fs::permissions(path, fs::perms::owner_read);
  ASSERT_TRUE(store.LoadFavorites());
  store.AddFolder("f", "B");
  EXPECT_EQ(test::ReadFileBytes(path), kOriginal + "\x02");
  EXPECT_FALSE(fs::exists(dir / "book_favor.dat.bak"));
}

TEST_F(SavingOnDisk, WhatAKilledSaveLeftIsRemovedAtTheNextStart) {
  test::WriteFileBytes(dir / "book_favor.dat.new", Record(130, "half"));
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_FALSE(fs::exists(dir / "book_favor.dat.new"));
  EXPECT_EQ(store.FavoritesRoot().doc(1)->name, "x");

  // A link at the temporary name is removed, and never written through.
  test::WriteFileBytes(dir / "victim", "untouched");
  fs::create_symlink("victim", dir / "book_favor.dat.new");
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "book_favor.dat.new")));
  fs::create_symlink("victim", dir / "book_favor.dat.new");  // again, now between load and save
  ASSERT_EQ(store.AddFolder("f", "B"), "f_1");
  EXPECT_EQ(test::ReadFileBytes(dir / "victim"), "untouched");
  EXPECT_EQ(test::ReadFileBytes(path), kWithB);

  // A folder of that name is not a leftover of ours.
  fs::create_directory(dir / "book_favor.dat.new");
  test::WriteFileBytes(dir / "book_favor.dat.new" / "inside", "kept");
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_EQ(test::ReadFileBytes(dir / "book_favor.dat.new" / "inside"), "kept");
}

TEST_F(SavingOnDisk, AFolderInPlaceOfTheFileIsReportedAndNeverWrittenOver) {
  fs::remove(path);
  fs::create_directory(path);
  test::WriteFileBytes(path / "inside", "kept");
  EXPECT_FALSE(store.LoadFavorites(true));
  EXPECT_TRUE(messages.shown.empty());
  store.ShowLoadReport();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(LastMessageSays("Не удалось прочитать файл избранного " + path.string() + ": на этом месте папка"));
  EXPECT_TRUE(LastMessageSays("Показано пустое избранное"));
  EXPECT_EQ(store.FavoritesRoot().FolderLen() + store.FavoritesRoot().DocLen(), 0);

  EXPECT_EQ(store.AddFragment("f", "n", "<p>n</p>"), "d_1");
  EXPECT_TRUE(store.HasUnsavedChanges());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(test::ReadFileBytes(path / "inside"), "kept");
  EXPECT_FALSE(fs::exists(dir / "book_favor.dat.new"));
  EXPECT_FALSE(fs::exists(dir / "book_favor.dat.bak"));
}

// Root reads any file, so this case needs an ordinary user.
TEST_F(SavingOnDisk, AFileWithoutReadPermissionIsNeverWrittenOver) {
  if (RunningAsRoot()) GTEST_SKIP() << "root reads a file of mode 000";
  fs::permissions(path, fs::perms::none);
  EXPECT_FALSE(store.LoadFavorites());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(LastMessageSays("нет прав доступа"));
  store.AddFolder("f", "B");
  // Made readable again during the run: the empty collection must still not replace it.
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  store.AddFolder("f", "C");
  EXPECT_EQ(test::ReadFileBytes(path), kOriginal);
}

}  // namespace
}  // namespace orvelis
