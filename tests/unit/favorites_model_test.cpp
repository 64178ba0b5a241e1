#include "favorites/favorites_model.h"

#include <gtest/gtest.h>

#include "ground/app_info.h"

namespace orvelis {
namespace {

std::vector<std::string> DocNames(CFavorites& f) {
  std::vector<std::string> names;
  for (int i = 1; i <= f.DocLen(); ++i) names.push_back(f.doc(i)->name);
  return names;
}

TEST(FavoritesModel, AnEmptyRootResolvesToItself) {
  CFavorites root;
  EXPECT_EQ(root.FolderLen(), 0);
  EXPECT_EQ(root.DocLen(), 0);
  CFavorites* parent = nullptr;
  int fnum = -1;
  EXPECT_EQ(root.GetFolderFromKey("f", parent, fnum), &root);
  EXPECT_EQ(parent, &root);
  EXPECT_EQ(fnum, 0);
}

TEST(FavoritesModel, InsertionPositions) {
  CFavorites root;
  for (const char* n : {"1", "2", "3"}) root.AddDoc(n, "", 0);
  EXPECT_EQ(root.AddDoc("a", "", 0), 4);
  EXPECT_EQ(root.AddDoc("b", "", 2), 2);
  EXPECT_EQ(DocNames(root), (std::vector<std::string>{"1", "b", "2", "3", "a"}));
  EXPECT_EQ(root.AddDoc("c", "", 7), 6);   // beyond the end appends
  EXPECT_EQ(root.AddDoc("d", "", -3), 7);  // below 1 appends
}

TEST(FavoritesModel, DeletingShiftsTheLaterItemsAndABadIndexIsReported) {
  CFavorites root;
  for (const char* n : {"1", "2", "3"}) root.AddDoc(n, "", 0);
  EXPECT_EQ(root.DeleteDoc(2), FavoritesError::None);
  EXPECT_EQ(DocNames(root), (std::vector<std::string>{"1", "3"}));
  CFavorites* parent = nullptr;
  int d = 0;
  EXPECT_EQ(root.GetDocFromKey("d_3", parent, d), nullptr);
  EXPECT_EQ(root.DeleteDoc(5), FavoritesError::BadIndex);
  EXPECT_EQ(root.DeleteFolder(1), FavoritesError::BadIndex);
  EXPECT_EQ(root.doc(9)->name, "");
  EXPECT_EQ(root.Folder(1)->FolderLen(), 0);
  EXPECT_EQ(DocNames(root), (std::vector<std::string>{"1", "3"}));
  const Message shown = FavoritesErrorMessage(FavoritesError::BadIndex);
  EXPECT_EQ(shown.text, "Ошибка индекса");
  EXPECT_EQ(shown.caption, ApplicationTitle());
  EXPECT_EQ(shown.icon, MessageIcon::None);
}

TEST(FavoritesModel, KeysResolveThroughTheFolderPath) {
  CFavorites root;
  root.AddFolder("one", 0);
  root.AddFolder("two", 0);
  root.Folder(2)->AddFolder("two/one", 0);
  auto inner = root.Folder(2)->Folder(1);
  for (const char* n : {"x", "y", "z"}) inner->AddDoc(n, n, 0);
  for (const char* n : {"r1", "r2", "r3", "r4"}) root.AddDoc(n, "", 0);

  CFavorites* parent = nullptr;
  int n = 0;
  EXPECT_EQ(root.GetFolderFromKey("f_2_1", parent, n), inner.get());
  EXPECT_EQ(parent, root.Folder(2).get());
  EXPECT_EQ(n, 1);
  CFoldDoc* z = root.GetDocFromKey("d_2_1_3", parent, n);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->name, "z");
  EXPECT_EQ(parent, inner.get());
  EXPECT_EQ(n, 3);
  CFoldDoc* r4 = root.GetDocFromKey("d_4", parent, n);
  ASSERT_NE(r4, nullptr);
  EXPECT_EQ(r4->name, "r4");
  EXPECT_EQ(parent, &root);
  EXPECT_EQ(root.GetFolderFromKey("f_3", parent, n), nullptr);
  EXPECT_EQ(root.GetDocFromKey("d_2_2_1", parent, n), nullptr);
  EXPECT_EQ(root.GetDocFromKey("d_x", parent, n), nullptr);
}

TEST(FavoritesModel, DeletingAFolderTakesItsWholeSubtree) {
  CFavorites root;
  root.AddFolder("a", 0);
  root.Folder(1)->AddFolder("b", 0);
  root.Folder(1)->Folder(1)->AddDoc("deep", "", 0);
  const std::weak_ptr<CFavorites> b = root.Folder(1)->Folder(1);
  root.DeleteFolder(1);
  EXPECT_EQ(root.FolderLen(), 0);
  EXPECT_TRUE(b.expired());
}

TEST(FavoritesModel, HighestFragmentNumberSearchesTheWholeSubtreeExactly) {
  const std::string base = "12.SOME TITLE (135) - Фрагмент";
  CFavorites root;
  root.AddFolder("a", 0);
  root.AddFolder("b", 0);
  root.AddDoc(base + " 2", "", 0);
  root.Folder(2)->AddDoc(base + " 7", "", 0);
  root.Folder(1)->AddDoc(base + " 3a", "", 0);
  root.Folder(1)->AddDoc("12.some title (135) - фрагмент 9", "", 0);
  root.AddDoc("other - Фрагмент 11", "", 0);
  EXPECT_EQ(CFavorites::GetDocFragLastNum(root, base), 7.0f);
  EXPECT_EQ(CFavorites::GetDocFragLastNum(*root.Folder(1), base), 0.0f);
}

TEST(FavoritesModel, AFullListRefusesMoreAndChangesNothing) {
  CFavorites root;
  for (int i = 0; i < kMaxFavoritesListLength; ++i) root.AddDoc("n", "", 0);
  EXPECT_EQ(root.AddDoc("one too many", "", 0), 0);
  EXPECT_EQ(root.AddDoc("one too many", "", 1), 0);
  EXPECT_EQ(root.DocLen(), kMaxFavoritesListLength);
  EXPECT_EQ(root.doc(1)->name, "n");
  const Message shown = FavoritesErrorMessage(FavoritesError::ListFull);
  EXPECT_EQ(shown.text, kListFullText);
  EXPECT_EQ(shown.caption, ApplicationTitle());
  EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace orvelis
