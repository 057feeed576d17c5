#include "ui/response_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/qt_text.h"
#include "render/response_render.h"
#include "ui/accessibility.h"
#include "ui/bem_worker.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialogs.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"
#include "ui/window_keys.h"

namespace welkin {

namespace {

constexpr int margin_px = 8;
constexpr std::string_view export_caption = "Export polar response";
constexpr std::string_view export_filter =
    "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";
constexpr std::string_view export_default_name = "polar_response.png";
constexpr std::string_view far_field_choice = "Far field (instant)";
constexpr std::string_view bem_choice = "Boundary elements";
constexpr double min_distance_m = 0.1;
constexpr double max_distance_m = 1000;

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
      response_(main.shown()) {
    name_control(*this, Control::response_window);
    setWindowTitle(qs(response_title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin_px, margin_px, margin_px, margin_px);
    auto* row = new QWidget(this);
    build_inputs(row);
    layout->addWidget(row);
    auto* model_row = new QWidget(this);
    build_model_row(model_row);
    layout->addWidget(model_row);
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
    QHBoxLayout* commands = lay_out_commands();
    layout->addLayout(commands);
    resize(response_default_size.width() + 2 * margin_px,
           response_default_size.height() + 2 * margin_px + row->sizeHint().height() +
               model_row->sizeHint().height() + commands->sizeHint().height());
    fit_to_screen(*this);
    BemHandlers handlers{
        [this](long run, const ResponseView& plot) {
            response_.bem().plot_done(run, plot);
            refresh();
        },
        [this](long run, const BandValue& band) {
            response_.bem().band_done(run, band);
            refresh();
        },
        [this](long run, const Result<ResponseView>& view) {
            response_.bem().finished(run, view);
            refresh();
        }};
    worker_ = std::make_unique<BemWorker>(*this, std::move(handlers));
}

// The worker goes first, stopping its runs, while the window they report to
// is whole.
ResponseWindow::~ResponseWindow() {
    worker_.reset();
}

void ResponseWindow::build_model_row(QWidget* row) {
    make_model_controls(row);
    lay_out_model_row(row);
    connect_model_row();
}

void ResponseWindow::make_model_controls(QWidget* row) {
    model_ = new QComboBox(row);
    name_control(*model_, Control::response_model);
    model_->addItem(qs(far_field_choice));
    model_->addItem(qs(bem_choice));
    auto distance = [row](Control name) {
        auto* spin = new QDoubleSpinBox(row);
        name_control(*spin, name);
        spin->setRange(min_distance_m, max_distance_m);
        spin->setDecimals(1);
        spin->setSuffix(QStringLiteral(" m"));
        return spin;
    };
    source_distance_ = distance(Control::response_source_distance);
    source_distance_->setValue(response_.source_distance_m());
    receiver_distance_ = distance(Control::response_receiver_distance);
    receiver_distance_->setValue(response_.receiver_distance_m());
    calculate_ = button(row, "C&alculate", Control::response_calculate_button);
    cancel_ = button(row, "Ca&ncel", Control::response_cancel_button);
    progress_ = new QProgressBar(row);
    name_control(*progress_, Control::response_progress);
    progress_->setRange(0, bem_steps);
    progress_->setFormat(QStringLiteral("%v of %m steps"));
    model_status_ = new QLabel(row);
    name_control(*model_status_, Control::response_model_status);
    // A long status is cut at the window's edge rather than widening it.
    model_status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ResponseWindow::lay_out_model_row(QWidget* row) {
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(caption_for(row, "M&odel", model_));
    h->addWidget(model_);
    h->addSpacing(16);
    h->addWidget(caption_for(row, "Source dis&tance", source_distance_));
    h->addWidget(source_distance_);
    h->addWidget(caption_for(row, "Rece&ivers at", receiver_distance_));
    h->addWidget(receiver_distance_);
    h->addSpacing(16);
    h->addWidget(calculate_);
    h->addWidget(cancel_);
    h->addWidget(progress_);
    h->addWidget(model_status_, 1);
}

void ResponseWindow::connect_model_row() {
    connect(model_, &QComboBox::currentIndexChanged, this, [this] { model_changed(); });
    const auto changed = [this] { inputs_changed(); };
    connect(source_distance_, &QDoubleSpinBox::valueChanged, this, changed);
    connect(receiver_distance_, &QDoubleSpinBox::valueChanged, this, changed);
    connect(calculate_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_run(); });
}

void ResponseWindow::model_changed() {
    response_.set_model(model_->currentIndex() == 1 ? ResponseModel::boundary_elements
                                                    : ResponseModel::far_field);
    refresh();
}

void ResponseWindow::calculate() {
    response_.set_model(ResponseModel::boundary_elements);
    refresh();
    if (const std::optional<BemJob> job = response_.bem().start()) worker_->start(*job);
    refresh();
}

void ResponseWindow::cancel_run() {
    response_.bem().cancel();
    worker_->stop();
    refresh();
}

void ResponseWindow::build_inputs(QWidget* row) {
    create_inputs(row);
    lay_out_inputs(row);
    connect_inputs();
}

void ResponseWindow::create_inputs(QWidget* row) {
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
    help_ = button(row, "&Help", Control::response_help_button);
    close_ = button(row, "C&lose", Control::response_close_button);
}

void ResponseWindow::lay_out_inputs(QWidget* row) {
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
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
}

// The commands on a row of their own under the picture, as a dialog's
// buttons: beside the inputs they made the window wider than a 1024 pixel
// screen, Close and Help beyond its edge.
QHBoxLayout* ResponseWindow::lay_out_commands() {
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    for (QPushButton* b : {copy_, export_, help_, close_}) h->addWidget(b);
    set_tab_order({cancel_, copy_, export_, help_, close_});
    return h;
}

void ResponseWindow::connect_inputs() {
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
    connect(help_, &QPushButton::clicked, this,
            [this] { open_response_help(main_.host(), guide_folder_); });
    connect(close_, &QPushButton::clicked, this, [this] {
        cancel_run();
        main_.companions().close(Window::response);
    });
    // Escape does what Close does.
    leave_on_keys(*this, {Qt::Key_Escape}, [close = close_] { close->click(); });
}

void ResponseWindow::inputs_changed() {
    response_.set_source_angle(source_angle_->value());
    response_.set_panels(panels_->value());
    response_.set_common_reference(common_reference_->isChecked());
    response_.set_distances(source_distance_->value(), receiver_distance_->value());
    refresh();
}

const QImage& ResponseWindow::image() const {
    return picture_->image();
}

void ResponseWindow::refresh() {
    if (!isVisible()) return;
    response_.refresh();
    // A run the form no longer counts as going (its inputs left the screen)
    // is stopped.
    if (!response_.bem().running_run()) worker_->stop();
    {
        const QSignalBlocker block(frequency_);
        frequency_->setValue(response_.frequency_hz());
    }
    design_frequency_->setEnabled(!response_.follows_design_frequency());
    // A sheet of a design no longer on screen is not offered as current.
    const bool shown = response_.shown() != nullptr && response_.shown_current();
    copy_->setEnabled(shown);
    export_->setEnabled(shown);
    status_->setText(qs(response_.message()));
    status_->setVisible(!response_.message().empty());
    refresh_model_row();
    const Drawn now{response_.model(), response_.computations(), response_.bem().revision()};
    if (drawn_ != now || picture_->image().size() != picture_->size()) redraw();
}

void ResponseWindow::refresh_model_row() {
    const bool bem = response_.model() == ResponseModel::boundary_elements;
    {
        const QSignalBlocker block(model_);
        model_->setCurrentIndex(bem ? 1 : 0);
    }
    const BemRunForm& run = response_.bem();
    const BemState state = run.state();
    // The common reference needs the flat panel's loudness, which only the
    // far field keeps.
    common_reference_->setEnabled(!bem);
    calculate_->setEnabled(run.can_start());
    cancel_->setEnabled(state == BemState::running);
    progress_->setVisible(bem);
    const bool counting = state == BemState::running || state == BemState::cancelled;
    progress_->setValue(state == BemState::finished ? bem_steps : counting ? run.steps_done() : 0);
    model_status_->setText(bem ? qs(run.status_text()) : QString());
    model_status_->setToolTip(model_status_->text());
}

void ResponseWindow::redraw() {
    drawn_ = Drawn{response_.model(), response_.computations(), response_.bem().revision()};
    const ResponseView* view = response_.shown();
    if (view == nullptr) {
        QImage blank(picture_->size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        picture_->set_image(blank);
        return;
    }
    const QImage sheet = render_response(*view, picture_->size());
    picture_->set_image(response_.shown_current() ? sheet : greyed(sheet));
}

void ResponseWindow::copy_to_clipboard() {
    const ResponseView* view = response_.shown();
    if (view == nullptr || !response_.shown_current()) return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(render_response(*view, response_default_size));
}

void ResponseWindow::export_to_file() {
    const ResponseView* view = response_.shown();
    if (view == nullptr || !response_.shown_current()) return;
    QString chosen_filter;
    QString path = choose_file_to_save(this, qs(export_caption),
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

// Closing stops a run: nobody is left to watch it.
void ResponseWindow::closeEvent(QCloseEvent* event) {
    cancel_run();
    main_.companions().close(Window::response);
    event->accept();
}

}  // namespace welkin
