// How lengths are typed and shown. Inside the program every length is
// millimetres whatever the mode.
#pragma once

#include <string_view>

namespace welkin {

enum class UnitMode { metric, inches, decimalinches };

// "metric", "inches" or "decimalinches", as files and the batch program name the modes.
std::string_view unit_mode_text(UnitMode mode);

}  // namespace welkin
