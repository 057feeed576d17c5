#include "forms/report_files.h"

#include <string>

#include "persist/file_io.h"
#include "reports/report_1d.h"
#include "reports/report_2d.h"

namespace welkin {

bool publish_report(Host& host, const std::filesystem::path& folder, std::string_view name,
                    std::string_view text) {
    const std::string path = (folder / name).string();
    if (!write_file_atomically(path, text)) {
        host.message_box(report_failed_text, "");
        return false;
    }
    host.message_box(report_created_message(path), "");
    host.open_with_shell(path);
    return true;
}

bool generate_1d_report(Host& host, const DesignSnapshot& design,
                        const std::filesystem::path& folder) {
    return publish_report(host, folder, report_1d_file_name, report_1d_text(design));
}

bool generate_2d_report(Host& host, const DesignSnapshot& design, const Offsets2d& offsets,
                        const std::filesystem::path& folder) {
    return publish_report(host, folder, report_2d_file_name,
                          report_2d_text(design.design, design.results, offsets));
}

Offsets2d centred_offsets(int n) {
    return move_offsets(Offsets2d{}, OffsetMove::centre, n);
}

}  // namespace welkin
