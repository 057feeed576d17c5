#include "ui/panel2d_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "persist/app_folder.h"
#include "render/panel2d_render.h"
#include "render/qt_text.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"
#include "ui/accessibility.h"
#include "ui/build_window.h"
#include "ui/object_names.h"
#include "ui/window_registry.h"

namespace welkin {

namespace {

struct MoveButton {
    OffsetMove move;
    Control name;
    const char* caption;
};

constexpr std::array<MoveButton, 6> move_buttons = {{
    {OffsetMove::push, Control::push_button, "Push"},
    {OffsetMove::pull, Control::pull_button, "Pull"},
    {OffsetMove::left, Control::left_button, "<"},
    {OffsetMove::right, Control::right_button, ">"},
    {OffsetMove::centre, Control::centre_button, "Centre"},
    {OffsetMove::no_shift, Control::no_shift_button, "No shift"},
}};

// Where the window opens: well right of centre and near the top.
constexpr double place_x = 0.6;
constexpr double place_y = 0.2;
// In "Dimensions" the crossword spans the window but for this margin.
constexpr int dimensions_margin_px = 30;

template <typename T>
T* named(T* widget, Control name) {
    name_control(*widget, name);
    return widget;
}

}  // namespace

Panel2dWindow::Panel2dWindow(Panel2dForm& form, MainForm& main, QWidget* parent)
    : QDialog(parent), form_(form), main_(main) {
    name_control(*this, Control::panel_2d_window);
    setWindowTitle(qs(form_.window_title()));
    build_controls();
    build_menus();
    refresh();
}

void Panel2dWindow::build_controls() {
    auto* layout = new QVBoxLayout(this);
    caption_ = named(new QLabel(this), Control::panel_2d_caption);
    layout->addWidget(caption_);
    layout->addLayout(build_pictures());
    // The pictures keep their size; a larger window leaves the room between
    // them and the options, so the caption stays over the pictures.
    layout->addStretch(1);
    layout->addLayout(build_options());
    layout->addLayout(build_buttons());
}

QLayout* Panel2dWindow::build_pictures() {
    auto* pictures = new QHBoxLayout;
    panel_view_ = named(new QLabel(this), Control::panel_2d_picture);
    crossword_view_ = named(new QLabel(this), Control::crossword_picture);
    for (QLabel* view : {panel_view_, crossword_view_}) {
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->installEventFilter(this);
        pictures->addWidget(view);
    }
    pictures->addStretch(1);
    return pictures;
}

QLayout* Panel2dWindow::build_options() {
    auto* options = new QGridLayout;
    const auto check = [&](QCheckBox*& box, Control name, const char* caption, int row, int col,
                           void (Panel2dForm::*set)(bool)) {
        box = named(new QCheckBox(QString::fromLatin1(caption), this), name);
        // std::invoke rather than (form_.*set)(on): inside a lambda GCC 12's
        // -fsanitize=vptr checks `this` from a register that only the virtual
        // branch of that call loads, and reports a sound window as no window.
        connect(box, &QCheckBox::clicked, this,
                [this, set](bool on) { act([this, set, on] { std::invoke(set, form_, on); }); });
        options->addWidget(box, row, col);
    };
    check(numbers_, Control::numbers_check, "Numbers", 0, 0, &Panel2dForm::set_numbers);
    check(half_size_, Control::half_size_check, "Half-size", 1, 0, &Panel2dForm::set_half_size);
    check(no_colour_, Control::no_colour_check, "No color", 0, 1, &Panel2dForm::set_no_colour);
    check(dimensions_, Control::dimensions_check, "Dimensions", 1, 1, &Panel2dForm::set_dimensions);
    check(invert_, Control::invert_check, "Invert colors", 0, 3, &Panel2dForm::set_invert);
    check(depth_lines_, Control::depth_lines_check, "Show Depth lines", 1, 3,
          &Panel2dForm::set_depth_lines);
    well_depths_ = named(new QRadioButton(QStringLiteral("Well depths"), this),
                         Control::well_depths_option);
    block_heights_ = named(new QRadioButton(QStringLiteral("Block Heights"), this),
                           Control::block_heights_option);
    connect(well_depths_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.set_quantity(CrosswordQuantity::well_depths); }); });
    connect(block_heights_, &QRadioButton::clicked, this,
            [this] { act([&] { form_.set_quantity(CrosswordQuantity::block_heights); }); });
    options->addWidget(well_depths_, 0, 2);
    options->addWidget(block_heights_, 1, 2);
    set_tab_order({dimensions_, well_depths_, block_heights_, invert_, depth_lines_});
    return options;
}

QLayout* Panel2dWindow::build_buttons() {
    auto* buttons = new QHBoxLayout;
    for (const MoveButton& b : move_buttons) {
        auto* button = named(new QPushButton(QString::fromLatin1(b.caption), this), b.name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, m = b.move] { act([&] { form_.move(m); }); });
        buttons->addWidget(button);
    }
    auto* ok = named(new QPushButton(QStringLiteral("&OK"), this), Control::ok_2d_button);
    connect(ok, &QPushButton::clicked, this, [this] { act([&] { form_.ok(); }); });
    buttons->addWidget(ok);
    return buttons;
}

void Panel2dWindow::build_menus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto item = [this](QAction* action, Control name, std::function<void()> handler) {
        name_control(*action, name);
        connect(action, &QAction::triggered, this, [this, handler] { act(handler); });
    };
    item(bar->addAction(QStringLiteral("&Maxpic")), Control::maxpic_item,
         [this] { form_.open_full_panel(); });
    item(bar->addAction(QStringLiteral("Max&data")), Control::maxdata_item,
         [this] { form_.open_full_crossword(); });
    QMenu* exports = bar->addMenu(QStringLiteral("&Export"));
    name_control(*exports, Control::export_2d_menu);
    item(exports->addAction(QStringLiteral("Generate 2D Report")), Control::report_2d_item,
         [this] { form_.generate_report(app_folder()); });
    item(exports->addAction(QStringLiteral("Build: parts, cutting plan and workshop files...")),
         Control::build_2d_item, [this] {
             BuildWindow build(main_, form_.offsets(), this);
             build.exec();
         });
    exports->addSeparator();
    item(exports->addAction(
             QStringLiteral("Copy panel picture to clipboard. (Shortcut: Double-click picture)")),
         Control::copy_panel_2d_item, [this] { form_.copy_picture(Picture2d::panel); });
    item(exports->addAction(QStringLiteral(
             "Copy crossword picture to clipboard. (Shortcut: Double-click crossword)")),
         Control::copy_crossword_item, [this] { form_.copy_picture(Picture2d::crossword); });
    item(bar->addAction(QStringLiteral("&Print")), Control::print_2d_item,
         [this] { form_.print(); });
}

void Panel2dWindow::act(const std::function<void()>& handler) {
    handler();
    refresh();
}

void Panel2dWindow::refresh() {
    const Panel2dOptions& o = form_.options();
    for (auto [box, on] : {std::pair{numbers_, o.numbers}, std::pair{half_size_, o.half_size},
                           std::pair{no_colour_, o.no_colour}, std::pair{dimensions_, o.dimensions},
                           std::pair{invert_, o.invert}, std::pair{depth_lines_, o.depth_lines}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    numbers_->setEnabled(form_.numbers_enabled());
    invert_->setEnabled(form_.invert_enabled());
    well_depths_->setChecked(o.quantity == CrosswordQuantity::well_depths);
    block_heights_->setChecked(o.quantity == CrosswordQuantity::block_heights);
    caption_->setText(qs(form_.caption()));
    if (form_.redraws() != drawn_for_) repaint_pictures();
}

void Panel2dWindow::repaint_pictures() {
    drawn_for_ = form_.redraws();
    const Panel2dDrawing d{form_.grid(), form_.offsets(), form_.panel_options(),
                           form_.crossword_options(false)};
    const PictureSize panel = form_.panel_picture();
    // With dimensions the lengths need room: the crossword takes the
    // window's width, over the panel picture.
    const bool wide = form_.options().dimensions;
    if (wide && !size_before_dimensions_) size_before_dimensions_ = size();
    QSize crossword = picture_2d_size(Picture2d::crossword);
    if (wide) {
        crossword.setWidth(
            std::max(crossword.width(), size_before_dimensions_->width() - dimensions_margin_px));
    }
    Pictures2d pictures = render_pictures_2d(
        d, QSize(static_cast<int>(panel.width), static_cast<int>(panel.height)), crossword);
    // Each image goes into its pixmap whole, already in the screen's
    // format: no copy, no conversion. The labels keep the only copy.
    const QSize crossword_px = pictures.crossword.size();
    panel_view_->setPixmap(QPixmap::fromImage(std::move(pictures.panel)));
    crossword_view_->setPixmap(QPixmap::fromImage(std::move(pictures.crossword)));
    panel_view_->setFixedSize(picture_2d_size(Picture2d::panel));
    crossword_view_->setFixedSize(crossword_px);
    // Showing the panel lays the window out at once, so the crossword must
    // be narrow again first, or the window grows by the panel's width.
    panel_view_->setVisible(!wide);
    if (!wide && size_before_dimensions_) {
        layout()->activate();
        resize(size_before_dimensions_->expandedTo(minimumSizeHint()));
        size_before_dimensions_.reset();
    }
}

QImage Panel2dWindow::picture_image(Picture2d which) const {
    // A pixmap drawn from an image hands that image back without copying it.
    return (which == Picture2d::panel ? panel_view_ : crossword_view_)->pixmap().toImage();
}

bool Panel2dWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == panel_view_) act([this] { form_.copy_picture(Picture2d::panel); });
        if (watched == crossword_view_) act([this] { form_.copy_picture(Picture2d::crossword); });
    }
    return QDialog::eventFilter(watched, event);
}

void Panel2dWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
    if (placed_ || screen() == nullptr) return;
    placed_ = true;
    const QRect free = screen()->availableGeometry();
    move(free.x() + static_cast<int>(place_x * (free.width() - frameGeometry().width())),
         free.y() + static_cast<int>(place_y * (free.height() - frameGeometry().height())));
}

bool show_2d_window(Window window, MainWindow& main, WindowRegistry& windows) {
    Panel2dForm& form = main.form().panel_2d_form();
    if (window == Window::panel_2d) {
        auto* shown = dynamic_cast<Panel2dWindow*>(windows.find(window));
        if (shown == nullptr) {
            shown = new Panel2dWindow(form, main.form(), &main);
            windows.add(window, shown);
        }
        main.refresh();  // the note shows while the window is open
        shown->refresh();
        shown->exec();
        return true;
    }
    if (window != Window::fullscreen_2d) return false;
    auto* full = dynamic_cast<FullScreenWindow*>(windows.find(window));
    if (full == nullptr) {
        full = new FullScreenWindow(form, windows.find(Window::panel_2d));
        windows.add(window, full);
    }
    full->refresh();
    full->exec();
    return true;
}

}  // namespace welkin
