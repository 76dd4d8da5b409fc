#pragma once
#include <cstdint>
#include <string>

namespace sys {

// The game names files the Windows way: a directory prefix (the data root or
// the program directory, a real path) followed by backslash-separated parts,
// such as root + "\graphic\gang\eye1.bmp". The data set's names come in mixed
// case, so every part that does not exist as written is matched against the
// directory's entries without regard to letter case.

// Turns a game path into a real path: backslashes become slashes, doubled
// separators collapse, a relative path is taken from the current directory,
// and each part is matched case-insensitively where the exact name is absent.
// Parts that match nothing are kept as written.
std::string resolvePath(const std::string& gamePath);

// The size in bytes of the first file or directory entry that the path names,
// or -1 when none matches (as for a name with a NUL byte). Wildcards (* and ?) in the last part are honoured,
// as a directory search does; a directory counts as size 0.
int64_t fileSize(const std::string& gamePath);

// True for a size above 0, the game's usual meaning of "exists".
inline bool fileExists(const std::string& gamePath) {
  return fileSize(gamePath) > 0;
}

// Whether a name taken relative to a directory (such as "\sound\x.wav" under
// the data root) stays inside it: no ".." part ever climbs above the
// directory, and no NUL cuts the name short. Both separators count.
bool staysInside(const std::string& relative);
// The name with its "." and ".." parts worked out, a ".." at the top
// dropped, so that it never leaves the directory ("\..\etc\x" gives
// "\etc\x"). A name that stays inside is returned as it is.
std::string confinedName(const std::string& relative);

// Case-insensitive comparison of UTF-8 names (ASCII and Latin-1 letters).
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// Case-insensitive glob match of one name against a pattern with * and ?.
bool wildcardMatch(const std::string& pattern, const std::string& name);

// The process's current directory, without a trailing slash.
std::string currentDirectory();

}  // namespace sys
