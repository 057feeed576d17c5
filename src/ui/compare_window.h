// The Compare window: two to four designs side by side, as a table of
// their facts with the best marked, over the sheet of their band chart and
// polar plots. Pins the main window's design, opens projects into the
// comparison, and makes a compared design the main window's again.
#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>

#include "forms/compare_form.h"

class QDoubleSpinBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace welkin {

class MainForm;
class PictureView;

class CompareWindow final : public QWidget {
public:
    // `store` keeps the comparison between runs; empty keeps nothing.
    // `main_changed` redraws the main window after a design is opened there.
    CompareWindow(MainForm& main, std::string store, std::function<void()> main_changed);

    CompareForm& form() { return compare_; }
    const QImage& image() const;
    // Brings the table and the sheet up to date with the comparison.
    void refresh();

    // The window's commands, as its buttons run them.
    void pin();
    void open_project(const QString& path);
    void export_csv(const QString& path);
    void export_sheet(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build_commands();
    void build_sound_inputs(QWidget* row);
    void connect_commands(QPushButton* pin_button, QPushButton* open, QPushButton* csv,
                          QPushButton* sheet);
    QWidget* build_column_commands();
    void rename_column(std::size_t column);
    void settings_changed();
    void fill_table();
    int chosen_column() const;
    void report(const std::string& message);

    MainForm& main_;
    std::function<void()> main_changed_;
    CompareForm compare_;
    QDoubleSpinBox* source_angle_ = nullptr;
    QDoubleSpinBox* frequency_ = nullptr;
    QCheckBox* own_frequencies_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    PictureView* picture_ = nullptr;
    long drawn_for_ = -1;
    long tabled_for_ = -1;
};

}  // namespace welkin
