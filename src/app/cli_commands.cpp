#include "app/cli_commands.h"

#include <QJsonArray>
#include <utility>

#include "render/qt_text.h"

namespace welkin {

namespace {

std::pair<const char*, const std::string*> texts_of(const LobeTexts& t, int i) {
    switch (i) {
        case 0: return {"Label4", &t.Label4};
        case 1: return {"lbl_newseat", &t.lbl_newseat};
        case 2: return {"Label5", &t.Label5};
        case 3: return {"Label10", &t.Label10};
        case 4: return {"Label7", &t.Label7};
        case 5: return {"Label9", &t.Label9};
        case 6: return {"Label8", &t.Label8};
        default: return {"Label6", &t.Label6};
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
