#include "ui/lobes_window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "render/qt_canvas.h"
#include "render/qt_text.h"
#include "ui/accessibility.h"
#include "ui/dialog_placement.h"
#include "ui/main_window.h"
#include "ui/object_names.h"
#include "ui/window_registry.h"

namespace welkin {

namespace {

constexpr int frame_height = 130;
constexpr int gap_below_frame = 32;  // 480 twips
constexpr int exit_right_margin = 13;  // 200 twips
// A slice of the run between two turns of the event loop; short enough that
// "Abort" and repaints are served promptly.
constexpr int slice_ms = 25;
constexpr std::int64_t hertz_per_check = 8;
constexpr double three_quarters = 0.75;

// The picture area: shows the image as the run draws it.
class LobesPicture final : public QWidget {
public:
    LobesPicture(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (image_.isNull()) {
            painter.fillRect(rect(), Qt::white);
        } else {
            painter.drawImage(0, 0, image_);
        }
    }

private:
    const QImage& image_;
};

template <typename W>
W* named(W* widget, Control control) {
    name_control(*widget, control);
    return widget;
}

}  // namespace

LobesWindow::LobesWindow(MainWindow& main, QWidget* parent)
    : QDialog(parent), main_(main), form_(main.form().lobes_form()) {
    name_control(*this, Control::lobes_window);
    build();
}

LobesWindow::~LobesWindow() = default;

void LobesWindow::build() {
    picture_ = named(new LobesPicture(image_, this), Control::lobes_picture);
    picture_->installEventFilter(this);
    frame_ = named(new QFrame(this), Control::lobes_frame);
    frame_->setAutoFillBackground(true);
    angle_caption_ = named(new QLabel(QStringLiteral("Signal angle "), frame_),
                           Control::lobes_angle_caption);
    angle_field_ = named(new QLineEdit(qs(form_.angle_text()), frame_), Control::lobes_angle_field);
    angle_range_ = named(new QLabel(QStringLiteral("+/- 90 degrees"), frame_),
                         Control::lobes_angle_range);
    redo_ = named(new QPushButton(QStringLiteral("Redo"), frame_), Control::lobes_redo_button);
    exit_ = named(new QPushButton(QStringLiteral("Exit"), frame_), Control::lobes_exit_button);
    abort_ = named(new QPushButton(QStringLiteral("Abort"), frame_), Control::lobes_abort_button);
    show_ends_ = named(new QRadioButton(QStringLiteral("Show slices for ends of working range"),
                                        frame_),
                       Control::lobes_show_ends);
    show_trues_ = named(new QRadioButton(QStringLiteral("Show true diffusion slices"), frame_),
                        Control::lobes_show_trues);
    for (QPushButton* b : {redo_, exit_, abort_}) b->setAutoDefault(false);
    angle_caption_->setBuddy(angle_field_);
    set_tab_order({angle_field_, redo_, abort_, show_ends_, show_trues_, exit_});
    angle_field_->installEventFilter(this);
    connect(angle_field_, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.set_angle_text(t.toStdString()); });
    connect(redo_, &QPushButton::clicked, this, [this] { act([this] { form_.start_run(); }); });
    connect(exit_, &QPushButton::clicked, this, [this] { exit_window(); });
    connect(abort_, &QPushButton::clicked, this, [this] { act([this] { form_.abort(); }); });
    connect(show_ends_, &QRadioButton::clicked, this, [this] {
        act([this] { form_.select_slices(SliceChoice::working_range_ends); });
    });
    connect(show_trues_, &QRadioButton::clicked, this,
            [this] { act([this] { form_.select_slices(SliceChoice::true_diffusion); }); });
    build_results();
}

void LobesWindow::build_results() {
    constexpr std::array<Control, 8> names = {
        Control::lobes_hf_cutoff_at_angle, Control::lobes_revised_seating,
        Control::lobes_usable_range,       Control::lobes_plate_frequency,
        Control::lobes_design_frequency,   Control::lobes_hf_cutoff_at_zero,
        Control::lobes_first_lobes,        Control::lobes_f_period};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i] = named(new QLabel(frame_), names[i]);
    }
}

void LobesWindow::lay_out() {
    const int w = width();
    // The strip under the frame is taken from the outer height, title bar
    // and borders included.
    const int picture_height = std::clamp(
        frameGeometry().height() - frame_height - gap_below_frame, 1,
        std::max(1, height() - frame_height));
    const QSize before = picture_->size();
    picture_->setGeometry(0, 0, w, picture_height);
    frame_->setGeometry(0, picture_height, w, frame_height);
    angle_caption_->setGeometry(8, 8, 80, 24);
    angle_field_->setGeometry(88, 8, 50, 24);
    angle_range_->setGeometry(142, 8, 100, 24);
    redo_->setGeometry(250, 6, 70, 28);
    abort_->setGeometry(326, 6, 70, 28);
    exit_->setGeometry(w - 70 - exit_right_margin, 6, 70, 28);
    show_ends_->setGeometry(410, 4, 300, 16);
    show_trues_->setGeometry(410, 22, 300, 16);
    // Two columns of result labels under the controls.
    const int column = std::max(200, (w - 16) / 2);
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const int row = static_cast<int>(i % 4);
        const int col = static_cast<int>(i / 4);
        results_[i]->setGeometry(8 + col * column, 44 + row * 20, column - 8, 20);
    }
    if (picture_->size() != before) picture_resized();
}

void LobesWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    lay_out();
}

void LobesWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    lay_out();
}

void LobesWindow::picture_resized() {
    if (!isVisible() || run_on_activation_) return;
    if (form_.running()) {
        redraw_after_run_ = true;
        form_.abort();
        return;
    }
    act([this] { form_.redraw(); });
}

// The window's size, title bar and borders included, is the free screen's
// or three quarters of it: sized without them, the full-size window ran off
// the bottom of the screen with the results under the picture. It is
// centred, which puts the full-size window at the screen's corner.
void LobesWindow::place() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize frame = frame_of(*this);
    if (!placed_ || form_.size() != placed_size_) {
        const double factor = form_.size() == LobesSize::full ? 1.0 : three_quarters;
        resize(static_cast<int>(screen.width() * factor) - frame.width(),
               static_cast<int>(screen.height() * factor) - frame.height());
        placed_size_ = form_.size();
        placed_ = true;
    }
    const QSize outer = size() + frame;
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
}

void LobesWindow::open_modal() {
    place();
    refresh();
    main_.refresh();
    exec();
    main_.refresh();
}

void LobesWindow::refresh() {
    setWindowTitle(qs(form_.caption()));
    const bool idle = form_.controls_enabled();
    for (QWidget* w : std::initializer_list<QWidget*>{redo_, exit_, angle_field_, show_ends_,
                                                       show_trues_}) {
        w->setEnabled(idle);
    }
    abort_->setEnabled(form_.abort_enabled());
    const bool lobes = form_.lobes_controls_visible();
    for (QWidget* w : std::initializer_list<QWidget*>{show_ends_, show_trues_, abort_,
                                                       results_[6], results_[1]}) {
        w->setVisible(lobes);
    }
    QPalette palette = frame_->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.frame_colour()));
    frame_->setPalette(palette);
    const QSignalBlocker block_ends(show_ends_);
    const QSignalBlocker block_trues(show_trues_);
    show_ends_->setChecked(form_.slices() == SliceChoice::working_range_ends);
    show_trues_->setChecked(form_.slices() == SliceChoice::true_diffusion);
    const LobeTexts& t = form_.texts();
    const std::array<const std::string*, 8> texts = {
        &t.hf_cutoff_at_angle, &t.revised_seating, &t.usable_range, &t.plate_frequency,
        &t.design_frequency,   &t.hf_cutoff_at_zero, &t.first_lobes, &t.f_period};
    for (std::size_t i = 0; i < results_.size(); ++i) results_[i]->setText(qs(*texts[i]));
}

void LobesWindow::act(const std::function<void()>& handler) {
    const bool was_running = form_.running();
    handler();
    if (form_.running() && !was_running) {
        // A new run clears the picture: a fresh image at the picture's size.
        canvas_.reset();
        image_ = QImage(picture_->size(), QImage::Format_RGB32);
        image_.fill(Qt::white);
        canvas_ = std::make_unique<QtCanvas>(image_);
        canvas_->set_smoothing(false);
        if (!ticking_) {
            ticking_ = true;
            QTimer::singleShot(0, this, [this] { tick(); });
        }
    }
    refresh();
}

void LobesWindow::tick() {
    QElapsedTimer clock;
    clock.start();
    RunPause pause = RunPause::finished;
    do {
        pause = form_.advance(*canvas_, hertz_per_check);
    } while (pause == RunPause::sweeping && clock.elapsed() < slice_ms);
    // The cleared picture is on screen before a refused angle's message.
    if (pause == RunPause::cleared) {
        picture_->repaint();
    } else {
        picture_->update();
    }
    if (pause != RunPause::finished) {
        refresh();
        QTimer::singleShot(0, this, [this] { tick(); });
        return;
    }
    ticking_ = false;
    canvas_.reset();  // ends the painter, so the image is whole
    persistent_ = image_;
    refresh();
    angle_field_->setFocus();
    if (std::exchange(redraw_after_run_, false)) act([this] { form_.redraw(); });
}

void LobesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    run_on_activation_ = true;
}

bool LobesWindow::event(QEvent* event) {
    // Showing the window starts a run once it is active, its frame known;
    // the desktop giving the focus back later starts none.
    if (event->type() == QEvent::WindowActivate && run_on_activation_) {
        lay_out();
        run_on_activation_ = false;
        act([this] { form_.start_run(); });
    }
    return QDialog::event(event);
}

bool LobesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonDblClick) {
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(persistent_);
        return true;
    }
    if (watched == angle_field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            act([this] { form_.start_run(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LobesWindow::reject() {
    exit_window();
}

void LobesWindow::exit_window() {
    // A run still drawing goes on to its end behind the hidden window.
    hide();
    QDialog::reject();
}

void show_lobes_window(MainWindow& main, WindowRegistry& windows) {
    auto* window = dynamic_cast<LobesWindow*>(windows.find(Window::lobes));
    if (window == nullptr) {
        window = new LobesWindow(main, &main);
        windows.add(Window::lobes, window);
    }
    window->open_modal();
}

}  // namespace welkin
