// The figures table under the cross-section: which of its four pages it
// shows, how far it is scrolled through the wells, and the table those make
// of the last complete recompute, the design on screen.
#pragma once

#include <functional>
#include <utility>

#include "core/design_snapshot.h"
#include "panel1d/figures_table.h"

namespace welkin {

inline constexpr int results_pages = 4;

class ResultsTableForm {
public:
    // Reads `shown`, the main window's last complete recompute, whenever it
    // builds the table; `main_busy` says when a page turn must wait for the
    // recompute.
    ResultsTableForm(const DesignSnapshot& shown, std::function<bool()> main_busy)
        : shown_(shown), main_busy_(std::move(main_busy)) {}

    // "Toggle results": the next page, the last one followed by the first.
    void next_page();
    int page() const { return page_; }
    // The page a file or the factory gives; shown at the next recompute.
    void restore_page(int page) { page_ = page; }

    // The scroll bar: the first well of the table's rows.
    void scroll(int first_well);
    int scroll_value() const { return scroll_value_; }
    int scroll_max() const { return scroll_max_; }
    bool scroll_visible() const { return shown_.design.well_count > figures_rows; }

    // After a complete recompute: the scroll range of its wells, and the table.
    void recomputed();
    const FiguresTable& figures() const { return figures_; }

private:
    void show();

    const DesignSnapshot& shown_;
    std::function<bool()> main_busy_;
    int page_ = 1;
    int scroll_value_ = 0;
    int scroll_max_ = 0;
    FiguresTable figures_;
};

}  // namespace welkin
