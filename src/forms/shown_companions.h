// Which of the main window's companions the user has open: the scorecard
// and the polar response. Minimising the main window hides every companion,
// the visualiser too; restoring it shows again those that were open.
#pragma once

#include "forms/host.h"

namespace welkin {

class ShownCompanions {
public:
    explicit ShownCompanions(Host& host) : host_(host) {}

    // "&Scorecard" (or a click on a score tile) and "Polar response ...",
    // and each window's own close.
    void open(Window companion);
    void close(Window companion);
    bool shown(Window companion) const;
    // Counts the window as closed without hiding it, for start-up, before
    // any window shows.
    void forget(Window companion);

    void minimised_changed(bool minimised, bool visualiser_shown);

private:
    bool& flag(Window companion);

    Host& host_;
    bool scorecard_ = false;
    bool response_ = false;
};

}  // namespace welkin
