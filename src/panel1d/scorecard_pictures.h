// The scorecard's pictures: the three verdict icons and one illustration
// per test, drawn rather than stored so that no image files travel with
// the program.
#pragma once

#include "canvas/canvas.h"

namespace welkin {

enum class ScoreIcon { good, bad, doubtful };

// The four tests, in the order the scorecard shows them.
enum class Illustration { period_width, viscous_limit, plate_frequency, usable_range };

// A square icon on the whole canvas: a tick on green, a cross on red, a
// question mark on orange, in the score tiles' colours.
void paint_score_icon(ScoreIcon icon, Canvas& canvas);

// Each illustration shows what its test is about, on a 200 x 120 drawing.
void paint_illustration(Illustration which, Canvas& canvas);

}  // namespace welkin
