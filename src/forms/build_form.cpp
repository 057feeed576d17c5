#include "forms/build_form.h"

#include "build/build_choices.h"
#include "build/build_csv.h"
#include "build/build_texts.h"
#include "build/cut_files.h"
#include "build/mesh_files.h"
#include "build/panel_mesh.h"

namespace welkin {

const std::vector<BuildOutputKind>& build_output_kinds() {
    static const std::vector<BuildOutputKind> kinds = {
        {BuildOutput::sheet, "Build sheet (PDF)...", ".pdf"},
        {BuildOutput::parts_csv, "Parts list (CSV)...", ".csv"},
        {BuildOutput::plan_csv, "Cutting plan (CSV)...", ".csv"},
        {BuildOutput::svg, "Cut outlines (SVG)...", ".svg"},
        {BuildOutput::dxf, "Cut outlines (DXF)...", ".dxf"},
        {BuildOutput::three_mf, "Solid (3MF)...", ".3mf"},
        {BuildOutput::stl, "Solid (STL)...", ".stl"},
    };
    return kinds;
}

namespace {

BuildDesign design_of(const ShownDesign& shown, std::optional<Offsets2d> offsets) {
    return offsets ? build_design_2d(shown.snapshot, *offsets) : build_design_1d(shown.snapshot);
}

}  // namespace

BuildForm::BuildForm(const ShownDesign& shown, std::string& remembered_choices,
                     std::optional<Offsets2d> offsets_2d)
    : remembered_choices_(remembered_choices),
      design_(design_of(shown, offsets_2d)),
      options_(welkin::remembered_choices(remembered_choices, design_)),
      plan_(plan_build(design_, options_)) {}

void BuildForm::replan() {
    plan_ = plan_build(design_, options_);
    remembered_choices_ = choices_text(options_);
}

void BuildForm::set_construction(Construction c) {
    options_.construction = c;
    replan();
}

void BuildForm::set_panel_height(double mm) {
    options_.panel_height_mm = mm;
    replan();
}

void BuildForm::set_kerf(double mm) {
    options_.kerf_mm = mm;
    replan();
}

void BuildForm::set_board(const Stock& s) {
    options_.board = s;
    replan();
}

void BuildForm::set_stick(const Stock& s) {
    options_.stick = s;
    replan();
}

void BuildForm::set_material(const Material& m) {
    options_.material = m;
    replan();
}

void BuildForm::set_spare(double percent) {
    options_.spare_percent = percent;
    replan();
}

std::vector<std::string> BuildForm::summary() const {
    if (!plan_) return {plan_.message()};
    return plan_summary(*plan_);
}

Result<std::string> BuildForm::output_bytes(BuildOutput output) const {
    if (!plan_) return Result<std::string>::failure(plan_.message());
    const BuildPlan& p = *plan_;
    const std::string name = "Welkin " + plan_heading(p);
    switch (output) {
        case BuildOutput::parts_csv: return parts_csv(p);
        case BuildOutput::plan_csv: return plan_csv(p);
        case BuildOutput::svg: return cut_svg(p);
        case BuildOutput::dxf: return cut_dxf(p);
        case BuildOutput::three_mf: return three_mf_bytes(panel_mesh(p), name);
        case BuildOutput::stl: return stl_bytes(panel_mesh(p), name);
        case BuildOutput::sheet: break;
    }
    return Result<std::string>::failure("The build sheet is drawn by the window");
}

}  // namespace welkin
