#include "favorites/favorites_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ports/recording_search_view.h"
#include "support/temp_dir.h"

namespace orvelis {
namespace {

class Operations : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.LoadFavorites());
    // f_1 "A" { f_1_1 "A1" { d_1_1_1 }, d_1_1 "a1", d_1_2 "a2", d_1_3 "a3" }, f_2 "B", d_1 "r1", d_2 "r2"
    store.AddFolder("f", "A");
    store.AddFolder("f_1", "A1");
    store.AddFragment("f_1_1", "deep", "<p>deep</p>");
    for (const char* n : {"a1", "a2", "a3"}) store.AddFragment("f_1", n, n);
    store.AddFolder("f", "B");
    store.AddFragment("f", "r1", "");
    store.AddFragment("f", "r2", "");
    messages.shown.clear();
  }
  std::vector<std::string> Docs(const std::string& folderKey) {
    CFavorites* parent = nullptr;
    int n = 0;
    CFavorites* f = store.FavoritesRoot().GetFolderFromKey(folderKey, parent, n);
    std::vector<std::string> names;
    for (int i = 1; i <= f->DocLen(); ++i) names.push_back(f->doc(i)->name);
    return names;
  }
  std::vector<std::string> Folders(const std::string& folderKey) {
    CFavorites* parent = nullptr;
    int n = 0;
    CFavorites* f = store.FavoritesRoot().GetFolderFromKey(folderKey, parent, n);
    std::vector<std::string> names;
    for (int i = 1; i <= f->FolderLen(); ++i) names.push_back(f->Folder(i)->FolderName);
    return names;
  }
  std::string Saved() { return test::ReadFileBytes(dir / "book_favor.dat"); }

  test::TempDir dir;
  RecordingMessageSink messages;
  FavoritesStore store{dir / "book_favor.dat", messages};
};

TEST_F(Operations, FragmentsMoveAfterWhenDraggedDownAndBeforeWhenDraggedUp) {
  EXPECT_EQ(store.MoveFavorite("d_1_1", "d_1_3"), FavoritesChange::Rebuild);
  EXPECT_EQ(Docs("f_1"), (std::vector<std::string>{"a2", "a3", "a1"}));
  store.MoveFavorite("d_1_3", "d_1_1");
  EXPECT_EQ(Docs("f_1"), (std::vector<std::string>{"a1", "a2", "a3"}));
  store.MoveFavorite("d_1_3", "d_1_1");
  EXPECT_EQ(Docs("f_1"), (std::vector<std::string>{"a3", "a1", "a2"}));
  store.MoveFavorite("d_1_2", "d_1_2");
  EXPECT_EQ(Docs("f_1"), (std::vector<std::string>{"a3", "a1", "a2"}));
}

TEST_F(Operations, AFragmentDroppedOnAFolderOrTheRootBecomesItsLast) {
  store.MoveFavorite("d_1_1", "f");
  EXPECT_EQ(Docs("f"), (std::vector<std::string>{"r1", "r2", "a1"}));
  store.MoveFavorite("d_1", "f_2");
  EXPECT_EQ(Docs("f_2"), (std::vector<std::string>{"r1"}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Operations, AFullFolderIsSaidOnceForEachRefusalAndAMovedFragmentGoesBack) {
  CFavorites& full = *store.FavoritesRoot().Folder(2);
  for (int i = 0; i < kMaxFavoritesListLength; ++i) full.AddDoc("n", "", 0);
  const std::string before = Saved();
  EXPECT_EQ(store.AddFragment("f_2", "more", ""), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kListFullText);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(store.MoveFavorite("d_1", "f_2"), FavoritesChange::Rebuild);
  EXPECT_EQ(Docs("f"), (std::vector<std::string>{"r1", "r2"}));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, kListFullText);
  EXPECT_EQ(store.AddFragment("f_9", "nowhere", ""), "");  // no such folder: nothing to say
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(Operations, AFolderDroppedOnAFragmentDoesNothingAndSavesNothing) {
  const std::string before = Saved();
  std::filesystem::remove(dir / "book_favor.dat");
  EXPECT_EQ(store.MoveFavorite("f_2", "d_1"), FavoritesChange::None);
  EXPECT_FALSE(std::filesystem::exists(dir / "book_favor.dat"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Operations, FolderMovesAskYesNoCancel) {
  messages.answer = MessageAnswer::Yes;
  EXPECT_EQ(store.MoveFavorite("f_2", "f_1"), FavoritesChange::Rebuild);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Вы хотите скопировать папку \"B\" внутрь папки \"A\".\r\nНажмите \"Нет\" для перемещение папки на том же "
            "уровне.");
  EXPECT_EQ(messages.shown[0].caption, "Перемещение папки");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(Folders("f"), (std::vector<std::string>{"A"}));
  EXPECT_EQ(Folders("f_1"), (std::vector<std::string>{"A1", "B"}));

  messages.answer = MessageAnswer::No;  // B goes back beside A, at A's place
  store.MoveFavorite("f_1_2", "f_1");
  EXPECT_EQ(Folders("f"), (std::vector<std::string>{"B", "A"}));

  messages.answer = MessageAnswer::Cancel;
  const std::string before = Saved();
  EXPECT_EQ(store.MoveFavorite("f_1", "f_2"), FavoritesChange::Rebuild);
  EXPECT_EQ(Folders("f"), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(Saved(), before);
}

TEST_F(Operations, MovesThatWouldDetachAFolderAreRefused) {
  const std::string before = Saved();
  messages.answer = MessageAnswer::Yes;
  EXPECT_EQ(store.MoveFavorite("f_1", "f_1"), FavoritesChange::Refused);      // into itself
  EXPECT_EQ(store.MoveFavorite("f_1", "f_1_1"), FavoritesChange::Refused);    // into its descendant
  EXPECT_EQ(store.MoveFavorite("f", "f_2"), FavoritesChange::Refused);        // the root
  messages.answer = MessageAnswer::No;
  EXPECT_EQ(store.MoveFavorite("f", "f_2"), FavoritesChange::Refused);
  EXPECT_EQ(Saved(), before);  // refused moves write nothing
  // Beside a descendant: among that descendant's siblings, i.e. inside itself again.
  store.AddFolder("f_1_1", "A1a");
  const std::string withA1a = Saved();
  EXPECT_EQ(store.MoveFavorite("f_1", "f_1_1_1"), FavoritesChange::Refused);
  EXPECT_EQ(Saved(), withA1a);
  EXPECT_EQ(messages.shown.back().text, kMoveRefusedText);
  // Onto itself with No is allowed and changes nothing.
  EXPECT_EQ(store.MoveFavorite("f_1", "f_1"), FavoritesChange::Rebuild);
  EXPECT_EQ(Folders("f"), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Operations, DeleteAsksWithTheItemsNameAndAlwaysRebuilds) {
  messages.answer = MessageAnswer::No;
  EXPECT_EQ(store.DeleteFavorite("d_1_2", "a2"), FavoritesChange::Rebuild);
  EXPECT_EQ(messages.shown[0].text, "Вы уверены, что хотите удалить запись \"a2\" ?");
  EXPECT_EQ(messages.shown[0].caption, "Удаление записи");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(Docs("f_1").size(), 3u);
  messages.answer = MessageAnswer::Yes;
  store.DeleteFavorite("d_1_2", "a2");
  EXPECT_EQ(Docs("f_1"), (std::vector<std::string>{"a1", "a3"}));
  store.DeleteFavorite("f_1", "A");
  EXPECT_EQ(messages.shown.back().text,
            "Вы уверены, что хотите удалить папку \"A\" и все ее вложенные папки и записи?");
  EXPECT_EQ(Folders("f"), (std::vector<std::string>{"B"}));
}

TEST_F(Operations, RenameSavesAtOnce) {
  store.RenameFavorite("d_2", "renamed");
  store.RenameFavorite("f_2", "Bee");
  FavoritesStore reloaded(dir / "book_favor.dat", messages);
  ASSERT_TRUE(reloaded.LoadFavorites());
  CFavorites* parent = nullptr;
  int n = 0;
  EXPECT_EQ(reloaded.FavoritesRoot().GetDocFromKey("d_2", parent, n)->name, "renamed");
  EXPECT_EQ(reloaded.FavoritesRoot().Folder(2)->FolderName, "Bee");
  EXPECT_EQ(reloaded.FavoritesRoot().Folder(1)->Folder(1)->doc(1)->Text, "<p>deep</p>");
}

// A tree reports icon and expansion changes as item changes; the same name must not rewrite the file.
TEST_F(Operations, RenamingToTheSameNameOrAMissingKeyWritesNothing) {
  std::filesystem::remove(dir / "book_favor.dat");
  store.RenameFavorite("d_2", "r2");
  store.RenameFavorite("f_2", "B");
  store.RenameFavorite("f_9", "nowhere");
  EXPECT_FALSE(std::filesystem::exists(dir / "book_favor.dat"));
  EXPECT_TRUE(messages.shown.empty());
  store.RenameFavorite("f_2", "B2");
  EXPECT_TRUE(std::filesystem::exists(dir / "book_favor.dat"));
}

}  // namespace
}  // namespace orvelis

namespace orvelis {
namespace {

// A fragment the file cannot hold is refused whole: the file stays as it was, the collection does
// not keep it, and later changes still save.
TEST(AddRefused, AnUnsavableFragmentIsTakenBackAndLaterSavesWork) {
  test::TempDir dir;
  RecordingMessageSink messages;
  FavoritesStore store{dir / "book_favor.dat", messages};
  ASSERT_TRUE(store.LoadFavorites());
  ASSERT_EQ(store.AddFragment("f", "small", "<p>x</p>"), "d_1");
  const std::string before = test::ReadFileBytes(dir / "book_favor.dat");
  EXPECT_EQ(store.AddFragment("f", "huge", std::string(70000, 'x')), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(test::ReadFileBytes(dir / "book_favor.dat"), before);
  EXPECT_EQ(store.FavoritesRoot().DocLen(), 1);
  EXPECT_EQ(store.AddFolder("f", std::string(70000, 'n')), "");
  EXPECT_EQ(store.FavoritesRoot().FolderLen(), 0);
  EXPECT_EQ(store.AddFragment("f", "next", "<p>y</p>"), "d_2");
  EXPECT_EQ(messages.shown.size(), 2u);
}

}  // namespace
}  // namespace orvelis
