#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
#include "persist/app_folder.h"
#include "forms/startup.h"
#include "forms/report_files.h"
#include "ui/main_window_layout.h"
#include "render/picture_render.h"
#include "ui/picture_view.h"
#include "render/qt_text.h"

namespace welkin {

using namespace layout;

namespace {

constexpr std::string_view tip_Command5 = "Shift panel one well to the left";
constexpr std::string_view tip_Command9 = "Reset sideways shift";
constexpr std::string_view tip_Command10 = "Shift panel  one well to the right";
constexpr std::string_view tip_Command6 =
    "Left-shift panel so next zero-depth well sits at left end";
constexpr std::string_view tip_Command2 = "Reset phase wheel";
constexpr std::string_view tip_Command7 =
    "Rotate phase wheel anti-clockwise one step. Acts in opposite direction for inverse panel";
constexpr std::string_view tip_Command8 =
    "Rotate phase wheel clockwise one step. Acts in opposite direction for inverse panel";
constexpr std::string_view note_2d =
    "Note: Depth opimisation via phase wheel rotation is not active for 2D panels";

QLabel* label(QWidget* parent, std::string_view text) {
    auto* l = new QLabel(qs(text), parent);
    l->setTextFormat(Qt::PlainText);
    return l;
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
    lay_out();
}

void MainWindow::build_fields() {
    static constexpr std::array<std::string_view, field_count> fixed_labels = {
        "Number of wells", "Design frequency in Hz", "", "", "", ""};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto f = static_cast<Field>(i);
        fields_[i] = new QLineEdit(central_);
        fields_[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        field_labels_[i] = label(central_, fixed_labels[i]);
        fields_[i]->installEventFilter(this);
        connect(fields_[i], &QLineEdit::textEdited, this, [this, f](const QString& text) {
            act([&] { form_.set_field_text(f, text.toStdString()); });
        });
    }
    opt_freqlock_ = new QRadioButton(central_);
    opt_depthlock_ = new QRadioButton(central_);
    opt_buildlock_2d_ = new QRadioButton(central_);
    opt_freqlock_->setObjectName(QStringLiteral("opt_freqlock"));
    opt_depthlock_->setObjectName(QStringLiteral("opt_depthlock"));
    opt_buildlock_2d_->setObjectName(QStringLiteral("opt_buildlock_2d"));
    connect(opt_freqlock_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.lock_design_frequency(); }); });
    connect(opt_depthlock_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.lock_deepest_well(); }); });
    connect(opt_buildlock_2d_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.lock_build_depth_2d(); }); });
}

void MainWindow::build_buttons() {
    const auto button = [this](std::string_view name, std::string_view caption,
                               std::function<void()> handler) {
        auto* b = new QPushButton(qs(caption), central_);
        b->setObjectName(qs(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { act(handler); });
        return b;
    };
    Command1_ = button("Command1", "Go", [this] { form_.recompute(); });
    Command3_ = button("Command3", "Next prime number", [this] { form_.next_prime_order(); });
    Command4_ = button("Command4", "Previous prime number", [this] { form_.previous_prime_order(); });
    Command11_ = button("Command11", "Normal / Inverse Panel", [this] { form_.toggle_inverse(); });

    struct Advanced {
        Button which;
        std::string_view name;
        std::string_view tip;
        std::function<void()> handler;
    };
    const std::array<Advanced, 7> advanced = {{
        {Button::reset_wheel, "Command2", tip_Command2, [this] { form_.reset_wheel(); }},
        {Button::shift_left, "Command5", tip_Command5, [this] { form_.shift_left(); }},
        {Button::zero_well_left, "Command6", tip_Command6, [this] { form_.shift_zero_well_left(); }},
        {Button::rotate_wheel_anticlockwise, "Command7", tip_Command7, [this] { form_.rotate_wheel_anticlockwise(); }},
        {Button::rotate_wheel_clockwise, "Command8", tip_Command8, [this] { form_.rotate_wheel_clockwise(); }},
        {Button::reset_side_shift, "Command9", tip_Command9, [this] { form_.reset_side_shift(); }},
        {Button::shift_right, "Command10", tip_Command10, [this] { form_.shift_right(); }},
    }};
    for (const Advanced& a : advanced) {
        QPushButton* b = button(a.name, "", a.handler);
        b->setToolTip(qs(a.tip));
        advanced_buttons_[static_cast<std::size_t>(a.which)] = b;
    }
    // Rotation symbols on the two wheel buttons.
    advanced_buttons_[static_cast<std::size_t>(Button::rotate_wheel_anticlockwise)]->setText(
        QStringLiteral("\u21BA"));
    advanced_buttons_[static_cast<std::size_t>(Button::rotate_wheel_clockwise)]->setText(
        QStringLiteral("\u21BB"));
}

void MainWindow::build_results() {
    Label6_ = label(central_, "Cutoff freqs");
    Label13_ = label(central_, "Panel width");
    Label11_ = label(central_, "Seating distance");
    Label8_ = label(central_, "< explore");
    Label8_->setEnabled(false);  // the usable ranges explorer comes later
    lbl_status_ = label(central_, "");
    for (QLabel*& tile : lbl_score_) {
        tile = label(central_, "");
        tile->setAutoFillBackground(true);
    }
    Frame3_ = new QFrame(central_);
    Frame3_->setFrameShape(QFrame::Box);
    auto* note = label(Frame3_, note_2d);
    note->setWordWrap(true);
    note->setGeometry(6, 4, 300, 40);
    Frame3_->hide();  // shown only while the 2D window is open
}

void MainWindow::build_figures_table() {
    Frame2_ = new QFrame(central_);
    Frame2_->setFrameShape(QFrame::StyledPanel);
    QFont small = Frame2_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);  // eleven columns of depths side by side
    Frame2_->setFont(small);
    Label1_ = label(Frame2_, "Toggle results");
    Label1_->setCursor(Qt::PointingHandCursor);
    Label1_->setStyleSheet(QStringLiteral("color: #3050c0; text-decoration: underline;"));
    Label1_->installEventFilter(this);
    Label5_ = label(Frame2_, "Well number");
    Label21_ = label(Frame2_, "Ratio");
    for (std::size_t j = 0; j < wellnum_.size(); ++j) {
        wellnum_[j] = label(Frame2_, "");
        ratio_[j] = label(Frame2_, "");
        ratio_[j]->setWordWrap(true);
        ratio_[j]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    HScroll1_ = new QScrollBar(Qt::Horizontal, Frame2_);
    connect(HScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { act([&] { form_.scroll_figures(value); }); });
}

void MainWindow::build_pictures() {
    Picture1_ = new PictureView(central_);
    Picture2_ = new PictureView(central_);
    Picture3_ = new PictureView(central_);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture2_->setObjectName(QStringLiteral("Picture2"));
    Picture3_->setObjectName(QStringLiteral("Picture3"));
    Picture1_->setToolTip(qs(cross_section_tip));
    Picture2_->setToolTip(qs(phase_wheel_tip));
    Picture3_->setToolTip(qs(scatter_tip));
    Picture1_->on_double_click = [this] { act([&] { form_.copy_cross_section(); }); };
    Picture2_->on_double_click = [this] { act([&] { form_.copy_phase_wheel(); }); };
    Picture3_->on_click = [this] { act([&] { form_.copy_scatter(); }); };
    Picture1_->on_pointer_move = [this](int x) { show_pointer_tip(x); };
}

void MainWindow::lay_out() {
    // frame_controls: the input fields, their locks and the main buttons.
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        static constexpr std::array<int, field_count> rows = {0, 1, 5, 4, 2, 3};
        const int y = 10 + rows[i] * row_height;
        field_labels_[i]->setGeometry(controls_left, y + 3, label_width, 20);
        fields_[i]->setGeometry(controls_left + label_width, y, field_width, 24);
    }
    const int lock_x = controls_left + label_width + field_width + 8;
    opt_freqlock_->setGeometry(lock_x, 10 + 1 * row_height, 24, 24);
    opt_depthlock_->setGeometry(lock_x, 10 + 2 * row_height, 24, 24);
    opt_buildlock_2d_->setGeometry(lock_x, 10 + 3 * row_height, 24, 24);
    Command1_->setGeometry(buttons_left, 10, button_width, 26);
    Command3_->setGeometry(buttons_left, 10 + row_height, button_width, 26);
    Command4_->setGeometry(buttons_left, 10 + 2 * row_height, button_width, 26);
    Command11_->setGeometry(buttons_left, 10 + 3 * row_height, button_width, 26);
    Label8_->setGeometry(buttons_left, 10 + 5 * row_height + 4, button_width, 20);
    Label6_->setGeometry(results_left, 14, 480, 20);
    Label13_->setGeometry(results_left, 14 + row_height, 480, 20);
    Label11_->setGeometry(results_left, 14 + 2 * row_height, 480, 20);
    Frame3_->setGeometry(px(240), px(1800), 320, 48);

    // The pictures, placed by the layout rules relative to one another.
    const int wheel = wheel_size;
    Picture3_->setGeometry(picture1_left, controls_height, picture_full_width, scatter_height);
    Picture1_->setGeometry(picture1_left, picture1_top, picture_full_width, wheel);
    Picture2_->setGeometry(static_cast<int>(0.3 * (picture1_left - wheel)), picture1_top, wheel,
                           wheel);
    for (PictureView* view : {Picture1_, Picture2_, Picture3_}) {
        view->set_image(blank_picture(view->size()));
    }
    lbl_status_->setGeometry(picture1_left, picture1_top + wheel, picture_full_width,
                             status_height);

    const auto place = [this](Button b, int x, int y, int w, int h) {
        advanced_buttons_[static_cast<std::size_t>(b)]->setGeometry(x, y, w, h);
    };
    const int wheel_centre = Picture2_->x() + wheel / 2;
    const int row_y = picture1_top + wheel + 4;
    place(Button::reset_wheel, wheel_centre - 20, row_y, 40, 28);
    place(Button::rotate_wheel_anticlockwise, wheel_centre - 64, row_y, 40, 28);
    place(Button::rotate_wheel_clockwise, wheel_centre + 24, row_y, 40, 28);
    const int quarter = wheel / 4;
    const int side_x = picture1_left - side_button_width - 2;
    place(Button::shift_left, side_x, picture1_top, side_button_width, quarter);
    place(Button::zero_well_left, side_x, picture1_top + quarter, side_button_width, quarter);
    place(Button::reset_side_shift, side_x, picture1_top + 2 * quarter, side_button_width, quarter);
    place(Button::shift_right, side_x, picture1_top + 3 * quarter, side_button_width, quarter);

    // The figures table sits under the status line, its columns over the picture's width.
    const int table_top = picture1_top + wheel + status_height + 2;
    const int table_width = hscroll_left + hscroll_width + 10;
    Frame2_->setGeometry(frame2_left, table_top, table_width, table_height);
    Label1_->setGeometry(8, 4, 200, 18);
    Label5_->setGeometry(8, 24, hscroll_left - 12, 18);
    Label21_->setGeometry(8, 44, hscroll_left - 12, 18);
    const double column = hscroll_width / static_cast<double>(figures_rows);
    for (std::size_t j = 0; j < wellnum_.size(); ++j) {
        const int x = hscroll_left + static_cast<int>(column * static_cast<double>(j));
        wellnum_[j]->setGeometry(x, 24, static_cast<int>(column), 18);
        ratio_[j]->setGeometry(x, 44, static_cast<int>(column), 32);
    }
    HScroll1_->setGeometry(hscroll_left, table_height - 18, hscroll_width, 16);

    const int width = frame2_left + table_width + px(200);
    const int height = table_top + table_height + 8;
    central_->setFixedSize(width, height);
    const int quarter_height = height / 4;
    for (std::size_t i = 0; i < lbl_score_.size(); ++i) {
        // A small gap keeps four tiles of one colour apart.
        lbl_score_[i]->setGeometry(0, static_cast<int>(i) * quarter_height - px(400), tile_width,
                                   quarter_height - 3);
    }
    for (QLabel* tile : lbl_score_) tile->installEventFilter(this);
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Centred across, its top at 40 % of the free height.
        const QRect free = screen->availableGeometry();
        move(free.x() + (free.width() - width) / 2,
             free.y() + std::max(0, (free.height() - this->height()) * 2 / 5));
    }
}

void MainWindow::build_menus() {
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, std::string_view caption, std::function<void()> handler) {
        QAction* a = menu->addAction(qs(caption));
        if (handler) {
            connect(a, &QAction::triggered, this, [this, handler] { act(handler); });
        } else {
            a->setEnabled(false);  // its window comes with a later version
        }
        return a;
    };
    const auto checkable = [&](QMenu* menu, std::string_view caption, std::function<void()> h) {
        QAction* a = item(menu, caption, std::move(h));
        a->setCheckable(true);
        return a;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    item(file, "Open", nullptr);
    item(file, "Save As", nullptr);
    file->addSeparator();
    item(file, "Reset to default values and settings", [this] { reset_to_defaults(form_); });

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    mnu_autowells_ =
        checkable(options, "Auto-minimise well width", [this] { form_.toggle_auto_well_width(); });
    options->addSeparator();
    mnu_advanced_ = checkable(
        options, "Advanced mode - allow rotation of phase wheel and side-shifting of panel",
        [this] { form_.toggle_advanced(); });
    mnu_auto_optimise_ = checkable(
        options, "   Auto-optimise phase wheel rotation for shallowest 1D panel in advanced mode",
        [this] { form_.toggle_auto_optimise(); });
    mnu_inverse_pairing_ =
        checkable(options, "   1D panel will be used in a sequence that includes its inverse",
                  [this] { form_.toggle_inverse_pairing(); });
    mnu_2d_optimise_ = checkable(
        options, "   For 2D inverse panels, convert N-depth well to zero-depth for shallower build",
        [this] { form_.toggle_optimise_2d(); });

    QAction* scorecard = bar->addAction(QStringLiteral("&Scorecard"));
    scorecard->setEnabled(false);  // its window comes with a later version
    mnu_optimise_ = bar->addAction(QStringLiteral("Opti&mise"));
    connect(mnu_optimise_, &QAction::triggered, this,
            [this] { act([&] { form_.optimise_now(); }); });

    QMenu* display = bar->addMenu(QStringLiteral("&Display"));
    mnu_halfwidth_ = checkable(
        display,
        "When 1st well is zero-depth, show panel moved left half a well for symmetrical build",
        [this] { form_.toggle_half_width(); });
    display->addSeparator();
    item(display,
         "These options are handy when pasting pictures of different panels into a paint program",
         nullptr);
    item(display, "Also good to see panel size changes in advanced mode with auto-wells turned on",
         nullptr);
    // In the order of vertical_scales.
    static constexpr std::array<std::string_view, 5> scale_captions = {
        "Stretch the panel to use the full size of the drawing area",
        "Draw the panel to scale as a Large picture",
        "Draw the panel to scale as a Medium picture",
        "Draw the panel to scale as a Small picture",
        "Draw the panel to scale as a Very small picture",
    };
    auto* scale_group = new QActionGroup(this);
    for (std::size_t i = 0; i < scale_captions.size(); ++i) {
        const int mm = vertical_scales[i];
        scale_items_[i] =
            checkable(display, scale_captions[i], [this, mm] { form_.select_vertical_scale(mm); });
        scale_group->addAction(scale_items_[i]);
    }

    // The visualiser's and the lobes window's settings come with those windows;
    // until then their items show the factory choices, greyed.
    const auto group = [&](QMenu* menu, std::initializer_list<std::string_view> captions,
                           std::size_t checked) {
        std::size_t i = 0;
        for (const std::string_view caption : captions) {
            QAction* a = item(menu, caption, nullptr);
            a->setCheckable(true);
            a->setChecked(i++ == checked);
        }
    };
    QMenu* visualizer = bar->addMenu(QStringLiteral("&Visualizer"));
    item(visualizer, "Show Visualizer", nullptr)->setCheckable(true);
    visualizer->addSeparator();
    group(visualizer,
          {"One Panel: As shown on main form", "Two Panels: Both as shown on main form",
           "Two Panels: One as shown on main form, the other as it's Inverse ",
           "Three Panels: All as shown on main form",
           "Three Panels: 1st and 3rd as shown on main form, middle panel as their inverse",
           "Three Panels: Normal, Normal, Inverse  - as per Barker Code"},
          0);
    visualizer->addSeparator();
    group(visualizer, {"Welkin Green", "Kit Kat", "The Blues", "Arizona Sunset"}, 2);
    visualizer->addSeparator();
    group(visualizer, {"Highlight true Inverse panels  in light brown"}, 0);

    QMenu* export_menu = bar->addMenu(QStringLiteral("&Export"));
    item(export_menu, "Generate 1D report", [this] { generate_1d_report(form_, app_folder()); });
    export_menu->addSeparator();
    item(export_menu, "Copy panel picture to clipboard. (Shortcut: Double-click picture)",
         [this] { form_.copy_cross_section(); });
    item(export_menu,
         "Copy phase wheel picture to clipboard.  (Shortcut: Double-click phase wheel)",
         [this] { form_.copy_phase_wheel(); });
    item(export_menu, "Copy scatter drawing to clipboard. (Shortcut: Double-click drawing)",
         [this] { form_.copy_scatter(); });

    QAction* print = bar->addAction(QStringLiteral("&Print"));
    connect(print, &QAction::triggered, this, [this] { act([&] { form_.print_main_window(); }); });

    QMenu* lobes = bar->addMenu(QStringLiteral("&Lobes"));
    item(lobes, "Show Lobes generated when several periods of this panel are used side-by-side",
         nullptr);
    lobes->addSeparator();
    group(lobes, {"Maximum size", "75%"}, 0);

    bar->addAction(QStringLiteral("&2D"))->setEnabled(false);
    QAction* units = bar->addAction(QStringLiteral("&Units"));
    connect(units, &QAction::triggered, this, [this] { act([&] { form_.open_units(); }); });
    bar->addAction(QStringLiteral("&About"))->setEnabled(false);
}

void MainWindow::act(const std::function<void()>& handler) {
    handler();
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (watched != fields_[i]) continue;
        const auto f = static_cast<Field>(i);
        if (event->type() == QEvent::FocusOut) {
            act([&] { form_.field_lost_focus(f); });
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                act([&] { form_.field_enter(f); });
                return true;
            }
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == Label1_) {
        act([&] { form_.next_results_page(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        act([&] { form_.minimised_changed(isMinimized()); });
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shut_down(form_);
    QMainWindow::closeEvent(event);
}

void MainWindow::focus_field(Field field) {
    fields_[static_cast<std::size_t>(field)]->setFocus();
}

void MainWindow::show_companion(Window, bool) {}

QImage MainWindow::picture_image(Picture picture) const {
    switch (picture) {
        case Picture::cross_section: return Picture1_->image();
        case Picture::phase_wheel: return Picture2_->image();
        case Picture::scatter: return Picture3_->image();
    }
    return {};
}

}  // namespace welkin
