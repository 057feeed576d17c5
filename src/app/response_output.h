// The response command's three printings of one computed response: a table
// to read, one JSON object and CSV rows. The JSON and CSV numbers are
// unrounded, written so that they read back as the same doubles.
#pragma once

#include <QJsonObject>
#include <string>

#include "response/response_view.h"

namespace welkin {

// "far-field" or "bem": the model that drew the response.
std::string response_model_key(const ResponseView& view);

// The arc's levels, d, d_flat and d_n, and with `bands` the band table.
std::string response_text(const ResponseView& view, bool bands);

// frequency_hz, source_angle_deg, speed_m_s, panels, angles_deg, levels_db,
// flat_levels_db, d, d_flat, d_n, model, and with `bands` also bands as
// [{centre_hz, d, d_flat, d_n}] (and random_incidence_bands from boundary
// elements).
QJsonObject response_json(const ResponseView& view, bool bands);

// angle_deg,level_db,flat_level_db rows; a blank line and d,d_flat,d_n; with
// `bands` a blank line and centre_hz,d,d_flat,d_n rows.
std::string response_csv(const ResponseView& view, bool bands);

}  // namespace welkin
