#include "ui/scorecard_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "forms/scorecard_form.h"
#include "render/companion_pictures.h"
#include "render/qt_canvas.h"
#include "render/qt_text.h"
#include "ui/accessibility.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"
#include "ui/window_keys.h"

namespace welkin {

namespace {

constexpr QSize illustration_size{200, 120};
constexpr int icon_px = 24;
constexpr int text_width = 460;
constexpr Rgb window_background{224, 224, 224};

struct RowNames {
    Control picture, icon, headline, consequence;
};
constexpr std::array<RowNames, 4> row_names = {{
    {Control::period_picture, Control::period_icon, Control::period_headline,
     Control::period_consequence},
    {Control::viscous_picture, Control::viscous_icon, Control::viscous_headline,
     Control::viscous_consequence},
    {Control::plate_picture, Control::plate_icon, Control::plate_message, Control::plate_message},
    {Control::range_picture, Control::range_icon, Control::range_headline,
     Control::range_frequencies},
}};

QLabel* text_label(QWidget* parent, Control name, Rgb colour) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setMinimumWidth(text_width);
    l->setStyleSheet(colour_style("color", colour));
    name_control(*l, name);
    return l;
}

}  // namespace

ScorecardWindow::ScorecardWindow(MainForm& form, std::filesystem::path guide_folder)
    : QWidget(nullptr, Qt::Window), form_(form), guide_folder_(std::move(guide_folder)) {
    name_control(*this, Control::scorecard_window);
    setWindowTitle(qs(scorecard_title));
    setStyleSheet(colour_style("background-color", window_background));
    auto* column = new QVBoxLayout(this);
    heading_ = text_label(this, Control::scorecard_heading, rgb_black);
    column->addWidget(heading_);
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setColumnStretch(2, 1);
    for (std::size_t i = 0; i < rows_.size(); ++i) build_row(i, body);
    column->addWidget(body);
    strategy_heading_ = text_label(this, Control::strategy_heading, rgb_black);
    strategy_line_ = text_label(this, Control::strategy_line, rgb_locked_label);
    column->addWidget(strategy_heading_);
    column->addWidget(strategy_line_);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    name_control(*ok, Control::scorecard_ok);
    connect(ok, &QPushButton::clicked, this,
            [this] { form_.companions().close(Window::scorecard); });
    // OK is the window's one button: Enter presses it, Escape leaves as it does.
    leave_on_keys(*this, {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter},
                  [this] { form_.companions().close(Window::scorecard); });
    column->addWidget(ok, 0, Qt::AlignRight);
    adjustSize();
    place_on_screen();
}

void ScorecardWindow::build_row(std::size_t index, QWidget* body) {
    auto* grid = static_cast<QGridLayout*>(body->layout());
    const RowNames& names = row_names[index];
    const ScorecardRow model = scorecard_view(form_.snapshot().texts).rows[index];
    Row& row = rows_[index];
    row.picture = new PictureView(body);
    name_control(*row.picture, names.picture);
    row.picture->setFixedSize(illustration_size);
    row.picture->set_image(render_illustration(model.illustration, illustration_size));
    row.picture->setCursor(Qt::PointingHandCursor);
    row.picture->on_click = [this, page = model.help] { open_help(form_.host(), page, guide_folder_); };
    row.icon = new QLabel(body);
    name_control(*row.icon, names.icon);
    row.icon->setFixedSize(icon_px, icon_px);
    row.headline = text_label(body, names.headline, rgb_locked_label);
    auto* texts = new QVBoxLayout;
    texts->addWidget(row.headline);
    if (names.consequence != names.headline) {
        row.consequence = text_label(body, names.consequence, rgb_locked_label);
        texts->addWidget(row.consequence);
    }
    texts->addStretch();
    const int r = static_cast<int>(index);
    grid->addWidget(row.picture, r, 0);
    grid->addWidget(row.icon, r, 1, Qt::AlignTop);
    grid->addLayout(texts, r, 2);
}

void ScorecardWindow::place_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    const QSize size = frameSize();
    move(free.x() + (free.width() - size.width()) / 2,
         free.y() + (free.height() - size.height()) / 8);
}

void ScorecardWindow::closeEvent(QCloseEvent* event) {
    form_.companions().close(Window::scorecard);
    event->accept();
}

void ScorecardWindow::refresh() {
    if (form_.shown().completed_recomputes == 0) return;
    const ScorecardView view = scorecard_view(form_.snapshot().texts);
    heading_->setText(qs(view.heading));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ScorecardRow& model = view.rows[i];
        Row& row = rows_[i];
        row.headline->setText(qs(model.headline));
        if (row.consequence != nullptr) row.consequence->setText(qs(model.consequence));
        row.icon->setPixmap(model.icon ? QPixmap::fromImage(render_score_icon(*model.icon, icon_px))
                                       : QPixmap());
        row.icon->setAccessibleName(verdict_name(model.icon));
    }
    strategy_heading_->setText(qs(view.strategy_heading));
    strategy_line_->setText(qs(view.strategy_line));
}

}  // namespace welkin
