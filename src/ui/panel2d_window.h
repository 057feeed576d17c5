// The 2D window: a passive view over Panel2dForm. Controls call the form's
// handlers; the window then re-reads the form and, after a redraw, paints
// both pictures again with the painters.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

#include <optional>
#include <functional>

#include "forms/host.h"
#include "forms/main_form.h"
#include "forms/panel2d_form.h"

class QCheckBox;
class QLabel;
class QLayout;
class QRadioButton;

namespace welkin {

class Panel2dWindow final : public QDialog {
public:
    // The main form opens the Build window for the panel at the grid's offsets.
    Panel2dWindow(Panel2dForm& form, MainForm& main, QWidget* parent);

    QImage picture_image(Picture2d which) const;
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    QLayout* build_pictures();
    QLayout* build_options();
    QLayout* build_buttons();
    void build_menus();
    void act(const std::function<void()>& handler);
    void repaint_pictures();

    Panel2dForm& form_;
    MainForm& main_;
    QLabel* panel_view_ = nullptr;
    QLabel* crossword_view_ = nullptr;
    QLabel* caption_ = nullptr;
    QCheckBox* numbers_ = nullptr;
    QCheckBox* half_size_ = nullptr;
    QCheckBox* no_colour_ = nullptr;
    QCheckBox* dimensions_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QCheckBox* depth_lines_ = nullptr;
    QRadioButton* well_depths_ = nullptr;
    QRadioButton* block_heights_ = nullptr;
    long drawn_for_ = -1;
    bool placed_ = false;
    // The window's size before "Dimensions" widened the crossword, to go
    // back to when it is cleared; none while the crossword is not wide.
    std::optional<QSize> size_before_dimensions_;
};

class MainWindow;
class WindowRegistry;

// Shows the 2D window or its full-screen view modally, each created on
// first use and kept; false for any other window.
bool show_2d_window(Window window, MainWindow& main, WindowRegistry& windows);

}  // namespace welkin
