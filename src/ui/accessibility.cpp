#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <array>
#include <string_view>

#include "render/qt_text.h"

namespace welkin {

namespace {

using C = Control;

// A control a screen reader would otherwise meet without a name, or a
// picture, which also says what it shows. `index` picks one member of a
// control array; -1 names every member.
struct Spoken {
    Control control;
    int index;
    std::string_view name;
    std::string_view description;
    bool picture;
};

constexpr bool picture = true;
constexpr bool control = false;

constexpr auto spoken = std::to_array<Spoken>({
    // the main window
    {C::frequency_lock, -1, "Lock design frequency",
     "The design frequency is typed in; the deepest well follows from it", control},
    {C::depth_lock, -1, "Lock deepest 1D well",
     "The deepest 1D well is typed in; the design frequency follows from it", control},
    {C::build_depth_2d_lock, -1, "Lock 2D build depth",
     "The 2D build depth is typed in; the design frequency follows from it", control},
    {C::reset_wheel_button, -1, "Reset phase wheel", "", control},
    {C::shift_left_button, -1, "Shift panel one well to the left", "", control},
    {C::zero_well_left_button, -1, "Shift next zero-depth well to the left end", "", control},
    {C::rotate_anticlockwise_button, -1, "Rotate phase wheel anti-clockwise", "", control},
    {C::rotate_clockwise_button, -1, "Rotate phase wheel clockwise", "", control},
    {C::reset_side_shift_button, -1, "Reset sideways shift", "", control},
    {C::shift_right_button, -1, "Shift panel one well to the right", "", control},
    {C::score_tile, 0, "Period width score", "A click opens the scorecard", control},
    {C::score_tile, 1, "Viscous losses score", "A click opens the scorecard", control},
    {C::score_tile, 2, "Usable range score", "A click opens the scorecard", control},
    {C::score_tile, 3, "Plate frequency score", "A click opens the scorecard", control},
    {C::explore_label, -1, "Explore usable ranges",
     "Opens the usable ranges explorer; Space or Enter opens it too", control},
    {C::results_toggle, -1, "Toggle results",
     "Shows the next page of the well figures; Space or Enter turns it too", control},
    {C::figures_scroll, -1, "Scroll the well figures", "", control},
    {C::picture_pan_bar, -1, "Pan the panel drawings", "", control},
    {C::cross_section_picture, -1, "Panel cross-section",
     "The wells of the panel in cross-section; double-click copies it", picture},
    {C::phase_wheel_picture, -1, "Phase wheel",
     "The phase shift of each well at the design frequency, as spokes round a circle; "
     "double-click copies it",
     picture},
    {C::scatter_picture, -1, "Scatter sketch",
     "A sketch of the scattering at the design frequency; a click copies it", picture},
    // the scorecard and the visualiser
    {C::period_picture, -1, "Period width",
     "What the period width test is about; a click opens its page of the guide", picture},
    {C::viscous_picture, -1, "Viscous losses",
     "What the viscous losses test is about; a click opens its page of the guide", picture},
    {C::plate_picture, -1, "Plate frequency",
     "What the plate frequency test is about; a click opens its page of the guide", picture},
    {C::range_picture, -1, "Usable range",
     "What the usable range test is about; a click opens its page of the guide", picture},
    // The verdict icons take their names, the verdicts, as the scorecard is refreshed.
    {C::period_icon, -1, "", "The period width test's verdict", picture},
    {C::viscous_icon, -1, "", "The viscous losses test's verdict", picture},
    {C::plate_icon, -1, "", "The plate frequency test's verdict", picture},
    {C::range_icon, -1, "", "The usable range test's verdict", picture},
    {C::visualiser_picture, -1, "Front view",
     "The panels side by side in the chosen arrangement and colours; a click copies it", picture},
    // the 2D window and its full-screen view
    {C::panel_2d_picture, -1, "2D panel",
     "The 2D panel's blocks in perspective, back row first; double-click copies it", picture},
    {C::crossword_picture, -1, "Crossword",
     "The 2D panel's cells as a grid of numbers and colours; double-click copies it", picture},
    {C::full_screen_window, -1, "Full-screen view",
     "The 2D panel or its crossword over the whole screen; any key leaves", control},
    // the lobes, polar response, build and comparison windows
    {C::lobes_picture, -1, "Diffusion lobes",
     "The lobes of several periods side by side, drawn slice by slice across the usable "
     "range",
     picture},
    {C::response_picture, -1, "Polar response",
     "The panel's response, far field or boundary elements, beside the flat panel's, and the "
     "diffusion coefficient by third-octave band; double-click copies it",
     picture},
    {C::build_board, 0, "Board length (mm)", "", control},
    {C::build_board, 1, "Board width (mm)", "", control},
    {C::build_board, 2, "Board thickness (mm)", "", control},
    {C::build_stick, 0, "Stick length (mm)", "", control},
    {C::build_stick, 1, "Stick width (mm)", "", control},
    {C::build_stick, 2, "Stick thickness (mm)", "", control},
    {C::build_preview, -1, "Cutting plan",
     "The first page of the cutting plan, the boards with their parts laid out", picture},
    {C::compare_source_angle, -1, "Source angle", "", control},
    {C::compare_frequency, -1, "Frequency", "", control},
    {C::compare_table, -1, "Comparison table", "", control},
    {C::compare_picture, -1, "Comparison sheet",
     "The pinned designs' cross-sections, band chart and polar plots", picture},
    // the project dialogs
    {C::project_drive_list, -1, "Drive", "", control},
    {C::project_folder_tree, -1, "Folders", "", control},
    {C::project_file_list, -1, "Project files", "", control},
});

// Access keys: within a window no two alike, nor like its menu bar's.
struct AccessKey {
    Control control;
    char letter;
};

constexpr auto access_keys = std::to_array<AccessKey>({
    // the main window (its menus take F O S M D V E P L 2 U A)
    {C::well_count_label, 'n'},
    {C::design_frequency_label, 'q'},
    {C::deepest_well_label, 't'},
    {C::build_depth_2d_label, 'b'},
    {C::fin_width_label, 'h'},
    {C::well_width_caption, 'w'},
    {C::go_button, 'g'},
    {C::next_prime_button, 'x'},
    {C::previous_prime_button, 'r'},
    {C::inverse_button, 'i'},
    // the 2D window (its menus take M D E P, its OK O)
    {C::numbers_check, 'n'},
    {C::half_size_check, 'h'},
    {C::no_colour_check, 'c'},
    {C::dimensions_check, 'i'},
    {C::well_depths_option, 'w'},
    {C::block_heights_option, 'b'},
    {C::invert_check, 'v'},
    {C::depth_lines_check, 's'},
    {C::push_button, 'u'},
    {C::pull_button, 'l'},
    {C::centre_button, 't'},
    {C::no_shift_button, 'f'},
    // the lobes window
    {C::lobes_angle_caption, 'a'},
    {C::lobes_redo_button, 'r'},
    {C::lobes_abort_button, 'b'},
    {C::lobes_exit_button, 'e'},
    {C::lobes_show_ends, 's'},
    {C::lobes_show_trues, 't'},
    // the project dialogs
    {C::project_file_name_label, 'n'},
    {C::create_folder_button, 'r'},
    {C::new_folder_label, 'n'},
});

const Spoken* spoken_row(Control c, int index) {
    for (const Spoken& row : spoken) {
        if (row.control == c && (row.index < 0 || row.index == index)) return &row;
    }
    return nullptr;
}

// A picture drawn by the program is published as an image, not as an empty
// panel.
constexpr const char* picture_property = "welkin_picture";

QAccessibleInterface* picture_interface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(picture_property).toBool()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

void mark_picture(QWidget& widget) {
    static const bool installed = [] {
        QAccessible::installFactory(picture_interface);
        return true;
    }();
    (void)installed;
    widget.setProperty(picture_property, true);
    // With a screen reader listening, the widget was published as it was
    // made, as a plain panel; the next look at it takes the image's role.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
        made != nullptr && made->role() != QAccessible::Graphic) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void mark_access_key(QObject& object, Control c) {
    if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        button->setText(with_access_key(c, button->text()));
    } else if (auto* label = qobject_cast<QLabel*>(&object)) {
        label->setText(with_access_key(c, label->text()));
    }
}

// Where the letter is marked: at the start of a word where one starts with
// it ("Signal &angle"), else its first place ("Deepes&t 1D well"); -1 when
// the text lacks it.
qsizetype access_key_place(const QString& text, QChar letter) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool word_start = i == 0 || !text[i - 1].isLetterOrNumber();
        if (word_start && text[i].toLower() == letter.toLower()) return i;
    }
    return text.indexOf(letter, 0, Qt::CaseInsensitive);
}

}  // namespace

void describe_control(QObject& object, Control c, int index) {
    auto* widget = qobject_cast<QWidget*>(&object);
    if (widget == nullptr) return;
    mark_access_key(object, c);
    const Spoken* row = spoken_row(c, index);
    if (row == nullptr) return;
    if (!row->name.empty()) widget->setAccessibleName(qs(row->name));
    if (!row->description.empty()) widget->setAccessibleDescription(qs(row->description));
    if (row->picture) mark_picture(*widget);
    // A table's corner button selects every cell.
    if (qobject_cast<QTableView*>(widget) != nullptr) {
        if (auto* corner = widget->findChild<QAbstractButton*>())
            corner->setAccessibleName(QStringLiteral("Select all"));
    }
}

QString with_access_key(Control c, const QString& text) {
    if (text.contains(QLatin1Char('&'))) return text;  // marked already, or a literal "&&"
    for (const AccessKey& key : access_keys) {
        if (key.control != c) continue;
        const qsizetype at = access_key_place(text, QLatin1Char(key.letter));
        return at < 0 ? text : QString(text).insert(at, QLatin1Char('&'));
    }
    return text;
}

void set_tab_order(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QString verdict_name(std::optional<ScoreIcon> icon) {
    if (!icon) return {};
    switch (*icon) {
        case ScoreIcon::good: return QStringLiteral("Passed");
        case ScoreIcon::bad: return QStringLiteral("Failed");
        case ScoreIcon::doubtful: return QStringLiteral("Doubtful");
    }
    return {};
}

}  // namespace welkin
