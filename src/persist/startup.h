// Factory settings, the reset to them, and the program's start-up sequence.
#pragma once

#include "core/main_form.h"

namespace welkin {

// Puts every setting the settings file covers back to its factory value.
// Callers hold `busy` while it runs.
void default_settings(MainForm& form);

// "Reset to default values and settings": the defaults under busy, the
// default title and one full recompute.
void reset_to_defaults(MainForm& form);

// Everything start-up does to the design, ending in the first recompute.
void start_up(MainForm& form);

}  // namespace welkin
