#include "app/summary_json.h"

#include <QJsonArray>
#include <cstddef>

#include "render/qt_text.h"

namespace welkin {

namespace {

QJsonArray rgb_json(Rgb c) {
    return QJsonArray{c.r, c.g, c.b};
}

}  // namespace

QJsonObject summary_json(const MainForm& form) {
    const Design& d = form.design();
    const DesignTexts& r = form.texts();
    QJsonArray sequence;
    for (int i = 0; i <= d.well_count; ++i)
        sequence.append(d.well_seq[static_cast<std::size_t>(i)]);
    QJsonObject fields;
    for (int i = 0; i < field_count; ++i) {
        fields.insert(QStringLiteral("Text%1").arg(i + 1),
                      qs(form.field_text(static_cast<Field>(i))));
    }
    QJsonArray tiles;
    for (const Rgb& tile : r.tile_colours) tiles.append(rgb_json(tile));

    return QJsonObject{
        {"well_count", d.well_count},
        {"design_freq_hz", d.design_freq_hz},
        {"design_half_wavelength_mm", d.design_half_wavelength_mm},
        {"deepest_well_mm", d.deepest_well_mm},
        {"build_depth_2d_mm", d.build_depth_2d_mm},
        {"fin_width_mm", d.fin_width_mm},
        {"well_width_mm", d.well_width_mm},
        {"well_seq", sequence},
        {"seq_max", d.seq_max},
        {"seq_min", d.seq_min},
        {"wheel_shift", d.wheel_shift},
        {"side_shift", d.side_shift},
        {"inverse_panel", d.inverse_panel},
        {"unit_mode", qs(unit_mode_text(d.unit_mode))},
        {"lock", qs(lock_mode_text(d.lock))},
        {"results_page", d.results_page},
        {"vertical_scale_mm", d.vertical_scale_mm},
        {"period_fix_width_mm", d.period_fix_width_mm},
        {"viscous_min_width_mm", d.viscous_min_width_mm},
        {"recommended_width_mm", d.recommended_width_mm},
        {"well_width_shown_mm", d.well_width_shown_mm},
        {"period_width_mm", d.period_width_mm},
        {"panel_width_mm", d.panel_width_mm},
        {"period_ok", d.period_ok},
        {"plate_freq_hz", d.plate_freq_hz},
        {"hf_cutoff_hz", d.hf_cutoff_hz},
        {"lowest_diffusion_hz", d.lowest_diffusion_hz},
        {"seating_distance_mm", d.seating_distance_mm},
        {"width_strategy_note", qs(form.texts().width_strategy_note)},
        {"score_summary", qs(r.score_summary)},
        {"true_diffusion_text", qs(r.true_diffusion_text)},
        {"status",
         QJsonObject{{"text", qs(form.status_text())}, {"rgb", rgb_json(form.status_colour())}}},
        {"fields", fields},
        {"labels", QJsonObject{{"Label6", qs(r.cutoffs)},
                               {"Label11", qs(r.seating_distance)},
                               {"Label13", qs(r.period_width)},
                               {"Label14", qs(form.texts().well_width_caption)}}},
        {"score_tiles", tiles},
        {"title", qs(form.title())},
    };
}

}  // namespace welkin
