// The settings file and project files: one value per line, CR LF, the
// meaning of a line given by its position. welkin.ini and a .qrd project
// are the same kind of file.
#pragma once

#include <string>
#include <string_view>

#include "forms/main_form.h"

namespace welkin {

// Lines a file must have to load; later lines were added by later versions.
inline constexpr int required_settings_lines = 17;
inline constexpr int settings_lines = 35;

// The file's bytes for the current state.
std::string settings_text(const MainForm& form);

// Writes the current state to files().pending_path. The new file replaces
// the old one only once it is completely written, so a failure leaves the
// previous file whole. Returns whether the file was written.
bool save_settings(const MainForm& form);

// Reads files().pending_path and applies it, after putting every setting
// back to its default. Sets files().load_ok when the required lines were
// all read. Callers hold `busy` and run recompute afterwards.
void load_settings(MainForm& form);

// load_settings on bytes already read; `readable` is false when the file
// could not be opened at all.
void apply_settings(MainForm& form, std::string_view bytes, bool readable = true);

}  // namespace welkin
