#include "favorites/whole_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "ground/ui_text.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvelis {
namespace fs = std::filesystem;

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return ORVELIS_TR_NOOP("Core", "нет прав доступа");
    case ENOSPC:
      return ORVELIS_TR_NOOP("Core", "на диске нет места");
#ifdef EDQUOT
    case EDQUOT:
      return ORVELIS_TR_NOOP("Core", "превышена дисковая квота");
#endif
    case EROFS:
      return ORVELIS_TR_NOOP("Core", "файловая система доступна только для чтения");
    case EISDIR:
      return ORVELIS_TR_NOOP("Core", "на этом месте папка, а не файл");
    case ENOTDIR:
      return ORVELIS_TR_NOOP("Core", "часть пути - не папка");
    case ENOENT:
      return ORVELIS_TR_NOOP("Core", "папка не существует");
    case ELOOP:
      return ORVELIS_TR_NOOP("Core", "символические ссылки идут по кругу");
    case EIO:
      return ORVELIS_TR_NOOP("Core", "ошибка ввода-вывода");
    default:
      return std::strerror(error);
  }
}

std::optional<fs::path> FollowLinks(const fs::path& path, std::string& reason) {
  // The system's own limit on links in one path is 40; a chain longer than that is a circle.
  constexpr int kMaxLinks = 40;
  fs::path target = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) {
      reason = SystemErrorText(ec.value());
      return std::nullopt;
    }
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  reason = SystemErrorText(ELOOP);
  return std::nullopt;
}

fs::path TemporaryFileFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".new";
  return temp;
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, std::string_view bytes, std::string& reason) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = SystemErrorText(errno);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes, flushes and closes; the descriptor is closed in every case.
bool WriteFlushClose(int fd, std::string_view bytes, std::string& reason) {
  bool ok = WriteAll(fd, bytes, reason);
  if (ok && ::fsync(fd) != 0) {
    reason = SystemErrorText(errno);
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    reason = SystemErrorText(errno);
    ok = false;
  }
  return ok;
}

// A rename is only durable once the folder holding it is flushed too; failing that changes nothing
// about the file itself, so it is not an error.
void FlushFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Unlink, not remove: a folder of that name is not ours to delete.
bool RemoveTemporary(const fs::path& temp, std::string& reason) {
  if (::unlink(temp.c_str()) == 0 || errno == ENOENT) return true;
  reason = SystemErrorText(errno);
  return false;
}

}  // namespace

ReadOutcome ReadWholeFile(const fs::path& path, std::string& bytes, std::string& reason) {
  bytes.clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return ReadOutcome::Missing;
    reason = SystemErrorText(errno);
    return ReadOutcome::Failed;
  }
  if (S_ISDIR(st.st_mode)) {
    reason = SystemErrorText(EISDIR);
    return ReadOutcome::Failed;
  }
  if (!S_ISREG(st.st_mode)) {  // a pipe or a device could block or never end
    reason = ORVELIS_TR_NOOP("Core", "это не обычный файл");
    return ReadOutcome::Failed;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    reason = SystemErrorText(errno);
    return ReadOutcome::Failed;
  }
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = SystemErrorText(errno);
      ::close(fd);
      bytes.clear();
      return ReadOutcome::Failed;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ReadOutcome::Read;
}

void RemoveStaleTemporaryFile(const fs::path& path) {
  std::string reason;
  const std::optional<fs::path> target = FollowLinks(path, reason);
  if (!target) return;
  const fs::path temp = TemporaryFileFor(*target);
  struct stat st {};
  if (::lstat(temp.c_str(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) ::unlink(temp.c_str());
}

bool IsReadOnlyFile(const fs::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0;
}

ReplaceResult ReplaceWholeFile(const fs::path& path, std::string_view bytes) {
  ReplaceResult result;
  const std::optional<fs::path> target = FollowLinks(path, result.reason);
  if (!target) {
    result.outcome = ReplaceOutcome::Failed;
    return result;
  }
  result.target = *target;
  struct stat old {};
  const bool exists = ::stat(target->c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    result.outcome = ReplaceOutcome::Failed;
    result.reason = SystemErrorText(EISDIR);
    return result;
  }
  if (exists && IsReadOnlyFile(*target)) {
    result.outcome = ReplaceOutcome::ReadOnly;
    result.reason = ORVELIS_TR_NOOP("Core", "файл доступен только для чтения");
    return result;
  }

  const fs::path temp = TemporaryFileFor(*target);
  const auto fail = [&](const std::string& reason, bool removeTemp) {
    if (removeTemp) ::unlink(temp.c_str());
    result.outcome = ReplaceOutcome::Failed;
    result.reason = reason;
    return result;
  };
  // Exclusive, and never through a link: whatever stands at the temporary name was left by an
  // interrupted save and is removed first.
  if (!RemoveTemporary(temp, result.reason)) return fail(result.reason, false);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
  if (fd < 0) return fail(SystemErrorText(errno), false);
  if (exists) {
    // The owner first: changing it may clear permission bits that the mode then restores.
    // Only a privileged user may give a file away; otherwise it simply stays this user's.
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
      const std::string reason = SystemErrorText(errno);
      ::close(fd);
      return fail(reason, true);
    }
  }
  std::string reason;
  if (!WriteFlushClose(fd, bytes, reason)) return fail(reason, true);
  if (::rename(temp.c_str(), target->c_str()) != 0) return fail(SystemErrorText(errno), true);
  FlushFolder(target->parent_path());
  return result;
}

bool WriteNewFile(const fs::path& path, std::string_view bytes, fs::perms permissions, std::string& reason) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    reason = SystemErrorText(errno);
    return false;
  }
  bool ok = ::fchmod(fd, static_cast<mode_t>(permissions & fs::perms::mask)) == 0;
  if (!ok) {
    reason = SystemErrorText(errno);
    ::close(fd);
  }
  if (ok) ok = WriteFlushClose(fd, bytes, reason);
  if (!ok) ::unlink(path.c_str());
  return ok;
}

#else  // Without POSIX calls: the same steps through the standard library, without flushing to disk.

ReadOutcome ReadWholeFile(const fs::path& path, std::string& bytes, std::string& reason) {
  bytes.clear();
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found) return ReadOutcome::Missing;
  if (st.type() != fs::file_type::regular) {
    reason = ec ? ec.message() : ORVELIS_TR_NOOP("Core", "это не обычный файл");
    return ReadOutcome::Failed;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (in) content << in.rdbuf();
  if (!in || in.bad()) {
    reason = ORVELIS_TR_NOOP("Core", "файл не удалось прочитать");
    return ReadOutcome::Failed;
  }
  bytes = content.str();
  return ReadOutcome::Read;
}

void RemoveStaleTemporaryFile(const fs::path& path) {
  std::string reason;
  const std::optional<fs::path> target = FollowLinks(path, reason);
  std::error_code ec;
  if (target && fs::is_regular_file(fs::symlink_status(TemporaryFileFor(*target), ec))) {
    fs::remove(TemporaryFileFor(*target), ec);
  }
}

bool IsReadOnlyFile(const fs::path& target) {
  std::error_code ec;
  const fs::file_status st = fs::status(target, ec);
  return !ec && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

ReplaceResult ReplaceWholeFile(const fs::path& path, std::string_view bytes) {
  ReplaceResult result;
  const std::optional<fs::path> target = FollowLinks(path, result.reason);
  result.outcome = ReplaceOutcome::Failed;
  if (!target) return result;
  result.target = *target;
  if (IsReadOnlyFile(*target)) {
    result.outcome = ReplaceOutcome::ReadOnly;
    result.reason = ORVELIS_TR_NOOP("Core", "файл доступен только для чтения");
    return result;
  }
  const fs::path temp = TemporaryFileFor(*target);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      result.reason = ORVELIS_TR_NOOP("Core", "ошибка записи");
      std::error_code ignored;
      fs::remove(temp, ignored);
      return result;
    }
  }
  std::error_code ec;
  fs::rename(temp, *target, ec);
  if (ec) {
    result.reason = ec.message();
    fs::remove(temp, ec);
    return result;
  }
  result.outcome = ReplaceOutcome::Written;
  return result;
}

bool WriteNewFile(const fs::path& path, std::string_view bytes, fs::perms permissions, std::string& reason) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(path, ec))) {
    reason = ORVELIS_TR_NOOP("Core", "файл уже существует");
    return false;
  }
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) {
    reason = ORVELIS_TR_NOOP("Core", "ошибка записи");
    return false;
  }
  out.close();
  fs::permissions(path, permissions, ec);
  return true;
}

#endif

}  // namespace orvelis
