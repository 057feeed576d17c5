#include "ui/response_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/qt_text.h"
#include "render/response_render.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"

namespace welkin {

namespace {

constexpr int margin_px = 8;
constexpr std::string_view export_caption = "Export polar response";
constexpr std::string_view export_filter =
    "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";
constexpr std::string_view export_default_name = "polar_response.png";

QPushButton* button(QWidget* parent, const char* caption, Control name) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    name_control(*b, name);
    return b;
}

QLabel* caption_for(QWidget* parent, const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

ResponseWindow::ResponseWindow(MainForm& main, std::filesystem::path guide_folder)
    : QWidget(nullptr, Qt::Window),
      main_(main),
      guide_folder_(std::move(guide_folder)),
      response_(main) {
    name_control(*this, Control::response_window);
    setWindowTitle(qs(response_title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin_px, margin_px, margin_px, margin_px);
    auto* row = new QWidget(this);
    build_inputs(row);
    layout->addWidget(row);
    status_ = new QLabel(this);
    name_control(*status_, Control::response_status);
    status_->setStyleSheet(QStringLiteral("color: #c00000;"));
    status_->hide();
    layout->addWidget(status_);
    picture_ = new PictureView(this);
    name_control(*picture_, Control::response_picture);
    picture_->setMinimumSize(response_default_size * 3 / 4);
    picture_->on_double_click = [this] { copy_to_clipboard(); };
    layout->addWidget(picture_, 1);
    resize(response_default_size.width() + 2 * margin_px,
           response_default_size.height() + 2 * margin_px + row->sizeHint().height());
}

void ResponseWindow::build_inputs(QWidget* row) {
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    frequency_ = new QDoubleSpinBox(row);
    name_control(*frequency_, Control::response_frequency);
    frequency_->setRange(response_min_frequency_hz, response_max_frequency_hz);
    frequency_->setDecimals(1);
    frequency_->setSuffix(QStringLiteral(" Hz"));
    design_frequency_ = button(row, "&Design frequency", Control::response_design_frequency_button);
    source_angle_ = new QDoubleSpinBox(row);
    name_control(*source_angle_, Control::response_source_angle);
    source_angle_->setRange(-90, 90);
    source_angle_->setDecimals(1);
    source_angle_->setSuffix(QStringLiteral("\u00B0"));
    panels_ = new QSpinBox(row);
    name_control(*panels_, Control::response_panels);
    panels_->setRange(1, max_panels);
    common_reference_ = new QCheckBox(QStringLiteral("Co&mmon reference"), row);
    name_control(*common_reference_, Control::response_common_reference);
    common_reference_->setToolTip(
        QStringLiteral("Both curves against the flat panel's peak, so the specular drop shows"));
    copy_ = button(row, "&Copy", Control::response_copy_button);
    export_ = button(row, "&Export...", Control::response_export_button);
    QPushButton* help = button(row, "&Help", Control::response_help_button);
    QPushButton* close = button(row, "C&lose", Control::response_close_button);

    h->addWidget(caption_for(row, "&Frequency", frequency_));
    h->addWidget(frequency_);
    h->addWidget(design_frequency_);
    h->addSpacing(16);
    h->addWidget(caption_for(row, "&Source angle", source_angle_));
    h->addWidget(source_angle_);
    h->addSpacing(16);
    h->addWidget(caption_for(row, "&Panels side by side", panels_));
    h->addWidget(panels_);
    h->addSpacing(16);
    h->addWidget(common_reference_);
    h->addStretch(1);
    h->addWidget(copy_);
    h->addWidget(export_);
    h->addWidget(help);
    h->addWidget(close);

    const auto changed = [this] { inputs_changed(); };
    connect(frequency_, &QDoubleSpinBox::valueChanged, this, [this](double hz) {
        response_.set_frequency(hz);
        refresh();
    });
    connect(source_angle_, &QDoubleSpinBox::valueChanged, this, changed);
    connect(panels_, &QSpinBox::valueChanged, this, changed);
    connect(common_reference_, &QCheckBox::toggled, this, changed);
    connect(design_frequency_, &QPushButton::clicked, this, [this] {
        response_.follow_design_frequency();
        refresh();
    });
    connect(copy_, &QPushButton::clicked, this, [this] { copy_to_clipboard(); });
    connect(export_, &QPushButton::clicked, this, [this] { export_to_file(); });
    connect(help, &QPushButton::clicked, this,
            [this] { open_response_help(main_, guide_folder_); });
    connect(close, &QPushButton::clicked, this, [this] { close_response(main_); });
}

void ResponseWindow::inputs_changed() {
    response_.set_source_angle(source_angle_->value());
    response_.set_panels(panels_->value());
    response_.set_common_reference(common_reference_->isChecked());
    refresh();
}

const QImage& ResponseWindow::image() const {
    return picture_->image();
}

void ResponseWindow::refresh() {
    if (!isVisible()) return;
    response_.refresh();
    {
        const QSignalBlocker block(frequency_);
        frequency_->setValue(response_.frequency_hz());
    }
    design_frequency_->setEnabled(!response_.follows_design_frequency());
    // A sheet of a design no longer on screen is not offered as current.
    const bool shown = response_.view() != nullptr && !response_.stale();
    copy_->setEnabled(shown);
    export_->setEnabled(shown);
    status_->setText(qs(response_.message()));
    status_->setVisible(!response_.message().empty());
    if (response_.computations() != drawn_for_ || picture_->image().size() != picture_->size()) {
        redraw();
    }
}

void ResponseWindow::redraw() {
    drawn_for_ = response_.computations();
    const ResponseView* view = response_.view();
    if (view == nullptr) {
        QImage blank(picture_->size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        picture_->set_image(blank);
        return;
    }
    const QImage sheet = render_response(*view, picture_->size());
    picture_->set_image(response_.stale() ? greyed(sheet) : sheet);
}

void ResponseWindow::copy_to_clipboard() {
    const ResponseView* view = response_.view();
    if (view == nullptr || response_.stale()) return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(render_response(*view, response_default_size));
}

void ResponseWindow::export_to_file() {
    const ResponseView* view = response_.view();
    if (view == nullptr || response_.stale()) return;
    QString chosen_filter;
    QString path = QFileDialog::getSaveFileName(this, qs(export_caption),
                                                QDir::home().filePath(qs(export_default_name)),
                                                qs(export_filter), &chosen_filter);
    if (path.isEmpty()) return;
    // A name typed without a known extension takes the chosen type's.
    static const QRegularExpression type_extension(QStringLiteral("\\*(\\.[a-z]+)"));
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf") {
        const QRegularExpressionMatch m = type_extension.match(chosen_filter);
        if (m.hasMatch()) path += m.captured(1);
    }
    const Result<QString> written = export_response(*view, response_default_size, path);
    if (!written) QMessageBox::warning(this, qs(response_title), qs(written.message()));
}

void ResponseWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void ResponseWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();
}

void ResponseWindow::closeEvent(QCloseEvent* event) {
    close_response(main_);
    event->accept();
}

}  // namespace welkin
