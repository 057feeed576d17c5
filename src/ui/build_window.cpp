#include "ui/build_window.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "build/build_sheet.h"
#include "persist/file_io.h"
#include "render/build_sheet_render.h"
#include "ui/file_dialogs.h"
#include "ui/object_names.h"

namespace welkin {

namespace {

constexpr double longest_mm = 100000;
constexpr int preview_width = 560;
constexpr int preview_height = 400;
constexpr int summary_height = 150;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

BuildWindow::BuildWindow(MainForm& main, std::optional<Offsets2d> offsets_2d, QWidget* parent)
    : QDialog(parent),
      form_(main.shown(), main.files().build_choices, offsets_2d),
      start_folder_(qs(main.files().last_folder)) {
    name_control(*this, Control::build_window);
    setWindowTitle(QStringLiteral("Build"));
    // Choices and buttons stay put on the left; the summary, as long as the
    // parts list, scrolls under the preview on the right.
    auto* layout = new QHBoxLayout(this);
    auto* left = new QWidget(this);
    auto* column = new QVBoxLayout(left);
    build_choices(left);
    build_buttons(left);
    column->addStretch();
    layout->addWidget(left);
    auto* right = new QVBoxLayout;
    preview_ = new QLabel(this);
    name_control(*preview_, Control::build_preview);
    preview_->setMinimumSize(preview_width, preview_height);
    preview_->setAlignment(Qt::AlignCenter);
    right->addWidget(preview_, 1);
    summary_ = new QLabel(this);
    name_control(*summary_, Control::build_summary);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(summary_);
    scroll->setWidgetResizable(true);
    scroll->setFixedHeight(summary_height);
    right->addWidget(scroll);
    layout->addLayout(right, 1);
    refresh();
}

QDoubleSpinBox* BuildWindow::spin(double max, int decimals, double step) {
    auto* box = new QDoubleSpinBox(this);
    box->setRange(0, max);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setKeyboardTracking(false);  // a choice is taken when typing ends, not per key
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { choices_changed(); });
    return box;
}

void BuildWindow::build_choices(QWidget* column) {
    auto* form = new QFormLayout;
    construction_ = new QComboBox(this);
    name_control(*construction_, Control::build_construction);
    construction_->addItems(
        {QStringLiteral("Solid blocks"), QStringLiteral("Fins and well bottoms")});
    connect(construction_, &QComboBox::currentIndexChanged, this, [this] { choices_changed(); });
    form->addRow(QStringLiteral("Construction"), construction_);
    height_ = spin(longest_mm, 1, 10);
    name_control(*height_, Control::build_panel_height);
    if (!form_.design().two_d) form->addRow(QStringLiteral("Panel height (mm)"), height_);
    height_->setVisible(!form_.design().two_d);
    kerf_ = spin(100, 2, 0.5);
    name_control(*kerf_, Control::build_kerf);
    form->addRow(QStringLiteral("Saw kerf (mm)"), kerf_);
    for (auto [boxes, name, caption] :
         {std::tuple{&board_, Control::build_board, "Boards L x W x T (mm)"},
          std::tuple{&stick_, Control::build_stick, "Sticks L x W x T (mm)"}}) {
        auto* row = new QHBoxLayout;
        for (int i = 0; i < 3; ++i) {
            (*boxes)[static_cast<std::size_t>(i)] = spin(longest_mm, 1, i == 0 ? 100 : 1);
            name_control(*(*boxes)[static_cast<std::size_t>(i)], name, i);
            row->addWidget((*boxes)[static_cast<std::size_t>(i)]);
        }
        form->addRow(QString::fromLatin1(caption), row);
    }
    material_ = new QComboBox(this);
    name_control(*material_, Control::build_material);
    for (const Material& m : material_table()) material_->addItem(qs(m.name));
    material_->addItem(QStringLiteral("Other (density)"));
    connect(material_, &QComboBox::currentIndexChanged, this, [this] { choices_changed(); });
    form->addRow(QStringLiteral("Material"), material_);
    density_ = spin(longest_mm, 0, 10);
    name_control(*density_, Control::build_density);
    form->addRow(QStringLiteral("Density (kg/m3)"), density_);
    spare_ = spin(1000, 0, 5);
    name_control(*spare_, Control::build_spare);
    form->addRow(QStringLiteral("Spare (%)"), spare_);
    static_cast<QVBoxLayout*>(column->layout())->addLayout(form);
}

void BuildWindow::build_buttons(QWidget* column) {
    auto* grid = new QVBoxLayout;
    int index = 0;
    for (const BuildOutputKind& kind : build_output_kinds()) {
        auto* button = new QPushButton(QString::fromLatin1(kind.caption), this);
        // Enter in a size field takes the size; it must not open a save dialog.
        button->setAutoDefault(false);
        name_control(*button, Control::build_output_button, index++);
        connect(button, &QPushButton::clicked, this,
                [this, output = kind.output] { save_as(output); });
        grid->addWidget(button);
        outputs_.push_back(button);
    }
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    name_control(*close, Control::build_close_button);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(close);
    static_cast<QVBoxLayout*>(column->layout())->addLayout(grid);
}

void BuildWindow::choices_changed() {
    const auto stock = [](const std::array<QDoubleSpinBox*, 3>& b) {
        return Stock{b[0]->value(), b[1]->value(), b[2]->value()};
    };
    form_.set_construction(construction_->currentIndex() == 1 ? Construction::fins
                                                              : Construction::blocks);
    form_.set_panel_height(height_->value());
    form_.set_kerf(kerf_->value());
    form_.set_board(stock(board_));
    form_.set_stick(stock(stick_));
    const std::vector<Material> table = material_table();
    const auto chosen = static_cast<std::size_t>(material_->currentIndex());
    form_.set_material(chosen < table.size() ? table[chosen] : Material{"", density_->value()});
    form_.set_spare(spare_->value());
    refresh();
}

void BuildWindow::refresh() {
    const BuildOptions& o = form_.options();
    const std::vector<Material> table = material_table();
    int material = static_cast<int>(table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == o.material.name) material = static_cast<int>(i);
    const std::pair<QDoubleSpinBox*, double> values[] = {
        {height_, o.panel_height_mm},      {kerf_, o.kerf_mm},
        {board_[0], o.board.length_mm},    {board_[1], o.board.width_mm},
        {board_[2], o.board.thickness_mm}, {stick_[0], o.stick.length_mm},
        {stick_[1], o.stick.width_mm},     {stick_[2], o.stick.thickness_mm},
        {density_, o.material.kg_per_m3},  {spare_, o.spare_percent}};
    for (const auto& [box, value] : values) {
        const QSignalBlocker block(box);
        box->setValue(value);
    }
    for (QComboBox* box : {construction_, material_}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(box == construction_ ? (o.construction == Construction::fins ? 1 : 0)
                                                  : material);
    }
    density_->setEnabled(material == static_cast<int>(table.size()));
    QString text;
    for (const std::string& line : form_.summary()) text += qs(line) + QLatin1Char('\n');
    summary_->setText(text.trimmed());
    for (QPushButton* b : outputs_) b->setEnabled(form_.plan().ok());
    const QSize size = preview_->size().expandedTo({preview_width, preview_height});
    if (!form_.plan()) {
        preview_->setPixmap({});
        return;
    }
    const Paper paper = paper_for_locale();
    const double ratio = paper.height_mm / paper.width_mm;
    const QSize page(static_cast<int>(size.height() / ratio), size.height());
    preview_->setPixmap(QPixmap::fromImage(
        render_sheet_page(*form_.plan(), paper, first_plan_page(*form_.plan(), paper), page)));
}

void BuildWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    refresh();
}

bool BuildWindow::write_output(BuildOutput output, const QString& path) {
    Result<std::string> bytes = Result<std::string>::failure(form_.plan().message());
    if (output == BuildOutput::sheet && form_.plan()) {
        const Result<QByteArray> pdf = build_sheet_pdf(*form_.plan(), paper_for_locale());
        bytes = pdf ? Result<std::string>(pdf->toStdString())
                    : Result<std::string>::failure(pdf.message());
    } else if (output != BuildOutput::sheet) {
        bytes = form_.output_bytes(output);
    }
    const Result<std::string> written = bytes ? write_file_atomically(path.toStdString(), *bytes)
                                              : Result<std::string>::failure(bytes.message());
    if (!written) {
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("Cannot write %1: %2").arg(path, qs(written.message())));
        return false;
    }
    return true;
}

void BuildWindow::save_as(BuildOutput output) {
    for (const BuildOutputKind& kind : build_output_kinds()) {
        if (kind.output != output) continue;
        const QString extension = QString::fromLatin1(kind.extension);
        QString path = choose_file_to_save(
            this, QString::fromLatin1(kind.caption).remove(QStringLiteral("...")),
            QDir(start_folder_).filePath(QStringLiteral("welkin-build") + extension),
            QStringLiteral("*") + extension);
        if (path.isEmpty()) return;
        if (!path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
        write_output(output, path);
    }
}

}  // namespace welkin
