// A picture box: shows its persistent image and reports the pointer. An
// image wider than the box is shown from `scroll_x` on; the image itself is
// always the whole picture.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace welkin {

class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent);

    // The image the last drawing left; repaints and clipboard copies use it.
    const QImage& image() const { return image_; }
    void set_image(QImage image);
    void set_scroll_x(int pixels);

    std::function<void()> on_click;
    std::function<void()> on_double_click;
    // x in pixels of the whole image.
    std::function<void(int x_px)> on_pointer_move;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    int scroll_x_ = 0;
};

}  // namespace welkin
