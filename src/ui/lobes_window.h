// The lobes window (and, in its other mode, the usable ranges explorer): a
// passive view over LobesForm that advances the form's run from the event
// loop in short slices, so "Abort" and repaints are served while it draws.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>

#include "forms/lobes_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace welkin {

class MainWindow;
class QtCanvas;
class WindowRegistry;

class LobesWindow final : public QDialog {
public:
    LobesWindow(MainWindow& main, QWidget* parent);
    ~LobesWindow() override;

    // Places the window for the opening the form was given and shows it
    // modally; returns when it is hidden.
    void open_modal();
    LobesForm& form() { return form_; }
    // The picture as the last finished run left it.
    const QImage& persistent_image() const { return persistent_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The window manager's frame, known only after showing, changes the
    // picture's height too.
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;  // Escape acts as "Exit"

private:
    void build();
    void build_results();
    void lay_out();
    void place();
    void refresh();
    // Runs a handler of the form; a run it started is then driven to its end.
    void act(const std::function<void()>& handler);
    void tick();
    void exit_window();
    // A picture of a new size is drawn again, after the run in progress.
    void picture_resized();

    MainWindow& main_;
    LobesForm& form_;
    QWidget* picture_ = nullptr;
    QFrame* frame_ = nullptr;
    QLabel* angle_caption_ = nullptr;
    QLineEdit* angle_field_ = nullptr;
    QLabel* angle_range_ = nullptr;
    QPushButton* redo_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* abort_ = nullptr;
    QRadioButton* show_ends_ = nullptr;
    QRadioButton* show_trues_ = nullptr;
    std::array<QLabel*, 8> results_{};  // in the order of LobeTexts

    QImage image_;       // drawn by the run in progress
    QImage persistent_;  // what a finished run left
    std::unique_ptr<QtCanvas> canvas_;
    bool ticking_ = false;
    bool run_on_activation_ = false;  // shown, its first run not yet started
    bool redraw_after_run_ = false;
    bool placed_ = false;
    LobesSize placed_size_ = LobesSize::full;
};

// QtHost's modal showing of the lobes window, created on first use and kept.
void show_lobes_window(MainWindow& main, WindowRegistry& windows);

}  // namespace welkin
