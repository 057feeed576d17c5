#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <utility>

#include "forms/about_form.h"
#include "render/qt_text.h"
#include "ui/object_names.h"
#include "version.h"

namespace welkin {

namespace {

constexpr std::string_view product_name = "Welkin";
constexpr std::string_view version_prefix = "Version ";
constexpr std::string_view system_info_caption = "System &Info...";

}  // namespace

AboutDialog::AboutDialog(Host& host, std::filesystem::path guide_folder, QWidget* parent)
    : QDialog(parent), host_(host), guide_folder_(std::move(guide_folder)) {
    name_control(*this, Control::about_window);
    setWindowTitle(qs(about_title));
    auto* column = new QVBoxLayout(this);
    auto* name = new QLabel(qs(product_name), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    name->setFont(big);
    column->addWidget(name);
    column->addWidget(new QLabel(qs(std::string(version_prefix) + std::string(program_version)), this));
    auto* description = new QLabel(qs(about_description), this);
    description->setWordWrap(true);
    column->addWidget(description);
    auto* licence = new QLabel(qs(about_licence), this);
    licence->setWordWrap(true);
    column->addWidget(licence);

    auto* links = new QHBoxLayout;
    for (const AboutLink& link : about_links) {
        auto* button = new QPushButton(qs(link.caption), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, page = link.page] { open_help(host_, page, guide_folder_); });
        links->addWidget(button);
    }
    column->addLayout(links);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* system_info =
        buttons->addButton(qs(system_info_caption), QDialogButtonBox::ActionRole);
    name_control(*system_info, Control::system_info_button);
    connect(system_info, &QPushButton::clicked, this, [this] { start_system_info(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

void AboutDialog::start_system_info() {
    const auto tool = system_info_tool([](std::string_view name) {
        return !QStandardPaths::findExecutable(qs(name)).isEmpty();
    });
    if (!tool || !QProcess::startDetached(qs(*tool), {})) {
        host_.message_box(system_info_unavailable, "");
    }
}

}  // namespace welkin
