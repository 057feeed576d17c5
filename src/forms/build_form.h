// The Build window's model: the builder's choices for one design, the plan
// they give after every change, and the files made from it. The choices
// are remembered in the settings file, never in a project.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "build/build_plan.h"
#include "forms/shown_design.h"
#include "panel2d/grid.h"

namespace welkin {

enum class BuildOutput { sheet, parts_csv, plan_csv, svg, dxf, three_mf, stl };

struct BuildOutputKind {
    BuildOutput output;
    const char* caption;    // the window's button
    const char* extension;  // with its dot
};

// In the order of the window's buttons.
const std::vector<BuildOutputKind>& build_output_kinds();

class BuildForm {
public:
    // The 1D panel as the main window shows it, or the 2D panel at the 2D
    // window's offsets; the remembered choices over the design's defaults.
    // Every change is remembered in `remembered_choices`.
    BuildForm(const ShownDesign& shown, std::string& remembered_choices,
              std::optional<Offsets2d> offsets_2d);

    const BuildDesign& design() const { return design_; }
    const BuildOptions& options() const { return options_; }
    const Result<BuildPlan>& plan() const { return plan_; }

    // Each change plans again and is remembered for the next opening.
    void set_construction(Construction c);
    void set_panel_height(double mm);
    void set_kerf(double mm);
    void set_board(const Stock& s);
    void set_stick(const Stock& s);
    void set_material(const Material& m);  // a name from the table, or "" and a density
    void set_spare(double percent);

    // What the preview lists: the plan's summary, or why there is none.
    std::vector<std::string> summary() const;

    // A file's bytes, or why it cannot be made. The sheet is drawn by the
    // window, on Qt's PDF device.
    Result<std::string> output_bytes(BuildOutput output) const;

private:
    void replan();

    std::string& remembered_choices_;
    BuildDesign design_;
    BuildOptions options_;
    Result<BuildPlan> plan_;
};

}  // namespace welkin
