// The polar response window: frequency, source angle and panels side by
// side over the response sheet of the design on screen. Modeless; it
// follows every recompute of the main window while it is shown.
#pragma once

#include <QWidget>

#include <filesystem>

#include "forms/main_form.h"
#include "forms/response_form.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace welkin {

class PictureView;

class ResponseWindow final : public QWidget {
public:
    ResponseWindow(MainForm& main, std::filesystem::path guide_folder);

    // Brings the inputs and the picture up to date; nothing while hidden.
    void refresh();
    ResponseForm& form() { return response_; }
    const QImage& image() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The frame's close does what Close does.
    void closeEvent(QCloseEvent* event) override;

private:
    void build_inputs(QWidget* row);
    void inputs_changed();
    void copy_to_clipboard();
    void export_to_file();
    void redraw();

    MainForm& main_;
    std::filesystem::path guide_folder_;
    ResponseForm response_;
    QDoubleSpinBox* frequency_ = nullptr;
    QPushButton* design_frequency_ = nullptr;
    QDoubleSpinBox* source_angle_ = nullptr;
    QSpinBox* panels_ = nullptr;
    QCheckBox* common_reference_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* export_ = nullptr;
    QLabel* status_ = nullptr;
    PictureView* picture_ = nullptr;
    long drawn_for_ = -1;
};

}  // namespace welkin
