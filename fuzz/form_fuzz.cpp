// The main window's model driven by arbitrary sequences of user actions:
// typing into any field, Enter and leaving a field, every button and menu,
// the unit modes, the figures table. Along the way the pictures,
// reports and lobe analysis are produced from the states that result.
// Nothing may crash, and the panel order must always be a valid one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "canvas/recording_canvas.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/report_files.h"
#include "forms/startup.h"
#include "lobes/lobe_analysis.h"
#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
#include "reports/report_1d.h"
#include "reports/report_2d.h"

namespace {

using welkin::DesignCommand;
using welkin::Field;

// Answers the units window with whichever mode the input asks for next.
class ScriptedHost final : public welkin::QuietHost {
public:
    welkin::MainForm* form = nullptr;
    welkin::UnitMode next_mode = welkin::UnitMode::inches;
    void show_modal(welkin::Window) override {
        form->units_form().select(next_mode);
        form->units_form().confirm();
    }
};

constexpr std::array<const char*, 24> texts = {
    "7",    "101",   "3",           "9",   "0",         "-5",    "1e5",  "20000",
    "1",    ".5",    "1/8",         "5''", "6' 10 1/2", "/",     "01/3", "12.5",
    "9000", "50000", "99999999999", "",    "abc",       "2 3/8", "1' ",  "5 6 1/2"};

class Driver {
public:
    Driver(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
        host_.form = &form_;
    }

    void run() {
        welkin::start_up(form_);
        int actions = 0;
        while (pos_ < size_) {
            act(next() % 24);
            check();
            // Drawing and describing cost far more than the actions; every
            // eighth state and the last one still go through all of it.
            if (++actions % 8 == 0) produce_outputs();
        }
        produce_outputs();
        // The 2D report (N x N cells, each length in words) is the slowest
        // part: one script in eight writes it, so that long action sequences
        // get the time.
        const welkin::Design& d = form_.design();
        if (size_ > 0 && data_[0] % 8 == 0) {
            (void)welkin::report_2d_text(d, form_.snapshot().results, welkin::Offsets2d{3, 5});
        }
        (void)welkin::analyse_lobes({d.well_count, d.design_freq_hz, d.well_width_mm,
                                     form_.snapshot().results.period_width_mm,
                                     form_.snapshot().results.plate_freq_hz, d.unit_mode},
                                    30, true);
    }

private:
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    Field field() { return static_cast<Field>(next() % welkin::field_count); }

    void act(int op) {
        switch (op) {
            case 0: form_.set_field_text(field(), texts[next() % texts.size()]); break;
            case 1: form_.field_enter(field()); break;
            case 2: form_.field_lost_focus(field()); break;
            case 3: form_.recompute(); break;
            case 4: form_.run(DesignCommand::reset_wheel); break;
            case 5: form_.run(DesignCommand::next_prime_order); break;
            case 6: form_.run(DesignCommand::previous_prime_order); break;
            case 7: form_.run(DesignCommand::shift_left); break;
            case 8: form_.run(DesignCommand::shift_zero_well_left); break;
            case 9: form_.run(DesignCommand::rotate_wheel_anticlockwise); break;
            case 10: form_.run(DesignCommand::rotate_wheel_clockwise); break;
            case 11: form_.run(DesignCommand::reset_side_shift); break;
            case 12: form_.run(DesignCommand::shift_right); break;
            case 13: form_.run(DesignCommand::toggle_inverse); break;
            case 14: form_.run(DesignCommand::toggle_advanced); break;
            case 15: form_.run(DesignCommand::toggle_auto_optimise); break;
            case 16: form_.run(DesignCommand::toggle_inverse_pairing); break;
            case 17: form_.run(DesignCommand::optimise_now); break;
            case 18: form_.run(DesignCommand::toggle_auto_well_width); break;
            case 19: form_.run(DesignCommand::toggle_optimise_2d); break;
            case 20: form_.run(DesignCommand::toggle_half_width); break;
            case 21:
                form_.select_vertical_scale(
                    welkin::vertical_scales[next() % welkin::vertical_scales.size()]);
                break;
            case 22:
                host_.next_mode = static_cast<welkin::UnitMode>(next() % 3);
                form_.open_units();
                break;
            default:
                form_.results_table().next_page();
                form_.results_table().scroll(next() % 100);
                break;
        }
    }

    void check() const {
        if (!welkin::is_panel_order(form_.design().well_count)) {
            fail("well_count is not a panel order");
        }
    }

    void produce_outputs() {
        const welkin::DesignSnapshot& d = form_.snapshot();
        welkin::RecordingCanvas canvas(300, 200);
        welkin::paint_cross_section(d, canvas);
        welkin::paint_phase_wheel(d, canvas);
        welkin::paint_scatter(d, canvas);
        (void)welkin::well_tooltip(d, 2.5);
        (void)welkin::report_1d_text(form_.snapshot());
        (void)welkin::write_project(welkin::project_settings(form_));
    }

    [[noreturn]] static void fail(const char* why) {
        std::fprintf(stderr, "broken: %s\n", why);
        std::abort();
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    ScriptedHost host_;
    welkin::MainForm form_{host_};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 400) return 0;  // long scripts only repeat what short ones do
    Driver(data, size).run();
    return 0;
}
