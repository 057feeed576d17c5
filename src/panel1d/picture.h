// The main window's three pictures, which the clipboard, the printer and
// the batch program's export name.
#pragma once

namespace welkin {

enum class Picture { cross_section, phase_wheel, scatter };

}  // namespace welkin
