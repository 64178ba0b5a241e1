#include "favorites/favorites_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "book/book_format.h"
#include "book/cp1251.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orvelis {
namespace fs = std::filesystem;
namespace {

void PutUInt16(std::string& out, std::size_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

bool ReadUInt16(const std::string& bytes, std::size_t& pos, unsigned& value) {
  if (bytes.size() - pos < 2 || pos > bytes.size()) return false;
  value = static_cast<unsigned char>(bytes[pos]) | (static_cast<unsigned>(static_cast<unsigned char>(bytes[pos + 1])) << 8);
  pos += 2;
  return true;
}

bool ReadCounted(const std::string& bytes, std::size_t& pos, std::string& text) {
  unsigned length = 0;
  if (!ReadUInt16(bytes, pos, length) || bytes.size() - pos < length) return false;
  text = DecodeCp1251(std::string_view(bytes).substr(pos, length));
  pos += length;
  return true;
}

// Writes a record; false when a field is too long for its 16-bit count.
bool PutRecord(std::string& out, int flags, const std::string& name, const std::string& text, std::string& error) {
  const std::string nameBytes = EncodeCp1251(name, Unmappable::Question);
  const std::string textBytes = EncodeCp1251(text, Unmappable::NumericReference);
  if (nameBytes.size() > kMaxCountedStringBytes || textBytes.size() > kMaxCountedStringBytes) {
    error = "Запись \"" + name.substr(0, 60) + "\" слишком длинна для файла избранного (65535 байт и более).";
    return false;
  }
  PutUInt16(out, static_cast<std::size_t>(flags));
  PutUInt16(out, nameBytes.size());
  out += nameBytes;
  PutUInt16(out, textBytes.size());
  out += textBytes;
  return true;
}

}  // namespace

bool WriteFolderRecords(const CFavorites& folder, std::string& out, std::string& error) {
  auto& f = const_cast<CFavorites&>(folder);  // Folder() and doc() are the model's only getters
  for (int i = 1; i <= f.FolderLen(); ++i) {
    const auto sub = f.Folder(i);
    int flags = kFavoriteFolderFlag;
    if (sub->FolderLen() > 0 || sub->DocLen() > 0) flags += kFavoriteHasContentsFlag;
    if (f.DocLen() == 0 && i == f.FolderLen()) flags += kFavoriteLastEntryFlag;
    if (!PutRecord(out, flags, sub->FolderName, "", error) || !WriteFolderRecords(*sub, out, error)) return false;
  }
  for (int j = 1; j <= f.DocLen(); ++j) {
    const auto d = f.doc(j);
    const int flags = kFavoriteFragmentFlag + (j == f.DocLen() ? kFavoriteLastEntryFlag : 0);
    if (!PutRecord(out, flags, d->name, d->Text, error)) return false;
  }
  return true;
}

namespace {

std::string SystemError() { return std::strerror(errno); }

std::string SaveFailure(const fs::path& path, const std::string& reason) {
  return "Не удалось сохранить избранное в файл " + path.string() + ": " + reason +
         "\r\nФайл избранного остался прежним.";
}

// Writes and flushes a whole file; false with a reason on any failure.
bool WriteDurably(const fs::path& path, const std::string& bytes, std::string& reason) {
#ifndef _WIN32
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) {
    reason = SystemError();
    return false;
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = SystemError();
      ::close(fd);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    reason = SystemError();
    ::close(fd);
    return false;
  }
  if (::close(fd) != 0) {
    reason = SystemError();
    return false;
  }
  return true;
#else
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  if (!file) reason = "ошибка записи";
  return static_cast<bool>(file);
#endif
}

}  // namespace

FavoritesPaths InitFavoritesPaths(const fs::path& userDataFolder) {
  std::error_code ec;
  if (!fs::exists(userDataFolder, ec)) fs::create_directories(userDataFolder, ec);
  return {userDataFolder, userDataFolder / "book_favor.dat"};
}

void ReadFolderRecords(const std::string& bytes, std::size_t& pos, CFavorites& folder) {
  while (pos < bytes.size()) {
    unsigned flagBits = 0;
    std::string name, text;
    if (!ReadUInt16(bytes, pos, flagBits) || !ReadCounted(bytes, pos, name) || !ReadCounted(bytes, pos, text)) {
      pos = bytes.size();  // a record cut short ends the file
      return;
    }
    const int flags = static_cast<std::int16_t>(flagBits);
    if (flags & kFavoriteFolderFlag) {
      const int k = folder.AddFolder(name, 0);
      if ((flags & kFavoriteHasContentsFlag) && k > 0) ReadFolderRecords(bytes, pos, *folder.Folder(k));
    } else if (flags & kFavoriteFragmentFlag) {
      folder.AddDoc(name, text, 0);
    }
    if (flags & kFavoriteLastEntryFlag) return;
  }
}

FavoritesResult LoadFavorites(const fs::path& path, CFavorites& root) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    std::ofstream create(path, std::ios::binary);  // a missing file is created empty
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, "Не удалось прочитать файл избранного " + path.string() + "."};
  std::ostringstream content;
  content << in.rdbuf();
  const std::string bytes = content.str();
  std::size_t pos = 0;
  while (pos < bytes.size()) ReadFolderRecords(bytes, pos, root);  // records after a final 128 still count
  return {};
}

FavoritesResult SerializeFavorites(const CFavorites& root, std::string& bytes) {
  std::string error;
  bytes.clear();
  if (!WriteFolderRecords(root, bytes, error)) return {false, error};
  return {};
}

FavoritesResult SaveFavorites(const CFavorites& root, const fs::path& path) {
  std::string bytes;
  if (FavoritesResult r = SerializeFavorites(root, bytes); !r.ok) {
    return {false, SaveFailure(path, r.message)};
  }
  fs::path temp = path;
  temp += ".new";
  std::string reason;
  if (!WriteDurably(temp, bytes, reason)) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return {false, SaveFailure(path, reason)};
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return {false, SaveFailure(path, ec.message())};
  }
  return {};
}

}  // namespace orvelis
