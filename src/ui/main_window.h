// The main window: a passive view over MainForm. Widget events call the
// form's handlers; afterwards the window re-reads the form and, when a
// recompute has run to the end, redraws its three pictures.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

#include "forms/main_form.h"
#include "ui/object_names.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace welkin {

class PictureView;
struct MenuEntry;

class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(MainForm& form);

    MainForm& form() { return form_; }
    void focus_field(Field field);
    // The whole picture as last drawn, also where it is wider than its place.
    QImage picture_image(Picture picture) const;

    // Re-reads everything the window shows from the form.
    void refresh();
    // A modeless window that shows the form too: refreshed with this one,
    // hidden when this one closes.
    void add_companion(QWidget* window, std::function<void()> refresh);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct BoundItem {
        const MenuEntry* entry;
        QAction* action;
    };

    void build_fields();
    void build_buttons();
    void build_results();
    void build_figures_table();
    void build_pictures();
    void build_menus();
    void bind_menu_item(const MenuEntry& entry, QAction* action, QActionGroup*& group);
    void lay_out_controls();
    void lay_out_pictures();
    void lay_out_figures_table();
    void size_window();
    void order_tabs();

    // Runs a handler of the form, then shows what it changed.
    void act(const std::function<void()>& handler);
    bool field_event(Field field, QEvent* event);
    void repaint_pictures();
    void pan_pictures(int x_px);
    void refresh_fields();
    void refresh_buttons();
    void refresh_results();
    void refresh_figures();
    void refresh_menus();
    void show_pointer_tip(int x_px);

    MainForm& form_;
    QWidget* central_ = nullptr;

    std::array<QLineEdit*, field_count> fields_{};
    // In the order of Field; the well width's is the caption the recompute writes.
    std::array<QLabel*, field_count> field_labels_{};
    static constexpr std::array<Control, field_count> field_label_names = {
        Control::well_count_label,   Control::design_frequency_label, Control::well_width_caption,
        Control::fin_width_label,    Control::deepest_well_label,     Control::build_depth_2d_label};
    QRadioButton* frequency_lock_ = nullptr;
    QRadioButton* depth_lock_ = nullptr;
    QRadioButton* build_depth_2d_lock_ = nullptr;

    QPushButton* go_button_ = nullptr;
    QPushButton* next_prime_button_ = nullptr;
    QPushButton* previous_prime_button_ = nullptr;
    QPushButton* inverse_button_ = nullptr;
    std::array<QPushButton*, 7> advanced_buttons_{};  // in the order of Button

    QLabel* cutoffs_label_ = nullptr;
    QLabel* period_width_label_ = nullptr;
    QLabel* seating_distance_label_ = nullptr;
    QLabel* explore_label_ = nullptr;
    QFrame* note_2d_frame_ = nullptr;
    std::array<QLabel*, 4> score_tiles_{};
    QLabel* status_line_ = nullptr;

    QFrame* figures_table_ = nullptr;
    QLabel* results_toggle_ = nullptr;
    QLabel* well_number_heading_ = nullptr;
    QLabel* ratio_heading_ = nullptr;
    std::array<QLabel*, figures_rows> well_number_cells_{};
    std::array<QLabel*, figures_rows> ratio_cells_{};
    QScrollBar* figures_scroll_ = nullptr;

    PictureView* cross_section_view_ = nullptr;
    PictureView* phase_wheel_view_ = nullptr;
    PictureView* scatter_view_ = nullptr;
    QScrollBar* picture_pan_bar_ = nullptr;

    struct Companion {
        QWidget* window;
        std::function<void()> refresh;
    };
    std::vector<Companion> companions_;
    std::vector<BoundItem> menu_items_;  // the items whose check or enabling follows the form

    long pictures_drawn_for_ = 0;  // the completed recompute the pictures show
    bool closing_ = false;
};

}  // namespace welkin
