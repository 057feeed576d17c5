// Where the program's own dialogs open.
#pragma once

class QWidget;

namespace welkin {

// Centred across the screen, its top at a sixth of the height left over.
void place_dialog(QWidget& dialog);

}  // namespace welkin
