// Whole-file reads and writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace welkin {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> read_file(const std::string& path);

// Writes a temporary file beside `path` and renames it over `path`, so the
// old file stays whole unless the new one was written completely.
bool replace_file(const std::string& path, std::string_view bytes);

}  // namespace welkin
