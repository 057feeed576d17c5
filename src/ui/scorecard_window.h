// The scorecard window: the four tests in sentences beside their icons and
// illustrations. A passive view over scorecard_view(form.snapshot().texts).
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>

#include "forms/main_form.h"

class QLabel;

namespace welkin {

class PictureView;

class ScorecardWindow final : public QWidget {
public:
    ScorecardWindow(MainForm& form, std::filesystem::path guide_folder);

    // Re-reads the texts and icons of the last complete recompute.
    void refresh();

protected:
    // The title bar's close does what "&OK" does.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        PictureView* picture = nullptr;
        QLabel* icon = nullptr;
        QLabel* headline = nullptr;
        QLabel* consequence = nullptr;
    };

    void build_row(std::size_t index, QWidget* body);
    void place_on_screen();

    MainForm& form_;
    std::filesystem::path guide_folder_;
    QLabel* heading_ = nullptr;
    std::array<Row, 4> rows_{};
    QLabel* strategy_heading_ = nullptr;
    QLabel* strategy_line_ = nullptr;
};

}  // namespace welkin
