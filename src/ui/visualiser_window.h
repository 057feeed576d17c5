// The visualiser window: the front view of one to three panels, redrawn
// after every complete recompute while "Show Visualizer" is checked.
#pragma once

#include <QMargins>
#include <QWidget>
#include <functional>

#include "forms/main_form.h"

namespace welkin {

class PictureView;

class VisualiserWindow final : public QWidget {
public:
    // `after_handler` lets the main window show what a handler changed.
    VisualiserWindow(MainForm& form, std::function<void()> after_handler);

    void refresh();
    // Left and width of the main window, 100 twips below its outer bottom
    // edge, unless the settings hold a place of their own. The window
    // manager adds the main window's frame only after it is shown, so the
    // window is placed again when that frame changes.
    void place_under(QWidget& main);
    const QImage& image() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void remember_place();
    void place_below_main();

    MainForm& form_;
    std::function<void()> after_handler_;
    PictureView* picture_ = nullptr;
    long drawn_for_ = -1;  // the completed recompute the picture shows
    bool placing_ = false;
    QWidget* main_ = nullptr;
    bool follows_main_ = false;  // the settings gave no place of its own
    QMargins main_frame_margins_;  // of the main window when last placed
};

}  // namespace welkin
