// Favourites files that once crashed the reader or lost items: deep nesting, one folder with more
// items than a list holds, fields of the largest size a record can state.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "favorites/favorites_file.h"
#include "favorites/favorites_store.h"
#include "ports/recording_search_view.h"
#include "support/temp_dir.h"

namespace orvelis {
namespace {

namespace fs = std::filesystem;

std::string UInt16(std::size_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

std::string Record(int flags, const std::string& name, const std::string& text = "") {
  return UInt16(static_cast<std::size_t>(flags)) + UInt16(name.size()) + name + UInt16(text.size()) + text;
}

// `levels` folders named "A", each the only entry of the one above (flags 193), and a fragment at
// the bottom.
std::string NestedFile(int levels) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(levels) * 7 + 10);
  for (int i = 0; i < levels; ++i) bytes += Record(193, "A");
  return bytes + Record(130, "x", "t");
}

std::string KeyOfDepth(int depth) {
  std::string key = "f";
  for (int i = 0; i < depth; ++i) key += "_1";
  return key;
}

class HostileFile : public ::testing::Test {
 protected:
  void Write(const std::string& bytes) {
    original = bytes;
    test::WriteFileBytes(path, bytes);
  }

  // Loading keeps 256 levels; saving without a change writes nothing; the first change keeps the
  // original beside before the file is replaced.
  void ExpectDeepFileHandled(int levels) {
    ASSERT_TRUE(store.LoadFavorites());
    ASSERT_EQ(messages.shown.size(), 1u);
    const Message& m = messages.shown[0];
    EXPECT_EQ(m.caption, "Избранное");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_NE(m.text.find("ниже 256-го уровня вложенности со всем содержимым (папок: " + std::to_string(levels - 256) +
                          ", записей: 1)"),
              std::string::npos)
        << m.text;
    EXPECT_NE(m.text.find("book_favor.dat.bak"), std::string::npos);

    CFavorites* parent = nullptr;
    int n = 0;
    CFavorites* deepest = store.FavoritesRoot().GetFolderFromKey(KeyOfDepth(256), parent, n);
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->FolderName, "A");
    EXPECT_EQ(deepest->FolderLen() + deepest->DocLen(), 0);
    EXPECT_EQ(store.FavoritesRoot().Height(), 256);

    // Answering "No" to a delete still saves, as the tree rebuild always does: nothing may be written.
    messages.answer = MessageAnswer::No;
    store.DeleteFavorite("f_1", "A");
    EXPECT_EQ(test::ReadFileBytes(path), original);
    EXPECT_FALSE(fs::exists(backup));

    ASSERT_EQ(store.AddFragment("f", "new", "<p>n</p>"), "d_1");
    EXPECT_EQ(test::ReadFileBytes(backup), original);
    FavoritesStore reloaded(path, messages);
    messages.shown.clear();
    ASSERT_TRUE(reloaded.LoadFavorites());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NE(reloaded.FavoritesRoot().GetFolderFromKey(KeyOfDepth(256), parent, n), nullptr);
    EXPECT_EQ(reloaded.FavoritesRoot().doc(1)->name, "new");
  }

  test::TempDir dir;
  fs::path path = dir / "book_favor.dat";
  fs::path backup = dir / "book_favor.dat.bak";
  std::string original;
  RecordingMessageSink messages;
  FavoritesStore store{path, messages};
};

TEST_F(HostileFile, TwentyThousandNestedFolders) {
  Write(NestedFile(20000));
  ExpectDeepFileHandled(20000);
}

TEST_F(HostileFile, AHundredThousandNestedFolders) {
  Write(NestedFile(100000));
  ExpectDeepFileHandled(100000);
}

TEST_F(HostileFile, FortyThousandItemsInOneFolderGiveOneMessage) {
  std::string bytes = Record(65, "full");
  for (int i = 1; i <= 40000; ++i) bytes += Record(i == 40000 ? 130 : 2, std::to_string(i));
  Write(bytes + Record(130, "after"));
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("не поместилось в папку «full»"), std::string::npos) << messages.shown[0].text;
  EXPECT_NE(messages.shown[0].text.find("(папок: 0, записей: 7233)"), std::string::npos);

  // The first 32,767 stay in their order, and the root's own fragment after the folder is not lost.
  CFavorites& root = store.FavoritesRoot();
  ASSERT_EQ(root.Folder(1)->DocLen(), 32767);
  EXPECT_EQ(root.Folder(1)->doc(1)->name, "1");
  EXPECT_EQ(root.Folder(1)->doc(32767)->name, "32767");
  ASSERT_EQ(root.DocLen(), 1);
  EXPECT_EQ(root.doc(1)->name, "after");

  store.RenameFavorite("d_1", "renamed");
  EXPECT_EQ(test::ReadFileBytes(backup), original);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(HostileFile, FoldersBeyondAFullListAreSkippedWithTheirContents) {
  std::string bytes;
  for (int i = 1; i <= 32768; ++i) bytes += Record(i == 32768 ? 65 : 1, "f" + std::to_string(i));
  // The 32,768th folder cannot be taken; its contents must not land in the root.
  bytes += Record(1, "inner") + Record(130, "inside");
  Write(bytes + Record(130, "root fragment"));
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_EQ(store.FavoritesRoot().FolderLen(), 32767);
  ASSERT_EQ(store.FavoritesRoot().DocLen(), 1);
  EXPECT_EQ(store.FavoritesRoot().doc(1)->name, "root fragment");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("папку «Избранное»"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("(папок: 2, записей: 1)"), std::string::npos);
}

TEST_F(HostileFile, FieldsOfTheLargestSizeLoadAndSaveAgain) {
  const std::string name(65535, 'n');
  const std::string text(65535, '\xE6');  // "ж" in Windows-1251
  const std::string big = Record(2, name, text);
  Write(big + Record(130, "small"));
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(store.FavoritesRoot().doc(1)->Text.size(), 2u * 65535);  // UTF-8 of "ж"

  store.RenameFavorite("d_2", "renamed");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(test::ReadFileBytes(path), big + Record(130, "renamed"));
  EXPECT_FALSE(fs::exists(backup));  // the file was read whole: nothing to keep

  // One byte more cannot be stated by the count: refused, and the file stays.
  EXPECT_EQ(store.AddFragment("f", std::string(65536, 'n'), ""), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("больше 65535 байт"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(path), big + Record(130, "renamed"));
}

TEST_F(HostileFile, ACompleteFileIsSavedAgainByteForByte) {
  // Written as the writer writes: the top folder is not the root's last entry.
  Write(Record(65, "A") + NestedFile(255) + Record(2, "r1", "<b>t</b>") + Record(130, "r2"));
  ASSERT_TRUE(store.LoadFavorites());
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(store.SaveFavorites());
  EXPECT_EQ(test::ReadFileBytes(path), original);
  EXPECT_FALSE(fs::exists(backup));
}

TEST_F(HostileFile, AFileCutInsideARecordIsReportedAndKept) {
  Write(Record(2, "kept") + Record(130, "cut", "text").substr(0, 8));
  ASSERT_TRUE(store.LoadFavorites(true));
  EXPECT_TRUE(messages.shown.empty());  // deferred until the window is up
  store.ShowLoadReport();
  store.ShowLoadReport();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("последняя запись: файл обрывается посреди нее."), std::string::npos);
  store.AddFolder("f", "A");
  EXPECT_EQ(test::ReadFileBytes(backup), original);
}

TEST_F(HostileFile, AnEarlierBackupIsNeverOverwritten) {
  test::WriteFileBytes(backup, "older");
  Write(NestedFile(300));
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("book_favor.dat.bak2"), std::string::npos);
  store.AddFolder("f", "B");
  EXPECT_EQ(test::ReadFileBytes(backup), "older");
  EXPECT_EQ(test::ReadFileBytes(dir / "book_favor.dat.bak2"), original);
}

TEST_F(HostileFile, AReplaceThatFailsAfterTheBackupLeavesLaterSavesWorking) {
  Write(NestedFile(300));
  ASSERT_TRUE(store.LoadFavorites());
  messages.shown.clear();
  // The temporary file's name is taken by a folder: the original is kept beside, the replace fails.
  fs::create_directory(dir / "book_favor.dat.new");
  EXPECT_EQ(store.AddFolder("f", "B"), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(test::ReadFileBytes(backup), original);
  EXPECT_EQ(test::ReadFileBytes(path), original);
  fs::remove(dir / "book_favor.dat.new");
  messages.shown.clear();
  EXPECT_EQ(store.AddFolder("f", "C"), "f_2");
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
  EXPECT_EQ(test::ReadFileBytes(backup), original);
  EXPECT_NE(test::ReadFileBytes(path), original);
}

TEST_F(HostileFile, AFolderCannotBeMovedBelowTheDepthLimit) {
  Write(NestedFile(200) + Record(129, "B"));
  ASSERT_TRUE(store.LoadFavorites());
  for (int i = 1; i <= 60; ++i) store.AddFolder(KeyOfDepth(i).replace(0, 3, "f_2"), "b");  // 60 levels below B
  const std::string before = test::ReadFileBytes(path);
  messages.shown.clear();
  messages.answer = MessageAnswer::Yes;
  EXPECT_EQ(store.MoveFavorite("f_2", KeyOfDepth(200)), FavoritesChange::Refused);
  ASSERT_EQ(messages.shown.size(), 2u);  // the question, then the refusal
  EXPECT_EQ(messages.shown[1].text, kMoveTooDeepText);
  EXPECT_EQ(test::ReadFileBytes(path), before);
  // 195 + 1 + 60 = 256 levels still fit.
  EXPECT_EQ(store.MoveFavorite("f_2", KeyOfDepth(195)), FavoritesChange::Rebuild);
  EXPECT_EQ(store.FavoritesRoot().Height(), 256);
}

// Built in memory, a tree deeper than any file may hold: freeing and walking it must not recurse,
// and writing it is refused.
TEST(DeepTree, AHundredThousandLevelsAreWalkedAndFreedWithoutRecursion) {
  auto root = std::make_unique<CFavorites>();
  CFavorites* folder = root.get();
  for (int i = 0; i < 100000; ++i) folder = folder->Folder(folder->AddFolder("A", 0)).get();
  folder->AddDoc("bottom 7", "", 0);
  EXPECT_EQ(root->Height(), 100000);
  EXPECT_TRUE(root->Contains(folder));
  EXPECT_EQ(CFavorites::GetDocFragLastNum(*root, "bottom"), 7.0f);
  CFavorites* parent = nullptr;
  int n = 0;
  EXPECT_EQ(root->GetFolderFromKey(KeyOfDepth(100000), parent, n), folder);
  std::string bytes;
  const FavoritesResult r = SerializeFavorites(*root, bytes);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("глубже 256 уровней"), std::string::npos);
  root.reset();
}

}  // namespace
}  // namespace orvelis
