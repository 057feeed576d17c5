#include "ui/main_menu.h"

#include <array>
#include <cstddef>

#include "forms/project_commands.h"
#include "forms/report_files.h"
#include "forms/response_form.h"
#include "forms/scorecard_form.h"
#include "forms/startup.h"
#include "forms/visualiser_form.h"
#include "panel1d/visualiser.h"
#include "persist/app_folder.h"

namespace welkin {

namespace {

using Kind = MenuEntry::Kind;
using C = Control;

enum Group { no_group, scale_group, arrangement_group, colour_group, lobes_size_group };

constexpr MenuEntry menu(std::string_view caption) {
    MenuEntry e;
    e.kind = Kind::menu;
    e.caption = caption;
    return e;
}
constexpr MenuEntry separator() {
    MenuEntry e;
    e.kind = Kind::separator;
    return e;
}
constexpr MenuEntry item(std::string_view caption, C name, MenuEntry::Handler handler = nullptr) {
    MenuEntry e;
    e.caption = caption;
    e.name = name;
    e.handler = handler;
    return e;
}
constexpr MenuEntry bar(std::string_view caption, C name, MenuEntry::Handler handler = nullptr,
                        MenuEntry::EnableRule enabled = nullptr) {
    MenuEntry e = item(caption, name, handler);
    e.kind = Kind::bar_command;
    e.enabled = enabled;
    return e;
}
constexpr MenuEntry shortcut(MenuEntry e, std::string_view keys) {
    e.shortcut = keys;
    return e;
}
// A check mark that shows a choice of the design.
constexpr MenuEntry check(std::string_view caption, C name, MenuEntry::Handler handler,
                          MenuEntry::CheckRule checked, MenuEntry::EnableRule enabled = nullptr) {
    MenuEntry e = item(caption, name, handler);
    e.checkable = true;
    e.checked = checked;
    e.enabled = enabled;
    return e;
}
// A greyed check mark, one of a radio group when `group` is set.
constexpr MenuEntry greyed_check(std::string_view caption, C name, int group, bool checked) {
    MenuEntry e = item(caption, name);
    e.checkable = true;
    e.group = group;
    e.checked_at_start = checked;
    return e;
}

template <std::size_t I>
void select_scale(MainForm& f) {
    f.select_vertical_scale(vertical_scales[I]);
}
template <std::size_t I>
bool scale_chosen(const Design& d) {
    return d.vertical_scale_mm == vertical_scales[I];
}
// One of the five drawing scales, in the order of vertical_scales.
template <std::size_t I>
constexpr MenuEntry scale(std::string_view caption, C name) {
    MenuEntry e = check(caption, name, select_scale<I>, scale_chosen<I>);
    e.group = scale_group;
    return e;
}

// The visualiser's arrangements and colour schemes, captioned as the
// window's caption names them.
template <Arrangement A>
MenuEntry arrangement(C name) {
    MenuEntry e = check(
        arrangement_info(A).caption, name, [](MainForm& f) { f.select_arrangement(A); },
        [](const Design& d) { return d.visualiser.arrangement == A; });
    e.group = arrangement_group;
    return e;
}
template <ColourScheme S>
MenuEntry colour_scheme(C name) {
    MenuEntry e = check(
        scheme_colours(S).caption, name, [](MainForm& f) { f.select_colour_scheme(S); },
        [](const Design& d) { return d.visualiser.colours == S; });
    e.group = colour_group;
    return e;
}

// "&Print": the main window on the printer, after asking.
constexpr std::string_view print_question = "Print this form using current printer settings?";
constexpr std::string_view print_question_title = "Would you like me to ...";
void print_main_window(MainForm& f) {
    if (f.host().ask_yes_no(print_question, print_question_title))
        f.host().print_window(Window::main);
}

// "&Lobes" is disabled while the lobes window is open.
constexpr MenuEntry lobes_menu() {
    MenuEntry e = menu("&Lobes");
    e.name = C::lobes_menu;
    e.enabled = [](const MainForm& f) { return !f.window_open(Window::lobes); };
    return e;
}
// "Maximum size" and "75%": a radio pair, each opening the lobes window at its size.
template <LobesOpening How>
void open_lobes_at(MainForm& f) {
    f.open_lobes(How);
}
template <LobesOpening How>
constexpr MenuEntry lobes_size(std::string_view caption, C name, bool checked) {
    MenuEntry e = greyed_check(caption, name, lobes_size_group, checked);
    e.handler = open_lobes_at<How>;
    return e;
}

template <Menu M>
bool menu_enabled(const MainForm& f) {
    return f.menu_enabled(M);
}

const auto entries = std::to_array<MenuEntry>({
    menu("&File"),
    shortcut(item("Open", C::open_item, [](MainForm& f) { open_project_from_dialog(f); }),
             "Ctrl+O"),
    shortcut(item("Save As", C::save_as_item, [](MainForm& f) { save_project_from_dialog(f); }),
             "Ctrl+Shift+S"),
    shortcut(item("Compare designs", C::compare_item,
                  [](MainForm& f) { f.host().show_window(Window::compare, true); }),
             "Ctrl+Shift+C"),
    separator(),
    item("Reset to default values and settings", C::reset_item,
         [](MainForm& f) { reset_to_defaults(f); }),

    menu("&Options"),
    check(
        "Auto-minimise well width", C::auto_well_width_item,
        [](MainForm& f) { f.run(DesignCommand::toggle_auto_well_width); },
        [](const Design& d) { return d.auto_well_width; }),
    separator(),
    check(
        "Advanced mode - allow rotation of phase wheel and side-shifting of panel",
        C::advanced_item, [](MainForm& f) { f.run(DesignCommand::toggle_advanced); },
        [](const Design& d) { return d.advanced; }),
    check(
        "   Auto-optimise phase wheel rotation for shallowest 1D panel in advanced mode",
        C::auto_optimise_item, [](MainForm& f) { f.run(DesignCommand::toggle_auto_optimise); },
        [](const Design& d) { return d.auto_optimise; }, menu_enabled<Menu::auto_optimise>),
    check(
        "   1D panel will be used in a sequence that includes its inverse", C::inverse_pairing_item,
        [](MainForm& f) { f.run(DesignCommand::toggle_inverse_pairing); },
        [](const Design& d) { return d.inverse_pairing; }, menu_enabled<Menu::inverse_pairing>),
    check(
        "   For 2D inverse panels, convert N-depth well to zero-depth for shallower build",
        C::optimise_2d_item, [](MainForm& f) { f.run(DesignCommand::toggle_optimise_2d); },
        [](const Design& d) { return d.optimise_2d; }, menu_enabled<Menu::optimise_2d>),

    bar("&Scorecard", C::scorecard_item,
        [](MainForm& f) { f.companions().open(Window::scorecard); }),
    bar(
        "Opti&mise", C::optimise_item, [](MainForm& f) { f.run(DesignCommand::optimise_now); },
        menu_enabled<Menu::optimise>),

    menu("&Display"),
    check(
        "When 1st well is zero-depth, show panel moved left half a well for symmetrical build",
        C::half_width_item, [](MainForm& f) { f.run(DesignCommand::toggle_half_width); },
        [](const Design& d) { return d.half_width; }),
    separator(),
    item("These options are handy when pasting pictures of different panels into a paint program",
         C::describe_paste_item),
    item("Also good to see panel size changes in advanced mode with auto-wells turned on",
         C::describe_size_item),
    scale<0>("Stretch the panel to use the full size of the drawing area", C::stretch_scale_item),
    scale<1>("Draw the panel to scale as a Large picture", C::large_scale_item),
    scale<2>("Draw the panel to scale as a Medium picture", C::medium_scale_item),
    scale<3>("Draw the panel to scale as a Small picture", C::small_scale_item),
    scale<4>("Draw the panel to scale as a Very small picture", C::very_small_scale_item),

    menu("&Visualizer"),
    check(
        "Show Visualizer", C::show_visualiser_item,
        [](MainForm& f) { f.run(DesignCommand::toggle_show_visualiser); },
        [](const Design& d) { return d.visualiser.shown; }),
    separator(),
    arrangement<Arrangement::current_panel>(C::one_panel_item),
    arrangement<Arrangement::two_panels>(C::two_panels_item),
    arrangement<Arrangement::two_panels_barker>(C::panel_and_inverse_item),
    arrangement<Arrangement::three_panels>(C::three_panels_item),
    arrangement<Arrangement::three_panels_oneinverse>(C::inverse_in_middle_item),
    arrangement<Arrangement::three_panels_barker>(C::barker_order_item),
    separator(),
    colour_scheme<ColourScheme::welkin_green>(C::welkin_green_item),
    colour_scheme<ColourScheme::kit_kat>(C::kit_kat_item),
    colour_scheme<ColourScheme::the_blues>(C::the_blues_item),
    colour_scheme<ColourScheme::arizona_sunset>(C::arizona_sunset_item),
    separator(),
    check(
        "Highlight true Inverse panels  in light brown", C::highlight_inverse_item,
        [](MainForm& f) { f.run(DesignCommand::toggle_highlight_inverse); },
        [](const Design& d) { return d.visualiser.highlight_inverse; }),

    menu("&Export"),
    item("Generate 1D report", C::report_1d_item,
         [](MainForm& f) { generate_1d_report(f.host(), f.snapshot(), app_folder()); }),
    item("Build: parts, cutting plan and workshop files...", C::build_item,
         [](MainForm& f) { f.host().show_modal(Window::build); }),
    separator(),
    item("Copy panel picture to clipboard. (Shortcut: Double-click picture)", C::copy_panel_item,
         [](MainForm& f) { f.host().copy_picture(Picture::cross_section); }),
    item("Copy phase wheel picture to clipboard.  (Shortcut: Double-click phase wheel)",
         C::copy_wheel_item, [](MainForm& f) { f.host().copy_picture(Picture::phase_wheel); }),
    item("Copy scatter drawing to clipboard. (Shortcut: Double-click drawing)",
         C::copy_scatter_item, [](MainForm& f) { f.host().copy_picture(Picture::scatter); }),

    bar("&Print", C::print_item, print_main_window),

    lobes_menu(),
    item("Show Lobes generated when several periods of this panel are used side-by-side",
         C::show_lobes_item, [](MainForm& f) { f.open_lobes(LobesOpening::lobes); }),
    separator(),
    lobes_size<LobesOpening::lobes_full_size>("Maximum size", C::lobes_full_size_item, true),
    lobes_size<LobesOpening::lobes_three_quarter>("75%", C::lobes_three_quarter_item, false),
    separator(),
    item("Polar response and diffusion coefficient", C::response_item,
         [](MainForm& f) { f.companions().open(Window::response); }),

    bar(
        "&2D", C::panel_2d_item, [](MainForm& f) { f.open_panel_2d(); },
        menu_enabled<Menu::panel_2d>),
    bar("&Units", C::units_item, [](MainForm& f) { f.open_units(); }),
    bar("&About", C::about_item, [](MainForm& f) { f.host().show_modal(Window::about); }),
});

}  // namespace

std::span<const MenuEntry> main_menu() {
    return entries;
}

}  // namespace welkin
