#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <cstddef>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
#include "render/picture_render.h"
#include "render/qt_text.h"
#include "ui/main_menu.h"
#include "ui/main_window_layout.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"

namespace welkin {

namespace {

constexpr std::string_view note_2d =
    "Note: Depth opimisation via phase wheel rotation is not active for 2D panels";

// The captions the window shows until the first recompute completes.
constexpr std::string_view cutoffs_caption = "Cutoff freqs";
constexpr std::string_view period_width_caption = "Panel width";
constexpr std::string_view seating_distance_caption = "Seating distance";

struct AdvancedButton {
    Button which;
    Control name;
    std::string_view caption;
    std::string_view tip;
    void (*handler)(MainForm&);
};

// The captions of the shift buttons follow the form; the wheel's two
// rotation buttons carry rotation symbols.
constexpr std::array<AdvancedButton, 7> advanced_button_rows = {{
    {Button::reset_wheel, Control::reset_wheel_button, "", "Reset phase wheel",
     [](MainForm& f) { f.run(DesignCommand::reset_wheel); }},
    {Button::shift_left, Control::shift_left_button, "", "Shift panel one well to the left",
     [](MainForm& f) { f.run(DesignCommand::shift_left); }},
    {Button::zero_well_left, Control::zero_well_left_button, "",
     "Left-shift panel so next zero-depth well sits at left end",
     [](MainForm& f) { f.run(DesignCommand::shift_zero_well_left); }},
    {Button::rotate_wheel_anticlockwise, Control::rotate_anticlockwise_button, "\u21BA",
     "Rotate phase wheel anti-clockwise one step. Acts in opposite direction for inverse panel",
     [](MainForm& f) { f.run(DesignCommand::rotate_wheel_anticlockwise); }},
    {Button::rotate_wheel_clockwise, Control::rotate_clockwise_button, "\u21BB",
     "Rotate phase wheel clockwise one step. Acts in opposite direction for inverse panel",
     [](MainForm& f) { f.run(DesignCommand::rotate_wheel_clockwise); }},
    {Button::reset_side_shift, Control::reset_side_shift_button, "", "Reset sideways shift",
     [](MainForm& f) { f.run(DesignCommand::reset_side_shift); }},
    {Button::shift_right, Control::shift_right_button, "", "Shift panel  one well to the right",
     [](MainForm& f) { f.run(DesignCommand::shift_right); }},
}};

QLabel* label(QWidget* parent, std::string_view text) {
    auto* l = new QLabel(qs(text), parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A label that acts when clicked is reached by Tab too, shows a dotted frame
// while it has the focus, and acts on Space or Enter (MainWindow::eventFilter).
void take_keyboard_like_a_link(QLabel& label, const QString& style) {
    label.setFocusPolicy(Qt::TabFocus);
    label.setStyleSheet(
        QStringLiteral("QLabel { %1 } QLabel:focus { border: 1px dotted; }").arg(style));
}

template <typename W>
W* named(W* widget, Control name, int index = -1) {
    name_control(*widget, name, index);
    return widget;
}

}  // namespace

MainWindow::MainWindow(MainForm& form) : form_(form) {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    build_fields();
    build_buttons();
    build_results();
    build_figures_table();
    build_pictures();
    build_menus();
    lay_out_controls();
    lay_out_pictures();
    lay_out_figures_table();
    size_window();
    order_tabs();
}

void MainWindow::build_fields() {
    static constexpr std::array<std::string_view, field_count> fixed_labels = {
        "Number of wells", "Design frequency in Hz", "Recommended width XXmm", "", "", ""};
    static constexpr std::array<Control, field_count> field_names = {
        Control::well_count_field, Control::design_frequency_field, Control::well_width_field,
        Control::fin_width_field,  Control::deepest_well_field,     Control::build_depth_2d_field};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto f = static_cast<Field>(i);
        fields_[i] = named(new QLineEdit(central_), field_names[i]);
        // The label names the field for a screen reader, and its access key reaches it.
        field_labels_[i] = named(label(central_, fixed_labels[i]), field_label_names[i]);
        field_labels_[i]->setBuddy(fields_[i]);
        fields_[i]->installEventFilter(this);
        connect(fields_[i], &QLineEdit::textEdited, this, [this, f](const QString& text) {
            act([&] { form_.set_field_text(f, text.toStdString()); });
        });
    }

    frequency_lock_ = named(new QRadioButton(central_), Control::frequency_lock);
    depth_lock_ = named(new QRadioButton(central_), Control::depth_lock);
    build_depth_2d_lock_ = named(new QRadioButton(central_), Control::build_depth_2d_lock);
    connect(frequency_lock_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.run(DesignCommand::lock_design_frequency); }); });
    connect(depth_lock_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.run(DesignCommand::lock_deepest_well); }); });
    connect(build_depth_2d_lock_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.run(DesignCommand::lock_build_depth_2d); }); });
}

void MainWindow::build_buttons() {
    const auto button = [this](Control name, std::string_view caption, void (*handler)(MainForm&)) {
        auto* b = named(new QPushButton(qs(caption), central_), name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this,
                [this, handler] { act([this, handler] { handler(form_); }); });
        return b;
    };
    go_button_ = button(Control::go_button, "Go", [](MainForm& f) { f.recompute(); });
    next_prime_button_ = button(Control::next_prime_button, "Next prime number",
                                [](MainForm& f) { f.run(DesignCommand::next_prime_order); });
    previous_prime_button_ =
        button(Control::previous_prime_button, "Previous prime number",
               [](MainForm& f) { f.run(DesignCommand::previous_prime_order); });
    inverse_button_ = button(Control::inverse_button, "Normal / Inverse Panel",
                             [](MainForm& f) { f.run(DesignCommand::toggle_inverse); });
    for (const AdvancedButton& row : advanced_button_rows) {
        QPushButton* b = button(row.name, row.caption, row.handler);
        b->setToolTip(qs(row.tip));
        advanced_buttons_[static_cast<std::size_t>(row.which)] = b;
    }
}

void MainWindow::build_results() {
    cutoffs_label_ = named(label(central_, cutoffs_caption), Control::cutoffs_label);
    period_width_label_ = named(label(central_, period_width_caption), Control::period_width_label);
    seating_distance_label_ =
        named(label(central_, seating_distance_caption), Control::seating_distance_label);
    explore_label_ = named(label(central_, "< explore"), Control::explore_label);
    explore_label_->installEventFilter(this);  // a click opens the usable ranges explorer
    take_keyboard_like_a_link(*explore_label_, QString());
    status_line_ = named(label(central_, ""), Control::status_line);
    for (std::size_t i = 0; i < score_tiles_.size(); ++i) {
        score_tiles_[i] = named(label(central_, ""), Control::score_tile, static_cast<int>(i));
        score_tiles_[i]->setAutoFillBackground(true);
        score_tiles_[i]->setCursor(Qt::PointingHandCursor);
        score_tiles_[i]->installEventFilter(this);
    }
    note_2d_frame_ = named(new QFrame(central_), Control::note_2d_frame);
    note_2d_frame_->setFrameShape(QFrame::Box);
    note_2d_frame_->setAutoFillBackground(true);  // never lets a control show through
    QLabel* note = named(label(note_2d_frame_, note_2d), Control::note_2d_label);
    note->setWordWrap(true);
    note->setGeometry(layout::note_2d_text);
    note_2d_frame_->hide();  // shown only while the 2D window is open
}

void MainWindow::build_figures_table() {
    figures_table_ = named(new QFrame(central_), Control::figures_table);
    figures_table_->setFrameShape(QFrame::StyledPanel);
    QFont small = figures_table_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);  // eleven columns of depths side by side
    figures_table_->setFont(small);
    results_toggle_ = named(label(figures_table_, "Toggle results"), Control::results_toggle);
    results_toggle_->setCursor(Qt::PointingHandCursor);
    results_toggle_->installEventFilter(this);
    take_keyboard_like_a_link(*results_toggle_,
                              QStringLiteral("color: #3050c0; text-decoration: underline;"));
    well_number_heading_ =
        named(label(figures_table_, "Well number"), Control::well_number_heading);
    ratio_heading_ = named(label(figures_table_, "Ratio"), Control::ratio_heading);
    for (std::size_t j = 0; j < well_number_cells_.size(); ++j) {
        const int column = static_cast<int>(j);
        well_number_cells_[j] = named(label(figures_table_, ""), Control::well_number_cell, column);
        ratio_cells_[j] = named(label(figures_table_, ""), Control::ratio_cell, column);
        ratio_cells_[j]->setWordWrap(true);
        ratio_cells_[j]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    figures_scroll_ =
        named(new QScrollBar(Qt::Horizontal, figures_table_), Control::figures_scroll);
    connect(figures_scroll_, &QScrollBar::valueChanged, this,
            [this](int value) { act([&] { form_.results_table().scroll(value); }); });
}

void MainWindow::build_pictures() {
    cross_section_view_ = named(new PictureView(central_), Control::cross_section_picture);
    phase_wheel_view_ = named(new PictureView(central_), Control::phase_wheel_picture);
    scatter_view_ = named(new PictureView(central_), Control::scatter_picture);
    cross_section_view_->setToolTip(qs(cross_section_tip));
    phase_wheel_view_->setToolTip(qs(phase_wheel_tip));
    scatter_view_->setToolTip(qs(scatter_tip));
    cross_section_view_->on_double_click = [this] {
        act([&] { form_.host().copy_picture(Picture::cross_section); });
    };
    phase_wheel_view_->on_double_click = [this] {
        act([&] { form_.host().copy_picture(Picture::phase_wheel); });
    };
    scatter_view_->on_click = [this] { act([&] { form_.host().copy_picture(Picture::scatter); }); };
    cross_section_view_->on_pointer_move = [this](int x) { show_pointer_tip(x); };
    picture_pan_bar_ = named(new QScrollBar(Qt::Horizontal, central_), Control::picture_pan_bar);
    picture_pan_bar_->hide();  // until a drawing is wider than its place
    connect(picture_pan_bar_, &QScrollBar::valueChanged, this, [this](int x) { pan_pictures(x); });
}

void MainWindow::build_menus() {
    QMenu* menu = nullptr;
    QActionGroup* group = nullptr;
    int group_number = 0;
    for (const MenuEntry& entry : main_menu()) {
        if (entry.group != group_number) group = nullptr;  // a new radio group starts
        group_number = entry.group;
        switch (entry.kind) {
            case MenuEntry::Kind::menu:
                menu = menuBar()->addMenu(qs(entry.caption));
                if (entry.enabled != nullptr) {  // a whole menu that is sometimes disabled
                    name_control(*menu->menuAction(), entry.name);
                    menu_items_.push_back({&entry, menu->menuAction()});
                }
                break;
            case MenuEntry::Kind::separator: menu->addSeparator(); break;
            case MenuEntry::Kind::item:
                bind_menu_item(entry, menu->addAction(qs(entry.caption)), group);
                break;
            case MenuEntry::Kind::bar_command:
                bind_menu_item(entry, menuBar()->addAction(qs(entry.caption)), group);
                break;
        }
    }
}

void MainWindow::bind_menu_item(const MenuEntry& entry, QAction* action, QActionGroup*& group) {
    name_control(*action, entry.name);
    action->setCheckable(entry.checkable);
    action->setChecked(entry.checked_at_start);
    if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(qs(entry.shortcut)));
    if (entry.group != 0) {
        if (group == nullptr) group = new QActionGroup(this);
        group->addAction(action);
    }
    if (entry.handler != nullptr) {
        connect(action, &QAction::triggered, this,
                [this, handler = entry.handler] { act([this, handler] { handler(form_); }); });
    } else {
        action->setEnabled(false);
    }
    if (entry.checked != nullptr || entry.enabled != nullptr)
        menu_items_.push_back({&entry, action});
}

}  // namespace welkin
