// The 2D window and its full-screen view, free of any toolkit: the grid's
// offsets, what the pictures show, and the handlers of the window's
// buttons, check boxes, menus and of the full-screen picture.
#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/design_snapshot.h"
#include "forms/host.h"
#include "panel2d/crossword.h"
#include "panel2d/crossword_readout.h"
#include "panel2d/panel2d_picture.h"

namespace welkin {

inline constexpr std::string_view panel_2d_title = "Welkin: 2D QRD diffuser panel    V:";

enum class FullScreen { none, panel, crossword };

// The picture sizes in pixels; the panel picture halves with "Half-size".
struct PictureSize {
    double width = 0;
    double height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The panel picture's size in the window at full size, in pixels.
inline constexpr PictureSize panel_2d_picture_size{450, 480};

struct Panel2dOptions {
    bool numbers = true;
    bool half_size = false;
    bool no_colour = false;
    bool dimensions = false;
    CrosswordQuantity quantity = CrosswordQuantity::block_heights;
    bool invert = false;
    bool depth_lines = true;
};

class Panel2dForm {
public:
    // The window draws the design the main window shows, and nothing while
    // the main window is busy: its design may be half written.
    Panel2dForm(Host& host, const DesignSnapshot& design, std::function<bool()> main_busy,
                PictureSize panel_picture);

    // Each opening from the main window: offsets reset, then centred.
    void initial_draw();
    void move(OffsetMove m);
    const Offsets2d& offsets() const { return offsets_; }

    const Panel2dOptions& options() const { return options_; }
    void set_numbers(bool on);
    void set_half_size(bool on);
    void set_no_colour(bool on);
    void set_dimensions(bool on);
    void set_quantity(CrosswordQuantity q);
    void set_invert(bool on);
    void set_depth_lines(bool on);
    // Every option back to how the program first opens the window; reset
    // and every Open do this.
    void reset_options();
    // "Dimensions" writes the lengths itself; "No color" leaves nothing to invert.
    bool numbers_enabled() const { return !options_.dimensions; }
    bool invert_enabled() const { return !options_.no_colour; }
    PictureSize panel_picture() const { return panel_picture_; }

    std::string window_title() const;
    const std::string& caption() const { return caption_; }
    // How many redraws ran; the window repaints when this moves on.
    long redraws() const { return redraws_; }
    Grid2d grid() const;
    PanelPictureOptions panel_options() const;
    CrosswordOptions crossword_options(bool full_screen) const;

    // "&OK", the copies (also double-clicks), "&Print" and the report.
    void ok();
    void copy_picture(Picture2d which);
    void print();
    bool generate_report(const std::filesystem::path& folder);

    // The full-screen view: "&Maxpic" and "Max&data", and what happens on it.
    void open_full_panel();
    void open_full_crossword();
    FullScreen full_screen() const { return full_screen_; }
    const Highlight& highlight() const { return highlight_; }
    // The legend over the view: how to leave it, and over the crossword what
    // the double-clicks do (over the panel they do nothing).
    std::span<const std::string_view> full_screen_legend_lines() const;
    void full_screen_key();
    enum class Mouse { left, right, middle };
    void full_screen_press(Mouse button);
    void full_screen_double_click();
    const Readout& pointer_moved(double x, double y);
    const Readout& readout() const { return readout_; }

private:
    void redraw();
    void leave_full_screen();

    Host& host_;
    const DesignSnapshot& design_;
    std::function<bool()> main_busy_;
    Offsets2d offsets_;
    Panel2dOptions options_;
    PictureSize panel_picture_;
    std::string caption_;
    long redraws_ = 0;
    double depth_unit_mm_ = 0;

    FullScreen full_screen_ = FullScreen::none;
    bool full_screen_shown_ = false;
    Highlight highlight_;
    Mouse pressed_ = Mouse::left;
    Readout readout_;
};

}  // namespace welkin
