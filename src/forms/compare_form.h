// The Compare window's model: the comparison, where each compared design
// came from (its settings, as a project file holds them), and the file that
// keeps the comparison between runs. Takes the main window's design only for
// the moment of a pin or an "Open in main window", and keeps no hold on it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compare/comparison.h"
#include "compare/comparison_rows.h"
#include "persist/comparison_file.h"
#include "persist/project_file.h"
#include "units/result.h"

namespace welkin {

class DesignEditor;

inline constexpr std::string_view compare_title = "Welkin: Compare designs";
inline constexpr std::string_view comparison_file_name = "welkin-compare.txt";

// The main window's design replaced by a compared one loses what was not
// saved, so the user is asked first.
inline constexpr std::string_view replace_question =
    "Replace the design in the main window with \"%1\"? Changes not saved in a project are "
    "lost.";

// What a kept or opened project's settings make, computed as the main
// window would compute them, under the name given.
using DesignReader =
    std::function<Result<PinnedDesign>(const ProjectSettings& settings, std::string name)>;

class CompareForm {
public:
    // `read` computes each design a project or the store holds; `store` is
    // the file the comparison is kept in, and empty keeps nothing.
    explicit CompareForm(DesignReader read, std::string store = {});

    // "Pin this design": the main window's design as it stands.
    Result<std::size_t> pin(const DesignEditor& main);
    // A project file opened into the comparison, named by its file name.
    Result<std::size_t> open_project(const std::string& path);
    void remove(std::size_t index);
    void move(std::size_t from, std::size_t to);
    void rename(std::size_t index, std::string name);
    // The sound every design is heard with; no frequency: each design at its
    // own design frequency.
    Result<ComparisonSettings> set_sound(double source_angle_deg,
                                         std::optional<double> frequency_hz);

    // Makes the design the main window's current one, after asking through
    // the main form's host when that would replace a different design.
    // Returns whether it did.
    bool open_in_main(std::size_t index, DesignEditor& main) const;

    const Comparison& comparison() const { return comparison_; }
    const std::vector<ComparisonRow>& rows() const { return rows_; }
    // Counts every change, so a window redraws only after one.
    long changes() const { return changes_; }

    // The comparison kept in the store, replacing this one; a missing or
    // damaged file gives an empty comparison.
    void restore();
    // Writes the store; whether it was written.
    bool keep() const;

private:
    Result<std::size_t> add(PinnedDesign pinned, ProjectSettings settings);
    void changed();

    DesignReader read_;
    std::string store_;
    Comparison comparison_;
    std::vector<ProjectSettings> sources_;  // in column order
    std::vector<ComparisonRow> rows_;
    long changes_ = 0;
};

// The design's 1D panel built from common timber as the build planner
// chooses by default: its parts, lengths to buy and weight; nothing when
// the planner refuses it.
std::optional<BuildFigures> planned_build(const PinnedDesign& pinned);

}  // namespace welkin
