// The lobes window and the usable ranges explorer, free of any toolkit: how
// it is opened, its angle field, slice options and result labels, which
// controls a run disables, and the run itself, which the window advances
// from its event loop.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "core/design_snapshot.h"
#include "forms/host.h"
#include "lobes/lobe_analysis.h"
#include "lobes/lobes_run.h"

namespace welkin {

inline constexpr std::string_view explorer_caption =
    "Welkin: Usable ranges explorer for Single Panels";

// The Lobes menu's three items and the main window's "< explore" label.
enum class LobesOpening { lobes, lobes_full_size, lobes_three_quarter, explorer };

enum class LobesSize { full, three_quarter };

// What the analysis reads of a design and its recompute.
LobeInputs lobe_inputs(const DesignSnapshot& design);

class LobesForm {
public:
    // A run reads the design the main window shows, and hands the lowest
    // diffusion frequency it finds back to the results.
    LobesForm(Host& host, const DesignSnapshot& design,
              std::function<void(double hz)> found_lowest_diffusion)
        : host_(host), design_(design), found_lowest_diffusion_(std::move(found_lowest_diffusion)) {}

    // Sets the mode, size and caption for an opening; the main form shows the window.
    void open(LobesOpening how);
    bool lobes_mode() const { return lobes_mode_; }
    LobesSize size() const { return size_; }
    double point_size() const { return size_ == LobesSize::full ? 10 : 8; }
    const std::string& caption() const { return caption_; }

    // ---- controls ----
    const std::string& angle_text() const { return angle_text_; }
    void set_angle_text(std::string text) { angle_text_ = std::move(text); }
    SliceChoice slices() const { return slices_; }
    // A click on either option selects it and starts a run.
    void select_slices(SliceChoice choice);
    // Redo, Enter in the angle field, the window's showing. The desktop
    // giving the focus back to the window starts none: that would clear a
    // drawing the user aborted on purpose.
    void start_run();
    // The picture changed size: it is drawn again, and an angle that was
    // refused is not announced a second time.
    void redraw();
    void abort();

    bool running() const { return running_; }
    // Redo, Exit, the angle field and both options.
    bool controls_enabled() const { return !running_; }
    bool abort_enabled() const { return running_; }
    // The slice options, first-lobes and seating labels and Abort.
    bool lobes_controls_visible() const { return lobes_mode_; }
    Rgb frame_colour() const;
    const LobeTexts& texts() const { return texts_; }
    // How many runs have ended, for the window to take the focus and image.
    long finished_runs() const { return finished_runs_; }

    // Draws the current run up to its next pause (see LobesRun::advance).
    RunPause advance(Canvas& canvas, std::int64_t max_hertz = INT64_MAX);

private:
    void end_run();
    std::string lobes_caption() const;

    Host& host_;
    const DesignSnapshot& design_;
    std::function<void(double hz)> found_lowest_diffusion_;
    bool lobes_mode_ = true;
    LobesSize size_ = LobesSize::full;
    std::string caption_;
    std::string angle_text_ = "0";
    SliceChoice slices_ = SliceChoice::working_range_ends;
    LobeTexts texts_;
    SteepAngleMemory steep_memory_{};  // kept for the program's life
    std::optional<LobesRun> run_;
    bool running_ = false;
    // A refused angle is announced once the cleared picture is on screen,
    // at the run's next step; a redraw keeps quiet about it.
    std::optional<std::string> refusal_;
    bool announce_refusal_ = true;
    bool last_run_refused_ = false;
    long finished_runs_ = 0;
};

}  // namespace welkin
