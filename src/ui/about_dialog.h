// The About window: the program's name, version and description, links to
// the guide and the project's pages, and the system-information button.
#pragma once

#include <QDialog>
#include <filesystem>

#include "forms/host.h"

namespace welkin {

class AboutDialog final : public QDialog {
public:
    AboutDialog(Host& host, std::filesystem::path guide_folder, QWidget* parent);

private:
    void start_system_info();

    Host& host_;
    std::filesystem::path guide_folder_;
};

}  // namespace welkin
