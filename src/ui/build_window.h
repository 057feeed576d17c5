// The Build window: the builder's choices beside a live preview of the
// cutting plan and the parts count, and a button for each workshop file.
// Modal, opened from the main window's and the 2D window's Export menus.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "forms/build_form.h"
#include "forms/main_form.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace welkin {

class BuildWindow final : public QDialog {
public:
    BuildWindow(MainForm& main, std::optional<Offsets2d> offsets_2d, QWidget* parent);

    BuildForm& form() { return form_; }
    // Writes one output to `path`; the message box says why when it cannot.
    bool write_output(BuildOutput output, const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void build_choices(QWidget* column);
    void build_buttons(QWidget* column);
    void choices_changed();
    void refresh();
    void save_as(BuildOutput output);
    QDoubleSpinBox* spin(double max, int decimals, double step);

    BuildForm form_;
    QString start_folder_;  // where the project dialogs start
    QComboBox* construction_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QDoubleSpinBox* kerf_ = nullptr;
    std::array<QDoubleSpinBox*, 3> board_{};
    std::array<QDoubleSpinBox*, 3> stick_{};
    QComboBox* material_ = nullptr;
    QDoubleSpinBox* density_ = nullptr;
    QDoubleSpinBox* spare_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* preview_ = nullptr;
    std::vector<QPushButton*> outputs_;
};

}  // namespace welkin
