// Whole-file reads and writes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "units/result.h"

namespace welkin {

// Project and settings files are a few dozen short lines; anything bigger
// is not one of them.
inline constexpr std::size_t small_file_limit = 64 * 1024;

// The bytes of a regular file of at most `limit` bytes, or why not: missing,
// not a regular file (a folder, device or FIFO is never opened), too large,
// or unreadable. Symbolic links are followed.
Result<std::string> read_small_file(const std::string& path, std::size_t limit = small_file_limit);

// True when something is at `path` (a file, a link, a folder, a device) but
// read_small_file cannot read it.
bool exists_but_unreadable(const std::string& path);

// The file's bytes, or nothing when it cannot be read (read_small_file
// without the reason).
std::optional<std::string> read_file(const std::string& path);

// Writes `bytes` so that the old file stays whole unless the new one was
// written completely: into a new temporary file beside the target, created
// exclusively, checked at every write and at close, then renamed over it.
// A symbolic link is followed and its target replaced; an existing target
// that is not a regular file (a device, a FIFO) is written in place. Gives
// the path written, or why it could not be.
Result<std::string> write_file_atomically(const std::string& path, std::string_view bytes);

// True when writing to one of the paths would replace what the other names:
// the same file through links or another spelling of the path, even when it
// does not exist yet.
bool names_one_file(const std::string& a, const std::string& b);

}  // namespace welkin
