// The main window's logical state and its handlers, free of any toolkit.
//
// A window binds to this model: widget events call the handlers, and the
// window then re-reads the texts, colours and flags. Writing a field from
// inside a handler goes through set_field_text, which runs the field's
// change handling exactly as typing does (unless the text is unchanged or
// `busy` is set), so re-entrancy behaves here as it does on screen.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_snapshot.h"
#include "forms/design_controls.h"
#include "forms/design_editor.h"
#include "forms/host.h"
#include "forms/lobes_form.h"
#include "forms/panel2d_form.h"
#include "forms/project_dialogs.h"
#include "forms/results_table_form.h"
#include "forms/shown_companions.h"
#include "forms/shown_design.h"
#include "forms/units_form.h"
#include "version.h"

namespace welkin {

class MainForm final : public DesignEditor {
public:
    explicit MainForm(Host& host);

    Host& host() override { return host_; }
    const Design& design() const override { return shown_.design; }
    // The design's choices as a file or the factory gives them, for the
    // loading and reset code, which holds `busy` while it writes.
    void restore_choices(const Design& choices) override { shown_.design = choices; }

    // ---- recompute cycle ----
    void recompute() override;

    // ---- fields ----
    const std::string& field_text(Field f) const override { return fields_[index(f)].text; }
    // The six texts, in the order of Field: a recompute's inputs.
    FieldTexts field_texts() const;
    // The one way to change a field's text, for the user and the program alike.
    void set_field_text(Field f, std::string text) override;
    Rgb field_background(Field f) const { return fields_[index(f)].background; }

    // The four length fields take typed millimetres at once; an imperial
    // entry waits for Enter or for the focus to move to another control.
    bool field_dirty(Field f) const { return fields_[index(f)].dirty; }
    void field_enter(Field f);
    void field_lost_focus(Field f);
    // ---- units ----
    void open_units();
    UnitsForm& units_form() { return units_; }

    // ---- the 2D and lobes windows ----
    // "&2D": the note shows while the 2D window is open.
    void open_panel_2d();
    Panel2dForm& panel_2d_form() override { return panel_2d_; }
    // The Lobes menu's items and "< explore": nothing while busy; the menu
    // and the label are disabled while the window is open.
    void open_lobes(LobesOpening how);
    LobesForm& lobes_form() { return lobes_; }
    // Whether the 2D or the lobes window is open, each over the main one.
    bool window_open(Window w) const;

    // ---- buttons, lock options and menus ----
    // A button, lock option or check-mark item; each recomputes or redraws
    // as it needs, unless busy.
    void run(DesignCommand command) override;
    // The five drawing-scale items; the chosen one is checked, the rest cleared.
    void select_vertical_scale(int vertical_scale_mm) override;
    bool menu_enabled(Menu m) const;
    // The visualiser's menu items: each sets its check marks and, while the
    // visualiser is shown, recomputes so that it is redrawn.
    void select_arrangement(Arrangement a) override;
    void select_colour_scheme(ColourScheme c) override;

    // The scorecard and response windows; minimising the main window hides
    // them and the visualiser, restoring shows those that were open.
    ShownCompanions& companions() override { return companions_; }
    const ShownCompanions& companions() const { return companions_; }
    void minimised_changed(bool minimised);

    // ---- figures table ----
    ResultsTableForm& results_table() override { return results_; }
    const ResultsTableForm& results_table() const override { return results_; }

    // ---- analysis results ----
    // What the last complete recompute found, and how the window shows it.
    const DesignSnapshot& snapshot() const { return shown_.snapshot; }
    // The design, the snapshot and the status line together, for the
    // windows that follow the main one.
    const ShownDesign& shown() const override { return shown_; }

    // ---- status line and captions ----
    const std::string& title() const { return title_; }

    ProjectFiles& files() override { return files_; }
    const ProjectFiles& files() const override { return files_; }
    ProjectDialogs& project_dialogs() override { return project_dialogs_; }

    // While busy, a field's change starts no recompute: a recompute or a
    // load is running, or a recompute stopped at a badly formed length and
    // waits for that field to be corrected.
    bool busy() const { return busy_ || awaiting_correction_.has_value(); }
    // The length field whose bad entry stopped the last recompute, if any.
    std::optional<Field> awaiting_correction() const { return awaiting_correction_; }

private:
    struct FieldState {
        std::string text;
        Rgb background = rgb_white;
        bool dirty = false;  // edited in an imperial mode and not yet committed
    };
    static std::size_t index(Field f) { return static_cast<std::size_t>(f); }

    // What only the files and start-up ask of the form, through DesignEditor.
    std::string committed_length_text(Field f) const override;
    void set_length(Field f, double mm) override;
    void set_title_suffix(std::string_view suffix) override;
    bool set_busy(bool busy) override { return std::exchange(busy_, busy); }

    // The whole recompute from the inputs as they stand, then shown.
    void recompute_results();

    void on_field_change(Field f);
    void well_count_changed();
    void length_field_change(Field f);
    void commit_length_field(Field f);
    bool validate_length(Field f);
    void populate_length(Field f);

    // recompute_results: what it found shown.
    void show_fields(const DesignOutcome& outcome);
    void show_badly_formed(Field f, const std::string& why);
    void show_out_of_range(Field f, const std::string& message);
    void show_snapshot(DesignSnapshot snapshot);

    // The commands MainForm::run gives.
    void select_lock(LockMode lock);
    void reset_wheel();
    void next_prime_order();
    void previous_prime_order();
    void shift_left();
    void shift_zero_well_left();
    void rotate_wheel_anticlockwise();
    void rotate_wheel_clockwise();
    void reset_side_shift();
    void shift_right();
    void toggle_inverse();
    void toggle_advanced();
    void toggle_auto_optimise();
    void toggle_inverse_pairing();
    void optimise_now();
    void toggle_auto_well_width();
    void toggle_optimise_2d();
    void toggle_half_width();
    void toggle_highlight_inverse();
    void toggle_show_visualiser();

    void recompute_if_idle();  // recompute unless busy
    void redraw_if_idle();     // recompute_results unless busy

    Host& host_;
    ShownDesign shown_;
    std::array<FieldState, field_count> fields_{};
    bool reporting_format_error_ = false;  // a field's message box is up
    UnitsForm units_{shown_.design.unit_mode};
    LobesForm lobes_{host_, shown_.snapshot,
                     [this](double hz) { shown_.snapshot.results.lowest_diffusion_hz = hz; }};
    bool lobes_open_ = false;
    Panel2dForm panel_2d_{host_, shown_.snapshot, [this] { return busy(); }, panel_2d_picture_size};
    bool note_2d_shown_ = false;
    Design last_good_;  // the design as the last complete recompute left it

    std::string title_;

    bool panel_2d_enabled_ = true;

    ResultsTableForm results_{shown_.snapshot, [this] { return busy(); }};

    ProjectFiles files_;
    ProjectDialogs project_dialogs_{files_, host_};
    bool busy_ = false;
    std::optional<Field> awaiting_correction_;
    Field refused_field_ = Field::fin_width;  // the last length field refused
    ShownCompanions companions_{host_};
};

}  // namespace welkin
