// File names as the run handles them: the directory part of a path (with
// its trailing "/"), the name after the last "/", and whether two paths
// name the same file. Paths are compared as files, by device and inode, so
// "./m.inp", "m.inp" and a hard link to it are one file.
#ifndef KESTRELON_PLATFORM_PATHS_H_
#define KESTRELON_PLATFORM_PATHS_H_

#include <string>
#include <string_view>

namespace kestrelon {

// "dir/sub/" for "dir/sub/m.inp"; "" for "m.inp".
std::string DirectoryOf(std::string_view path);

// "m.inp" for "dir/sub/m.inp".
std::string BaseName(std::string_view path);

// True when both paths exist and are one file (links followed), or when
// the texts are equal.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_PATHS_H_
