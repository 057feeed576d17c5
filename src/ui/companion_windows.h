// The modeless windows that follow the main window: the scorecard, the
// visualiser and the polar response. Created hidden with the main window,
// registered with the host by role, refreshed whenever the main window is.
#pragma once

#include "ui/compare_window.h"
#include "ui/response_window.h"
#include "ui/scorecard_window.h"
#include "ui/visualiser_window.h"

namespace welkin {

class MainWindow;
class QtHost;

class CompanionWindows {
public:
    CompanionWindows(MainWindow& main, QtHost& host);

    // Puts the visualiser under the main window, once that is placed, and
    // shows it when the settings say so.
    void place_and_show();

    ScorecardWindow& scorecard() { return scorecard_; }
    VisualiserWindow& visualiser() { return visualiser_; }
    ResponseWindow& response() { return response_; }
    CompareWindow& compare() { return compare_; }

private:
    MainWindow& main_;
    ScorecardWindow scorecard_;
    VisualiserWindow visualiser_;
    ResponseWindow response_;
    CompareWindow compare_;
};

}  // namespace welkin
