#include "ui/companion_windows.h"

#include "forms/visualiser_form.h"
#include "persist/app_folder.h"
#include "persist/guide_folder.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace welkin {

CompanionWindows::CompanionWindows(MainWindow& main, QtHost& host)
    : main_(main),
      scorecard_(main.form(), guide_folder()),
      visualiser_(main.form(), [&main] { main.refresh(); }),
      response_(main.form(), guide_folder()),
      compare_(main.form(), (app_folder() / comparison_file_name).string(),
               [&main] { main.refresh(); }) {
    host.windows().add(Window::scorecard, &scorecard_);
    host.windows().add(Window::frontview, &visualiser_);
    host.windows().add(Window::response, &response_);
    host.windows().add(Window::compare, &compare_);
    main.add_companion(&scorecard_, [this] { scorecard_.refresh(); });
    main.add_companion(&visualiser_, [this] { visualiser_.refresh(); });
    main.add_companion(&response_, [this] { response_.refresh(); });
    scorecard_.refresh();
    visualiser_.refresh();
}

void CompanionWindows::place_and_show() {
    visualiser_.place_under(main_);
    show_visualiser_if_checked(main_.form().design(), main_.form().host());
}

}  // namespace welkin
