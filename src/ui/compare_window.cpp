#include "ui/compare_window.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "compare/comparison_table.h"
#include "forms/main_form.h"
#include "forms/main_form_offscreen.h"
#include "persist/file_io.h"
#include "render/compare_render.h"
#include "render/qt_text.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialogs.h"
#include "ui/object_names.h"
#include "ui/picture_view.h"
#include "ui/window_keys.h"

namespace welkin {

namespace {

constexpr int margin_px = 8;
constexpr QSize window_size{1240, 980};
const QColor best_background{214, 238, 214};
const QColor group_background{235, 235, 235};

QPushButton* button(QWidget* parent, const char* caption, Control name) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    name_control(*b, name);
    return b;
}

QTableWidgetItem* cell(const std::string& text, bool best) {
    auto* item = new QTableWidgetItem(qs(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (best) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(best_background);
    }
    return item;
}

}  // namespace

CompareWindow::CompareWindow(MainForm& main, std::string store, std::function<void()> main_changed)
    : QWidget(nullptr, Qt::Window),
      main_(main),
      main_changed_(std::move(main_changed)),
      compare_(design_of, std::move(store)) {
    name_control(*this, Control::compare_window);
    setWindowTitle(qs(compare_title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin_px, margin_px, margin_px, margin_px);
    layout->addWidget(build_commands());
    status_ = new QLabel(this);
    name_control(*status_, Control::compare_status);
    status_->setStyleSheet(QStringLiteral("color: #c00000;"));
    status_->hide();
    layout->addWidget(status_);
    auto* split = new QSplitter(Qt::Vertical, this);
    table_ = new QTableWidget(split);
    name_control(*table_, Control::compare_table);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(20);
    picture_ = new PictureView(split);
    name_control(*picture_, Control::compare_picture);
    picture_->setMinimumSize(comparison_default_size / 2);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    layout->addWidget(build_column_commands());
    resize(window_size);
    fit_to_screen(*this);
    compare_.restore();
    leave_on_keys(*this, {Qt::Key_Escape}, [this] { close(); });
}

QWidget* CompareWindow::build_commands() {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    QPushButton* pin_button = button(row, "&Pin this design", Control::compare_pin_button);
    QPushButton* open = button(row, "&Open project...", Control::compare_open_button);
    build_sound_inputs(row);
    QPushButton* csv = button(row, "Export &table...", Control::compare_csv_button);
    QPushButton* sheet = button(row, "Export &sheet...", Control::compare_export_button);
    for (QWidget* w : std::initializer_list<QWidget*>{pin_button, open}) h->addWidget(w);
    h->addSpacing(16);
    h->addWidget(new QLabel(QStringLiteral("Source angle"), row));
    h->addWidget(source_angle_);
    h->addWidget(own_frequencies_);
    h->addWidget(frequency_);
    h->addStretch(1);
    h->addWidget(csv);
    h->addWidget(sheet);
    connect_commands(pin_button, open, csv, sheet);
    return row;
}

void CompareWindow::build_sound_inputs(QWidget* row) {
    source_angle_ = new QDoubleSpinBox(row);
    name_control(*source_angle_, Control::compare_source_angle);
    source_angle_->setRange(-90, 90);
    source_angle_->setDecimals(1);
    source_angle_->setSuffix(QStringLiteral("\u00B0"));
    own_frequencies_ = new QCheckBox(QStringLiteral("Each at its &design frequency"), row);
    name_control(*own_frequencies_, Control::compare_own_frequencies);
    frequency_ = new QDoubleSpinBox(row);
    name_control(*frequency_, Control::compare_frequency);
    frequency_->setRange(20, 20000);
    frequency_->setDecimals(0);
    frequency_->setSuffix(QStringLiteral(" Hz"));
    frequency_->setValue(1000);
}

void CompareWindow::connect_commands(QPushButton* pin_button, QPushButton* open, QPushButton* csv,
                                     QPushButton* sheet) {
    connect(pin_button, &QPushButton::clicked, this, [this] { pin(); });
    connect(open, &QPushButton::clicked, this, [this] {
        const QString path = choose_file_to_open(
            this, QStringLiteral("Open project into the comparison"), QDir::homePath(),
            QStringLiteral("Projects (*.qrd *.QRD)"));
        if (!path.isEmpty()) open_project(path);
    });
    connect(source_angle_, &QDoubleSpinBox::valueChanged, this, [this] { settings_changed(); });
    connect(frequency_, &QDoubleSpinBox::valueChanged, this, [this] { settings_changed(); });
    connect(own_frequencies_, &QCheckBox::toggled, this, [this] { settings_changed(); });
    connect(csv, &QPushButton::clicked, this, [this] {
        const QString path = choose_file_to_save(this, QStringLiteral("Export the table"),
                                                 QDir::home().filePath("comparison.csv"),
                                                 QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty()) export_csv(path);
    });
    connect(sheet, &QPushButton::clicked, this, [this] {
        const QString path = choose_file_to_save(
            this, QStringLiteral("Export the sheet"), QDir::home().filePath("comparison.png"),
            QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
        if (!path.isEmpty()) export_sheet(path);
    });
}

QWidget* CompareWindow::build_column_commands() {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(QStringLiteral("Chosen design:"), row));
    const auto add = [&](const char* caption, Control name, auto action) {
        QPushButton* b = button(row, caption, name);
        h->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, action] {
            const int column = chosen_column();
            if (column >= 0) action(static_cast<std::size_t>(column));
        });
    };
    add("Move &left", Control::compare_left_button, [this](std::size_t i) {
        if (i > 0) compare_.move(i, i - 1);
        refresh();
        table_->selectColumn(static_cast<int>(i > 0 ? i - 1 : i));
    });
    add("Move &right", Control::compare_right_button, [this](std::size_t i) {
        compare_.move(i, i + 1);
        refresh();
        table_->selectColumn(static_cast<int>(std::min(i + 1, compare_.comparison().size() - 1)));
    });
    add("Re&name...", Control::compare_rename_button, [this](std::size_t i) { rename_column(i); });
    add("Re&move", Control::compare_remove_button, [this](std::size_t i) {
        compare_.remove(i);
        refresh();
    });
    add("Open in main &window", Control::compare_open_main_button, [this](std::size_t i) {
        if (compare_.open_in_main(i, main_) && main_changed_) main_changed_();
    });
    h->addStretch(1);
    return row;
}

void CompareWindow::rename_column(std::size_t column) {
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, QStringLiteral("Rename"), QStringLiteral("Name"), QLineEdit::Normal,
        qs(compare_.comparison().designs()[column].name), &ok);
    if (ok) compare_.rename(column, name.toStdString());
    refresh();
}

int CompareWindow::chosen_column() const {
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    const int column = ranges.isEmpty() ? table_->currentColumn() : ranges[0].leftColumn();
    return column >= 0 && column < static_cast<int>(compare_.comparison().size()) ? column : -1;
}

void CompareWindow::report(const std::string& message) {
    status_->setText(qs(message));
    status_->setVisible(!message.empty());
}

void CompareWindow::pin() {
    const Result<std::size_t> added = compare_.pin(main_);
    report(added.message());
    refresh();
}

void CompareWindow::open_project(const QString& path) {
    const Result<std::size_t> added = compare_.open_project(path.toStdString());
    report(added.message());
    refresh();
}

void CompareWindow::export_csv(const QString& path) {
    const Comparison& c = compare_.comparison();
    const Result<std::string> written =
        write_file_atomically(path.toStdString(), comparison_csv(design_names(c), compare_.rows()));
    report(written ? std::string()
                   : "Cannot write " + path.toStdString() + ": " + written.message());
}

void CompareWindow::export_sheet(const QString& path) {
    const Result<QString> written =
        export_comparison(compare_.comparison(), comparison_default_size, path);
    report(written ? std::string() : written.message());
}

void CompareWindow::settings_changed() {
    const Result<ComparisonSettings> set = compare_.set_sound(
        source_angle_->value(),
        own_frequencies_->isChecked() ? std::nullopt : std::optional<double>(frequency_->value()));
    report(set.message());
    refresh();
}

const QImage& CompareWindow::image() const {
    return picture_->image();
}

void CompareWindow::fill_table() {
    tabled_for_ = compare_.changes();
    const Comparison& c = compare_.comparison();
    const std::vector<ComparisonRow>& rows = compare_.rows();
    table_->clear();
    table_->setColumnCount(static_cast<int>(c.size()));
    QStringList headers;
    for (const std::string& name : design_names(c)) headers << qs(name);
    table_->setHorizontalHeaderLabels(headers);
    QStringList labels;
    std::optional<RowGroup> group;
    int r = 0;
    table_->setRowCount(static_cast<int>(rows.size()) + 4);
    for (const ComparisonRow& row : rows) {
        if (group != row.group) {
            group = row.group;
            labels << qs(row_group_title(row.group)).toUpper();
            for (int col = 0; col < table_->columnCount(); ++col) {
                auto* heading = new QTableWidgetItem();
                heading->setFlags(Qt::NoItemFlags);
                heading->setBackground(group_background);
                table_->setItem(r, col, heading);
            }
            ++r;
        }
        labels << qs(row.label);
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const bool best = std::find(row.best.begin(), row.best.end(), i) != row.best.end();
            table_->setItem(r, static_cast<int>(i), cell(row.cells[i], best));
        }
        ++r;
    }
    table_->setRowCount(r);
    table_->setVerticalHeaderLabels(labels);
}

void CompareWindow::refresh() {
    const ComparisonSettings& s = compare_.comparison().settings();
    {
        const QSignalBlocker a(source_angle_);
        const QSignalBlocker b(own_frequencies_);
        const QSignalBlocker c(frequency_);
        source_angle_->setValue(s.source_angle_deg);
        own_frequencies_->setChecked(!s.frequency_hz);
        if (s.frequency_hz) frequency_->setValue(*s.frequency_hz);
        frequency_->setEnabled(s.frequency_hz.has_value());
    }
    if (!isVisible()) return;
    if (tabled_for_ != compare_.changes()) fill_table();
    if (drawn_for_ != compare_.changes() || picture_->image().size() != picture_->size()) {
        drawn_for_ = compare_.changes();
        picture_->set_image(render_comparison(compare_.comparison(), picture_->size()));
    }
}

void CompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void CompareWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();
}

}  // namespace welkin
