// Designs as a user makes them in the main window, for the build tests.
#pragma once

#include <string>

#include "build/build_design.h"
#include "forms/main_form.h"
#include "forms/report_files.h"
#include "forms/startup.h"

namespace welkin {

struct DesignCase {
    std::string name;
    bool two_d = false;
    int n = 7;
    std::string fin_width = "0";
    bool inverse = false;
    bool optimise_2d = true;
};

// The form after the user's entries, for the design and its results.
class DesignedForm {
public:
    explicit DesignedForm(const DesignCase& c) : form_(host_) {
        start_up(form_);
        form_.set_field_text(Field::well_count, std::to_string(c.n));
        form_.set_field_text(Field::fin_width, c.fin_width);
        if (c.inverse) form_.run(DesignCommand::toggle_inverse);
        if (form_.design().optimise_2d != c.optimise_2d)
            form_.run(DesignCommand::toggle_optimise_2d);
        offsets_ = centred_offsets(c.n);
        design_ = c.two_d ? build_design_2d(form_.snapshot(), offsets_)
                          : build_design_1d(form_.snapshot());
    }
    const Design& design() const { return form_.design(); }
    const PanelSequence& sequence() const { return form_.snapshot().sequence; }
    const DesignResults& results() const { return form_.snapshot().results; }
    const Offsets2d& offsets() const { return offsets_; }
    const BuildDesign& build() const { return design_; }

private:
    QuietHost host_;
    MainForm form_;
    Offsets2d offsets_;
    BuildDesign design_;
};

inline const DesignCase design_cases[] = {
    {"1D N7 without fins", false, 7, "0"},
    {"1D N13 with 12 mm fins", false, 13, "12"},
    {"1D N11 inverse with 6 mm fins", false, 11, "6", true},
    {"2D N7 standard without fins", true, 7, "0"},
    {"2D N13 legacy inverse with fins", true, 13, "9", true, false},
    {"2D N11 optimised inverse with fins", true, 11, "6", true, true},
};

}  // namespace welkin
