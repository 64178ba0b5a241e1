#pragma once
// Reading and replacing whole files in the user data folder. A replacement goes to a temporary
// file beside the file, is flushed to disk and renamed over it, so at every moment the file holds
// either its old bytes or all of its new ones, never a part.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvelis {

enum class ReadOutcome {
  Read,     // the bytes are the whole file
  Missing,  // no file of that name (a link pointing nowhere counts as missing)
  Failed    // something is there but could not be read: a folder, no permission, an I/O error
};

// Reads the whole file (following links); the reason, in Russian, when it fails.
ReadOutcome ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& reason);

// The file `path` names once every symbolic link on it is followed (relative links are taken from
// the folder of the link); nothing when the links go round in a circle or are too many.
std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& path, std::string& reason);

// The temporary file a replacement of `target` writes first.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& target);

// Removes what an interrupted replacement left beside the file `path` names (links followed):
// only a regular file (or a link) of the temporary name, never a folder.
void RemoveStaleTemporaryFile(const std::filesystem::path& path);

// True when an existing file may not be written: no one has write permission on it (which even
// root respects here), or this user has none, or its file system is read-only.
bool IsReadOnlyFile(const std::filesystem::path& target);

enum class ReplaceOutcome { Written, ReadOnly, Failed };

struct ReplaceResult {
  ReplaceOutcome outcome = ReplaceOutcome::Written;
  std::string reason;  // Russian, when not written
  std::filesystem::path target;  // the file replaced (or meant to be): `path` with its links followed
};

// Replaces the file `path` names with `bytes`. A link stays a link and its target is replaced; an
// existing file keeps its permissions (and its owner where the system allows); a read-only one is
// left alone. A new file gets the usual permissions for new files.
ReplaceResult ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes a file that must not exist yet, flushed to disk, with the given permissions.
bool WriteNewFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                  std::string& reason);

// The system's error number as a short Russian phrase (the system's own text when none is known).
std::string SystemErrorText(int error);

}  // namespace orvelis
