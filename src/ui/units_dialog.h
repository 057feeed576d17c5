// The units window: a small modal dialog over UnitsForm.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "forms/units_form.h"

class QGroupBox;

namespace welkin {

class UnitsDialog final : public QDialog {
public:
    UnitsDialog(UnitsForm& form, QWidget* parent);

private:
    void refresh();

    UnitsForm& form_;
    std::array<QRadioButton*, 3> options_{};
    QGroupBox* rules_frame_ = nullptr;
    std::array<QLabel*, imperial_rules.size()> rules_{};
};

}  // namespace welkin
