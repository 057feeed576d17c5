#include "ui/full_screen_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "render/panel2d_render.h"
#include "render/qt_canvas.h"
#include "render/qt_text.h"
#include "ui/object_names.h"

namespace welkin {

namespace {

QString readout_lines(const std::string& text) {
    return qs(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

FullScreenWindow::FullScreenWindow(Panel2dForm& form, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), form_(form) {
    name_control(*this, Control::full_screen_window);
    setMouseTracking(true);
    readout_box_ = new QWidget(this);
    name_control(*readout_box_, Control::readout_box);
    readout_box_->setAutoFillBackground(true);
    auto* box_layout = new QVBoxLayout(readout_box_);
    readout_label_ = new QLabel(readout_box_);
    name_control(*readout_label_, Control::readout_label);
    row_column_label_ = new QLabel(readout_box_);
    name_control(*row_column_label_, Control::row_column_label);
    row_column_label_->setAutoFillBackground(true);
    box_layout->addWidget(readout_label_);
    box_layout->addWidget(row_column_label_);
    readout_box_->hide();
    legend_ = new QLabel(this);
    name_control(*legend_, Control::legend_label);
    legend_->setStyleSheet(QStringLiteral("background: white;"));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
}

void FullScreenWindow::refresh() {
    QStringList legend;
    for (std::string_view line : form_.full_screen_legend_lines()) legend << qs(line);
    legend_->setText(legend.join(QLatin1Char('\n')));
    legend_->adjustSize();
    legend_->move(width() - legend_->width() - 8, 8);
    if (form_.redraws() == drawn_for_ && image_.size() == size()) return;
    drawn_for_ = form_.redraws();
    Panel2dDrawing d{form_.grid(), form_.offsets(), form_.panel_options(),
                     form_.crossword_options(true)};
    d.panel.box = false;
    const bool crossword = form_.full_screen() == FullScreen::crossword;
    image_ = render_picture_2d(crossword ? Picture2d::crossword : Picture2d::panel, d, size());
    row_column_label_->setStyleSheet(colour_style("background-color", variant_colour(d.grid)));
    if (!crossword) readout_box_->hide();
    update();
}

void FullScreenWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    refresh();
}

void FullScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void FullScreenWindow::keyPressEvent(QKeyEvent*) {
    form_.full_screen_key();
}

void FullScreenWindow::mousePressEvent(QMouseEvent* event) {
    using Mouse = Panel2dForm::Mouse;
    const Mouse button = event->button() == Qt::RightButton    ? Mouse::right
                         : event->button() == Qt::MiddleButton ? Mouse::middle
                                                               : Mouse::left;
    form_.full_screen_press(button);
}

void FullScreenWindow::mouseDoubleClickEvent(QMouseEvent*) {
    form_.full_screen_double_click();
    refresh();
}

void FullScreenWindow::mouseMoveEvent(QMouseEvent* event) {
    if (form_.full_screen() != FullScreen::crossword || width() <= 0 || height() <= 0) return;
    const double n = form_.grid().n;
    const QPointF p = event->position();
    show_readout(form_.pointer_moved(p.x() * n / width(), p.y() * n / height()));
}

void FullScreenWindow::show_readout(const Readout& r) {
    readout_box_->setVisible(r.shown);
    if (!r.shown) return;
    readout_label_->setText(readout_lines(r.value_text));
    row_column_label_->setText(qs(r.position_text));
    readout_box_->adjustSize();
    const double n = form_.grid().n;
    int x = static_cast<int>(r.x * width() / n);
    int y = static_cast<int>(r.y * height() / n);
    if (r.from_right) x -= readout_box_->width();
    if (r.from_bottom) y -= readout_box_->height();
    readout_box_->move(x, y);
}

}  // namespace welkin
