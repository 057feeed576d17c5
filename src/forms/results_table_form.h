// The figures table under the cross-section: which of its four pages it
// shows, how far it is scrolled through the wells, and the table those make
// of the design on screen.
#pragma once

#include <functional>
#include <utility>

#include "core/design.h"
#include "panel1d/figures_table.h"

namespace welkin {

inline constexpr int results_pages = 4;

class ResultsTableForm {
public:
    // Reads `design`, the main window's, whenever it builds the table;
    // `main_busy` says when a page turn must wait for the recompute.
    ResultsTableForm(const Design& design, std::function<bool()> main_busy)
        : design_(design), main_busy_(std::move(main_busy)) {}

    // "Toggle results": the next page, the last one followed by the first.
    void next_page();
    int page() const { return page_; }
    // The page a file or the factory gives; shown at the next recompute.
    void restore_page(int page) { page_ = page; }

    // The scroll bar: the first well of the table's rows.
    void scroll(int first_well);
    int scroll_value() const { return scroll_value_; }
    int scroll_max() const { return scroll_max_; }
    bool scroll_visible() const { return design_.well_count > figures_rows; }

    // After a complete recompute: the scroll range of its wells, and the table.
    void recomputed();
    const FiguresTable& figures() const { return figures_; }

private:
    void show();

    const Design& design_;
    std::function<bool()> main_busy_;
    int page_ = 1;
    int scroll_value_ = 0;
    int scroll_max_ = 0;
    FiguresTable figures_;
};

}  // namespace welkin
