// The full-screen view of the 2D panel or its crossword: a borderless
// dialog over the whole screen, closed by any key (or, for the panel, any
// click); over the crossword a readout follows the pointer.
#pragma once

#include <QDialog>
#include <QImage>

#include "forms/panel2d_form.h"

class QLabel;

namespace welkin {

class FullScreenWindow final : public QDialog {
public:
    FullScreenWindow(Panel2dForm& form, QWidget* parent);

    // Repaints when the form has redrawn since.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void show_readout(const Readout& r);

    Panel2dForm& form_;
    QImage image_;
    long drawn_for_ = -1;
    QWidget* readout_box_ = nullptr;
    QLabel* readout_label_ = nullptr;
    QLabel* row_column_label_ = nullptr;
    QLabel* legend_ = nullptr;
};

}  // namespace welkin
