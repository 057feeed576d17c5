#include "forms/compare_form.h"

#include <utility>

#include "build/build_plan.h"
#include "forms/design_editor.h"
#include "forms/project_binding.h"
#include "forms/startup.h"
#include "persist/file_io.h"
#include "units/numtext.h"

namespace welkin {

namespace {

// "N 13, 450 Hz": what tells one pinned design from another at a glance.
std::string pinned_name(const DesignEditor& main) {
    const Design& d = main.design();
    return "N " + std::to_string(d.well_count) + ", " + number_text_trimmed(d.design_freq_hz) +
           " Hz";
}

std::string file_stem(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string replace_text(std::string_view name) {
    std::string q(replace_question);
    q.replace(q.find("%1"), 2, name);
    return q;
}

}  // namespace

std::optional<BuildFigures> planned_build(const PinnedDesign& pinned) {
    const BuildDesign design = build_design_1d(pinned.snapshot);
    const Result<BuildPlan> plan = plan_build(design, default_build_options(design));
    if (!plan) return std::nullopt;
    BuildFigures figures{plan->piece_count, 0, plan->weight_kg};
    for (const StockPlan& s : plan->stock) figures.boards += s.to_buy;
    return figures;
}

CompareForm::CompareForm(DesignReader read, std::string store)
    : read_(std::move(read)), store_(std::move(store)), comparison_(planned_build) {
    rows_ = comparison_rows(comparison_, true);
}

Result<std::size_t> CompareForm::add(PinnedDesign pinned, ProjectSettings settings) {
    const Result<std::size_t> added = comparison_.add(std::move(pinned));
    if (!added) return added;
    sources_.push_back(std::move(settings));
    changed();
    return added;
}

Result<std::size_t> CompareForm::pin(const DesignEditor& main) {
    if (main.shown().refused) return Result<std::size_t>::failure(main.shown().status_text);
    return add({pinned_name(main), main.shown().snapshot}, project_settings(main));
}

Result<std::size_t> CompareForm::open_project(const std::string& path) {
    const Result<ProjectSettings> settings = read_project_file(path);
    if (!settings) return Result<std::size_t>::failure(path + ": " + settings.message());
    const Result<PinnedDesign> pinned = read_(*settings, file_stem(path));
    if (!pinned) return Result<std::size_t>::failure(path + ": " + pinned.message());
    return add(*pinned, *settings);
}

void CompareForm::remove(std::size_t index) {
    if (index >= sources_.size()) return;
    comparison_.remove(index);
    sources_.erase(sources_.begin() + static_cast<std::ptrdiff_t>(index));
    changed();
}

void CompareForm::move(std::size_t from, std::size_t to) {
    if (from >= sources_.size() || to >= sources_.size() || from == to) return;
    comparison_.move(from, to);
    ProjectSettings moved = std::move(sources_[from]);
    sources_.erase(sources_.begin() + static_cast<std::ptrdiff_t>(from));
    sources_.insert(sources_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
    changed();
}

void CompareForm::rename(std::size_t index, std::string name) {
    const std::string kept = trimmed(name);
    if (kept.empty() || kept.find_first_of("\r\n") != std::string::npos) return;
    comparison_.rename(index, kept);
    changed();
}

Result<ComparisonSettings> CompareForm::set_sound(double source_angle_deg,
                                                  std::optional<double> frequency_hz) {
    ComparisonSettings s = comparison_.settings();
    s.source_angle_deg = source_angle_deg;
    s.frequency_hz = frequency_hz;
    const Result<ComparisonSettings> set = comparison_.set_settings(s);
    if (set) changed();
    return set;
}

bool CompareForm::open_in_main(std::size_t index, DesignEditor& main) const {
    if (index >= sources_.size()) return false;
    const ProjectSettings& chosen = sources_[index];
    const std::string& name = comparison_.designs()[index].name;
    // Nothing is lost when the main window already holds this very design.
    if (write_project(project_settings(main)) != write_project(chosen) &&
        !main.host().ask_yes_no(replace_text(name), compare_title))
        return false;
    {
        const BusyScope busy(main);
        load_settings(main, chosen);
    }
    main.set_title_suffix(std::string(title_suffix_project) + name);
    main.recompute();
    return true;
}

void CompareForm::changed() {
    rows_ = comparison_rows(comparison_, true);
    ++changes_;
    keep();
}

void CompareForm::restore() {
    comparison_ = Comparison(planned_build);
    sources_.clear();
    const std::optional<std::string> text = store_.empty() ? std::nullopt : read_file(store_);
    const std::optional<KeptComparison> kept = text ? parse_comparison_file(*text) : std::nullopt;
    if (kept) {
        ComparisonSettings s;
        s.source_angle_deg = kept->source_angle_deg;
        s.frequency_hz = kept->frequency_hz;
        if (!comparison_.set_settings(s)) comparison_ = Comparison(planned_build);
        for (const KeptDesign& d : kept->designs) {
            const Result<PinnedDesign> pinned = read_(d.settings, d.name);
            if (pinned && comparison_.add(*pinned)) sources_.push_back(d.settings);
        }
    }
    rows_ = comparison_rows(comparison_, true);
    ++changes_;
}

bool CompareForm::keep() const {
    if (store_.empty()) return false;
    KeptComparison kept{
        comparison_.settings().source_angle_deg, comparison_.settings().frequency_hz, {}};
    for (std::size_t i = 0; i < sources_.size(); ++i)
        kept.designs.push_back({comparison_.designs()[i].name, sources_[i]});
    return static_cast<bool>(write_file_atomically(store_, comparison_file_text(kept)));
}

}  // namespace welkin
