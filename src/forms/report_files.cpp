#include "forms/report_files.h"

#include <string>

#include "persist/file_io.h"
#include "reports/report_1d.h"
#include "reports/report_2d.h"

namespace welkin {

bool publish_report(Host& host, const std::filesystem::path& folder, std::string_view name,
                    std::string_view text) {
    const std::string path = (folder / name).string();
    if (!replace_file(path, text)) {
        host.message_box(report_failed_text, "");
        return false;
    }
    host.message_box(report_created_message(path), "");
    host.open_with_shell(path);
    return true;
}

bool generate_1d_report(MainForm& form, const std::filesystem::path& folder) {
    return publish_report(form.host(), folder, report_1d_file_name, report_1d_text(form));
}

bool generate_2d_report(MainForm& form, const Offsets2d& offsets,
                        const std::filesystem::path& folder) {
    return publish_report(form.host(), folder, report_2d_file_name,
                          report_2d_text(form.design(), form.results(), offsets));
}

std::string report_1d_text(const MainForm& form) {
    const DesignTexts& rating = form.texts();
    return report_1d_text(form.design(), {.status = form.status_text(),
                                          .well_width = form.field_text(Field::well_width),
                                          .fin_width = form.field_text(Field::fin_width),
                                          .deepest_well = form.field_text(Field::deepest_well),
                                          .cutoffs = rating.cutoffs,
                                          .period_width = rating.period_width,
                                          .seating_distance = rating.seating_distance,
                                          .score_summary = rating.score_summary});
}

Offsets2d centred_offsets(int n) {
    return move_offsets(Offsets2d{}, OffsetMove::centre, n);
}

}  // namespace welkin
