// The visualiser window: the front view of one to three panels, redrawn
// after every complete recompute while "Show Visualizer" is checked.
#pragma once

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
    // Left and width of the main window, 100 twips below it, unless the
    // settings hold a place of their own.
    void place_under(const QRect& main_frame);
    const QImage& image() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void remember_place();

    MainForm& form_;
    std::function<void()> after_handler_;
    PictureView* picture_ = nullptr;
    long drawn_for_ = -1;  // the completed recompute the picture shows
    bool placing_ = false;
};

}  // namespace welkin
