#include "app/cli_commands.h"

#include <QJsonArray>
#include <utility>

#include "render/qt_text.h"

namespace welkin {

namespace {

// The JSON keys are the window's label names, which scripts already read.
std::pair<const char*, const std::string*> texts_of(const LobeTexts& t, int i) {
    switch (i) {
        case 0: return {"Label4", &t.hf_cutoff_at_angle};
        case 1: return {"lbl_newseat", &t.revised_seating};
        case 2: return {"Label5", &t.usable_range};
        case 3: return {"Label10", &t.plate_frequency};
        case 4: return {"Label7", &t.design_frequency};
        case 5: return {"Label9", &t.hf_cutoff_at_zero};
        case 6: return {"Label8", &t.first_lobes};
        default: return {"Label6", &t.f_period};
    }
}
constexpr int label_count = 8;

}  // namespace

QJsonObject lobes_json(const LobeAnalysis& a) {
    const LobeTexts texts = result_texts(a);
    QJsonObject labels;
    for (int i = 0; i < label_count; ++i) {
        const auto [name, text] = texts_of(texts, i);
        labels.insert(QLatin1String(name), qs(*text));
    }
    QJsonArray multiples;
    for (const TrueMultiple& m : true_multiples(a)) {
        multiples.append(QJsonObject{{"k", m.k}, {"hz", m.freq_hz}, {"active", m.active}});
    }
    return QJsonObject{
        {"lobes_mode", a.lobes_mode},
        {"well_count", a.well_count},
        {"design_freq_hz", a.design_freq_hz},
        {"plate_freq_hz", a.plate_freq_hz},
        {"unit_mode", qs(unit_mode_text(a.unit_mode))},
        {"angle_deg", a.angle_deg},
        {"theta", a.theta},
        {"hf_zero_hz", a.hf_zero_hz},
        {"f_period_hz", a.f_period_hz},
        {"half_design_hz", a.half_design_hz},
        {"hf_angle_hz", a.hf_angle_hz},
        {"x_per_hz", a.x_per_hz},
        {"x_offset", a.x_offset},
        // The explorer has no lobes, so no frequency where they begin.
        {"lobe_start_hz", a.lobes_mode ? QJsonValue(a.lobe_start_hz) : QJsonValue()},
        {"usable_low_hz", a.usable_low_hz},
        {"lowest_diffusion_hz", a.lowest_diffusion_hz},
        {"revised_seat_mm", a.revised_seat_mm},
        {"usable_high_hz", a.usable_high_hz},
        {"usable", a.usable},
        {"first_true_multiple", a.first_true_multiple},
        {"last_true_multiple", a.last_true_multiple},
        {"texts", labels},
        {"true_multiples", multiples},
    };
}

std::string lobes_text(const LobeAnalysis& a) {
    const LobeTexts texts = result_texts(a);
    std::string out;
    for (int i = 0; i < label_count; ++i) {
        const std::string& text = *texts_of(texts, i).second;
        if (!text.empty()) out += text + '\n';
    }
    return out;
}

}  // namespace welkin
