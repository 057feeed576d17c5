// Where the program's own dialogs open, and windows kept within the screen.
#pragma once

#include <QRect>

class QWidget;

namespace welkin {

// Centred across the screen, its top at a sixth of the height left over.
void place_dialog(QWidget& dialog);

// What the window manager's title bar and borders add to a window's size:
// as drawn once it has been shown, a usual allowance before.
QSize frame_of(const QWidget& window);

// The outer rectangle a window wants, made no larger than the free screen and
// moved, as little as it takes, to lie within it.
QRect within(const QRect& wanted, const QRect& free);

// Shrinks a window that would not fit on its screen, title bar and frame
// included, and moves it within the screen once it has a place there. A
// window's minimum size wins over the screen.
void fit_to_screen(QWidget& window);

}  // namespace welkin
