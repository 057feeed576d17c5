// The main window: a passive view over MainForm. Widget events call the
// form's handlers; afterwards the window re-reads the form and, when a
// recompute has run to the end, redraws its three pictures.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "forms/main_form.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QFrame;

namespace welkin {

class PictureView;

class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(MainForm& form);

    MainForm& form() { return form_; }
    void focus_field(Field field);
    QImage picture_image(Picture picture) const;
    // The scorecard and visualiser windows join here when they exist.
    void show_companion(Window window, bool shown);

    // Re-reads everything the window shows from the form.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build_fields();
    void build_buttons();
    void build_results();
    void build_figures_table();
    void build_pictures();
    void build_menus();
    void lay_out();

    // Runs a handler of the form, then shows what it changed.
    void act(const std::function<void()>& handler);
    void repaint_pictures();
    void refresh_fields();
    void refresh_buttons();
    void refresh_results();
    void refresh_figures();
    void refresh_menus();
    void show_pointer_tip(int x_px);

    MainForm& form_;
    QWidget* central_ = nullptr;

    std::array<QLineEdit*, field_count> fields_{};
    std::array<QLabel*, field_count> field_labels_{};
    QRadioButton* opt_freqlock_ = nullptr;
    QRadioButton* opt_depthlock_ = nullptr;
    QRadioButton* opt_buildlock_2d_ = nullptr;

    QPushButton* Command1_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Command11_ = nullptr;
    std::array<QPushButton*, 7> advanced_buttons_{};  // in the order of Button

    QLabel* Label6_ = nullptr;
    QLabel* Label13_ = nullptr;
    QLabel* Label11_ = nullptr;
    QLabel* Label8_ = nullptr;
    QFrame* Frame3_ = nullptr;
    std::array<QLabel*, 4> lbl_score_{};
    QLabel* lbl_status_ = nullptr;

    QFrame* Frame2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label21_ = nullptr;
    std::array<QLabel*, figures_rows> wellnum_{};
    std::array<QLabel*, figures_rows> ratio_{};
    QScrollBar* HScroll1_ = nullptr;

    PictureView* Picture1_ = nullptr;
    PictureView* Picture2_ = nullptr;
    PictureView* Picture3_ = nullptr;

    QAction* mnu_autowells_ = nullptr;
    QAction* mnu_advanced_ = nullptr;
    QAction* mnu_auto_optimise_ = nullptr;
    QAction* mnu_inverse_pairing_ = nullptr;
    QAction* mnu_2d_optimise_ = nullptr;
    QAction* mnu_optimise_ = nullptr;
    QAction* mnu_halfwidth_ = nullptr;
    std::array<QAction*, 5> scale_items_{};

    long pictures_drawn_for_ = -1;  // the completed recompute the pictures show
};

}  // namespace welkin
