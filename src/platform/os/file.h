#pragma once
// Whole-file operations on resolved paths. Every path goes through ResolvePath first.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace os {

// Files larger than this are refused by ReadWholeFile: every file the viewer reads is small, and a
// damaged or hostile one must not make it allocate without bound.
inline constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;

// True when the path names an existing regular file.
bool FileExists(std::string_view path);

// The file's length in bytes, or nothing when it is not a readable regular file.
std::optional<std::uint64_t> FileLength(std::string_view path);

// The file's bytes, or nothing when it cannot be opened or read, or is longer than limit.
std::optional<std::string> ReadWholeFile(std::string_view path, std::uint64_t limit = kMaxReadBytes);

// Writes the bytes to the file, creating or truncating it. False when that failed.
bool WriteWholeFile(std::string_view path, std::string_view bytes);

// Writes the bytes to a temporary file in the same folder and renames it over the target, so a failed
// write leaves the previous file whole. False when that failed (the target is then untouched).
bool ReplaceWholeFile(std::string_view path, std::string_view bytes);

}  // namespace os
