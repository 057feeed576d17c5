#include "forms/results_table_form.h"

namespace welkin {

void ResultsTableForm::next_page() {
    page_ = page_ >= results_pages - 1 ? 0 : page_ + 1;
    if (!main_busy_()) show();
}

void ResultsTableForm::scroll(int first_well) {
    if (first_well == scroll_value_) return;
    scroll_value_ = first_well;
    show();
}

void ResultsTableForm::recomputed() {
    // The rows show eleven wells; the bar reaches the last of them.
    const int n = shown_.design.well_count;
    scroll_max_ = n > figures_rows - 1 ? n - figures_rows : 0;
    if (scroll_value_ > scroll_max_) scroll(scroll_max_);
    show();
}

void ResultsTableForm::show() {
    figures_ = figures_table(shown_, page_, scroll_value_);
}

}  // namespace welkin
