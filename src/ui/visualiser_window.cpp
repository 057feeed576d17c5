#include "ui/visualiser_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QResizeEvent>
#include <cmath>
#include <utility>

#include "canvas/canvas.h"
#include "forms/visualiser_form.h"
#include "render/companion_pictures.h"
#include "render/qt_text.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"

namespace welkin {

namespace {

constexpr int default_height_px = 220;
constexpr double gap_below_main_twips = 100;

int px(double twips) {
    return static_cast<int>(twips / twips_per_pixel);
}

QMargins frame_margins(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(),
            outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

}  // namespace

VisualiserWindow::VisualiserWindow(MainForm& form, std::function<void()> after_handler)
    : QWidget(nullptr, Qt::Window), form_(form), after_handler_(std::move(after_handler)) {
    name_control(*this, Control::visualiser_window);
    setWindowTitle(qs(frontview_first_caption));
    picture_ = new PictureView(this);
    name_control(*picture_, Control::visualiser_picture);
    picture_->on_click = [this] {
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(picture_->image());
    };
    resize(640, default_height_px);
}

const QImage& VisualiserWindow::image() const {
    return picture_->image();
}

void VisualiserWindow::place_under(QWidget& main) {
    if (main_ == nullptr) {
        main_ = &main;
        main.installEventFilter(this);
    }
    const WindowPlace& v = form_.files().visualiser_place;
    placing_ = true;
    resize(v.width > 0 ? px(v.width) : main.width(),
           v.height > 0 ? px(v.height) : default_height_px);
    placing_ = false;
    follows_main_ = v.left <= 0 || v.top <= 0;
    if (follows_main_) {
        place_below_main();
        return;
    }
    placing_ = true;
    move(px(v.left), px(v.top));
    placing_ = false;
}

void VisualiserWindow::place_below_main() {
    // move() places the outer top left corner, frame included.
    const QRect main_outer = main_->frameGeometry();
    main_frame_margins_ = frame_margins(*main_);
    placing_ = true;
    move(main_outer.left(), main_outer.top() + main_outer.height() +
                                static_cast<int>(std::lround(gap_below_main_twips / twips_per_pixel)));
    placing_ = false;
}

bool VisualiserWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == main_ && follows_main_ &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
        frame_margins(*main_) != main_frame_margins_) {
        place_below_main();
    }
    return QWidget::eventFilter(watched, event);
}

void VisualiserWindow::refresh() {
    setWindowTitle(qs(visualiser_caption(form_.shown())));
    const DesignSnapshot drawn = front_view_of(form_.shown());
    if (!drawn.design.visualiser.shown) {
        // Unchecked, the picture is left empty and nothing is drawn in it.
        if (drawn_for_ != 0) picture_->set_image(render_front_view(drawn, picture_->size()));
        drawn_for_ = 0;
        return;
    }
    if (form_.shown().completed_recomputes == drawn_for_ &&
        picture_->image().size() == picture_->size())
        return;
    drawn_for_ = form_.shown().completed_recomputes;
    picture_->set_image(render_front_view(drawn, picture_->size()));
}

void VisualiserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    picture_->setGeometry(0, 0, width(), height());
    remember_place();
    // The picture is redrawn at its new size by the main window's "Go".
    if (isVisible() && form_.design().visualiser.shown) {
        form_.recompute();
        after_handler_();
    }
}

void VisualiserWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    remember_place();
}

void VisualiserWindow::closeEvent(QCloseEvent* event) {
    form_.run(DesignCommand::hide_visualiser);
    event->accept();
    after_handler_();
}

void VisualiserWindow::remember_place() {
    if (placing_ || !isVisible()) return;
    WindowPlace& v = form_.files().visualiser_place;
    const QRect frame = frameGeometry();
    v.left = frame.left() * twips_per_pixel;
    v.top = frame.top() * twips_per_pixel;
    v.width = width() * twips_per_pixel;
    v.height = height() * twips_per_pixel;
}

}  // namespace welkin
