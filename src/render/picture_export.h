// A picture written to a file: PNG, SVG or PDF by the file's extension,
// drawn by the same painter as the window's.
#pragma once

#include <QSize>
#include <QString>

#include "core/design.h"
#include "panel1d/picture.h"

namespace welkin {

// Empty on success, else why the file was not written.
QString export_picture(Picture which, const Design& d, QSize size, const QString& path);

}  // namespace welkin
