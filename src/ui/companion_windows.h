// The modeless windows that follow the main window: the scorecard and the
// visualiser. Created hidden with the main window, registered with the
// host by role, refreshed whenever the main window is.
#pragma once

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

private:
    MainWindow& main_;
    ScorecardWindow scorecard_;
    VisualiserWindow visualiser_;
};

}  // namespace welkin
