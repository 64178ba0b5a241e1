// The navigation images in the user data folder: written whole, repaired when a full disk or a
// kill left them empty or torn, and a folder that takes none of them reported in one message.

#include "favorites/user_data_images.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace orvelis {
namespace {

namespace fs = std::filesystem;

const std::vector<StoredImage> kImages = {
    {"1x1.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13)},
    {"point.gif", "GIF89a point, a little longer"},
    {"nopoint.gif", "GIF89a nopoint"},
};

ino_t Inode(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

class Images : public ::testing::Test {
 protected:
  void ExpectAllInPlace() const {
    for (const StoredImage& image : kImages) EXPECT_EQ(test::ReadFileBytes(dir / image.name), image.bytes) << image.name;
  }
  test::TempDir dir;
};

TEST_F(Images, AFreshFolderGetsEveryImageAndNoLeftovers) {
  EXPECT_EQ(ImagesToWrite(dir.path(), kImages), (std::vector<std::string>{"1x1.gif", "point.gif", "nopoint.gif"}));
  EXPECT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  ExpectAllInPlace();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
  EXPECT_TRUE(ImagesToWrite(dir.path(), kImages).empty());
}

TEST_F(Images, EmptyTornAndAlteredFilesAreRewrittenAndSoundOnesLeftAlone) {
  ASSERT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  test::WriteFileBytes(dir / "1x1.gif", "");                                        // a full disk at the first start
  test::WriteFileBytes(dir / "point.gif", kImages[1].bytes.substr(0, 10));          // a kill mid-write
  const ino_t sound = Inode(dir / "nopoint.gif");
  EXPECT_EQ(ImagesToWrite(dir.path(), kImages), (std::vector<std::string>{"1x1.gif", "point.gif"}));

  EXPECT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  ExpectAllInPlace();
  EXPECT_EQ(Inode(dir / "nopoint.gif"), sound);

  // Same size, other bytes.
  std::string altered = kImages[2].bytes;
  altered[7] ^= 0x20;
  test::WriteFileBytes(dir / "nopoint.gif", altered);
  EXPECT_EQ(ImagesToWrite(dir.path(), kImages), (std::vector<std::string>{"nopoint.gif"}));
  EXPECT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  ExpectAllInPlace();
}

TEST_F(Images, WhatAnInterruptedWriteLeftIsRemoved) {
  ASSERT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  test::WriteFileBytes(dir / "point.gif.new", "GIF8");
  EXPECT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  EXPECT_FALSE(fs::exists(dir / "point.gif.new"));
}

TEST_F(Images, AFolderThatTakesNothingIsReportedInOneMessage) {
  // A regular file where the folder should be: nothing can be created in it, not even by root.
  test::WriteFileBytes(dir / "data", "a file");
  const fs::path folder = dir / "data" / "OrvelisBook";
  const std::string message = WriteUserDataImages(folder, kImages);
  EXPECT_NE(message.find("Не удалось записать изображения для страниц в папку " + folder.string()), std::string::npos)
      << message;
  EXPECT_NE(message.find("не записано файлов: 3 из 3; 1x1.gif: "), std::string::npos) << message;
  EXPECT_EQ(message.find("point.gif"), std::string::npos);  // one reason, not one line per file
  EXPECT_EQ(test::ReadFileBytes(dir / "data"), "a file");
}

TEST_F(Images, ADamagedReadOnlyImageIsReportedNotLeftSilently) {
  ASSERT_EQ(WriteUserDataImages(dir.path(), kImages), "");
  test::WriteFileBytes(dir / "point.gif", "");
  fs::permissions(dir / "point.gif", fs::perms::owner_read);
  const std::string message = WriteUserDataImages(dir.path(), kImages);
  EXPECT_NE(message.find("не записано файлов: 1 из 3; point.gif: файл доступен только для чтения"), std::string::npos)
      << message;
}

TEST_F(Images, AReadOnlyFolderIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const std::string message = WriteUserDataImages(dir.path(), kImages);
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_NE(message.find("не записано файлов: 3 из 3; 1x1.gif: нет прав доступа"), std::string::npos) << message;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 0);
}

}  // namespace
}  // namespace orvelis
