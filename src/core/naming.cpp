#include "core/naming.h"

#include "units/numtext.h"

namespace welkin {

PanelName panel_name(const Design& d) {
    const std::string n = number_text_trimmed(d.well_count);
    const std::string a = number_text_trimmed(d.wheel_shift);
    const std::string s = number_text_trimmed(d.side_shift);
    const bool inverse = d.inverse_panel;
    const bool advanced = d.advanced && d.wheel_shift > 0;
    const bool shifted = d.side_shift > 0;

    const std::string kind = advanced ? (inverse ? "Advanced Inverse N" : "Advanced N")
                                      : (inverse ? "Inverse N" : "Standard N");
    const std::string code = kind + n + (inverse ? "-" : "+") + a + "," + s;

    std::string status = code;
    if (advanced) {
        status +=
            " panel:    Shifted " + std::string(inverse ? "up " : "down ") + a + " depth units";
        if (shifted) status += " and left " + s + " wells";
    } else if (shifted) {
        status += std::string(inverse ? " panel:    shifted left " : " panel:    Shifted left ") +
                  s + " wells";
    } else {
        status += " Panel";
    }
    return {status, code + " QRD Diffuser"};
}

std::string frontview_caption(const PanelName& name, const std::string& design_freq_field) {
    return name.caption_start + "     Design Frequency" +
           number_text(text_value(design_freq_field)) + "Hz  ";
}

bool vertical_scale_warning(const Design& d) {
    return d.vertical_scale_mm > 0 && d.vertical_scale_mm < d.design_half_wavelength_mm;
}

}  // namespace welkin
