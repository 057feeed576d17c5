#include "ui/units_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstddef>

#include "render/qt_canvas.h"
#include "render/qt_text.h"

namespace welkin {

UnitsDialog::UnitsDialog(UnitsForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(qs(units_caption));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QRadioButton(qs(unit_option_captions[i]), this);
        layout->addWidget(options_[i]);
        connect(options_[i], &QRadioButton::clicked, this, [this, i] {
            form_.select(static_cast<UnitMode>(i));
            refresh();
        });
    }

    rules_frame_ = new QGroupBox(qs(units_rules_caption), this);
    auto* rules_layout = new QVBoxLayout(rules_frame_);
    for (std::size_t i = 0; i < rules_.size(); ++i) {
        rules_[i] = new QLabel(qs(imperial_rules[i]), rules_frame_);
        rules_[i]->setTextFormat(Qt::PlainText);
        rules_layout->addWidget(rules_[i]);
    }
    layout->addWidget(rules_frame_);

    auto* ok = new QPushButton(qs(units_ok_caption), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        form_.confirm();
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    refresh();
}

void UnitsDialog::refresh() {
    const auto selected = static_cast<std::size_t>(form_.selected());
    for (std::size_t i = 0; i < options_.size(); ++i) options_[i]->setChecked(i == selected);
    rules_frame_->setStyleSheet(QStringLiteral("QGroupBox { %1 }")
                                    .arg(colour_style("color", form_.rules_caption_colour())));
    for (QLabel* rule : rules_) rule->setStyleSheet(colour_style("color", form_.rule_colour()));
}

}  // namespace welkin
