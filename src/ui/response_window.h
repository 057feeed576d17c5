// The polar response window: frequency, source angle and panels side by
// side, the model with its distances, Calculate, Cancel and the bands'
// progress, over the response sheet of the design on screen. Modeless; it
// follows every recompute of the main window while it is shown. The
// boundary-element model runs on a worker thread, and its chart fills in
// band by band.
#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>

#include "forms/main_form.h"
#include "forms/response_form.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace welkin {

class BemWorker;
class PictureView;

class ResponseWindow final : public QWidget {
public:
    ResponseWindow(MainForm& main, std::filesystem::path guide_folder);
    ~ResponseWindow() override;

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
    void create_inputs(QWidget* row);
    void lay_out_inputs(QWidget* row);
    QHBoxLayout* lay_out_commands();
    void connect_inputs();
    void build_model_row(QWidget* row);
    void make_model_controls(QWidget* row);
    void lay_out_model_row(QWidget* row);
    void connect_model_row();
    void inputs_changed();
    void model_changed();
    void calculate();
    void cancel_run();
    void refresh_model_row();
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
    QPushButton* help_ = nullptr;
    QPushButton* close_ = nullptr;
    QComboBox* model_ = nullptr;
    QDoubleSpinBox* source_distance_ = nullptr;
    QDoubleSpinBox* receiver_distance_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* model_status_ = nullptr;
    QLabel* status_ = nullptr;
    PictureView* picture_ = nullptr;
    // What the picture was last drawn from: the model, the far field's
    // computation and the boundary-element form's revision.
    struct Drawn {
        ResponseModel model;
        long computations;
        long bem_revision;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };
    std::optional<Drawn> drawn_;
    std::unique_ptr<BemWorker> worker_;
};

}  // namespace welkin
