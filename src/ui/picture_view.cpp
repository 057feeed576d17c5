#include "ui/picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace welkin {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::set_image(QImage image) {
    image_ = std::move(image);
    update();
}

void PictureView::set_scroll_x(int pixels) {
    if (pixels == scroll_x_) return;
    scroll_x_ = pixels;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(-scroll_x_, 0, image_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_click) on_click();
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_double_click) on_double_click();
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (on_pointer_move) on_pointer_move(event->position().toPoint().x() + scroll_x_);
}

}  // namespace welkin
