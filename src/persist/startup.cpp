#include "persist/startup.h"

namespace welkin {

void default_settings(MainForm& form) {
    form.set_field_text(Field::Text1, "7");
    form.set_field_text(Field::Text2, "600");
    form.set_field_text(Field::Text4, "3");
    form.opt_freqlock_Click();

    Design& d = form.edit_design();
    // These two go through their menu commands so that what depends on them follows.
    if (!d.mnu_autowells) form.mnu_autowells_Click();
    if (d.mnu_advanced) form.mnu_advanced_Click();
    d.mnu_inverse_pairing = false;
    d.mnu_halfwidth = false;
    form.select_vertical_scale(0);
    d.mnu_auto_optimise = false;
    d.mnu_2d_optimise = true;
    d.inverse_panel = false;
    d.unit_mode = UnitMode::metric;
    d.results_page = 1;
    d.wheel_shift = 0;
    d.side_shift = 0;
}

void reset_to_defaults(MainForm& form) {
    {
        const BusyScope busy(form);
        default_settings(form);
    }
    form.set_title_suffix(title_suffix_default);
    form.Command1_Click();
}

void start_up(MainForm& form) {
    Design& d = form.edit_design();
    d.results_page = 1;
    d.vertical_scale_mm = 0;
    d.inverse_panel = false;
    d.unit_mode = UnitMode::metric;

    // Restoring the settings file belongs here; without one the program
    // starts from its factory settings, silently, as on a first start.
    reset_to_defaults(form);

    // A project named on the command line is applied here.

    form.Command1_Click();
}

}  // namespace welkin
