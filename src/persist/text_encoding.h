// Files are 8-bit text. This version writes UTF-8; older versions wrote the
// Windows code page, which is still read.
#pragma once

#include <string>
#include <string_view>

namespace welkin {

bool is_valid_utf8(std::string_view bytes);

// The line itself when it is valid UTF-8, else the line read as Windows-1252.
std::string utf8_from_file_text(std::string_view bytes);

}  // namespace welkin
