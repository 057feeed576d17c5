// What a screen reader says of the program's controls, and the access keys
// (Alt + a letter) that reach them. One table for every window, keyed by
// control; name_control applies it (describe_control) as each control is
// named: a field without a label beside it, a lock, a picture or a button
// with a symbol for a face gets a name, a picture a description and the
// role of an image, and a button or caption its access key.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

#include "panel1d/scorecard_pictures.h"
#include "ui/object_names.h"

class QObject;
class QWidget;

namespace welkin {

// The text with the control's access key marked, as "Fin widt&h in mm",
// for a caption the window rewrites; the text as it is when the control
// has no key or the text lacks its letter.
QString with_access_key(Control control, const QString& text);

// Tab visits the controls in this order, where the order they were made
// in is not the order they are read in.
void set_tab_order(std::initializer_list<QWidget*> controls);

// What a verdict icon of the scorecard says: "Passed", "Failed", "Doubtful".
QString verdict_name(std::optional<ScoreIcon> icon);

}  // namespace welkin
