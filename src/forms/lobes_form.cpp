#include "forms/lobes_form.h"

#include <utility>

#include "lobes/lobe_inputs.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr Rgb lobes_frame{224, 224, 224};
constexpr Rgb explorer_frame{175, 203, 169};

}  // namespace

LobeInputs lobe_inputs(const DesignSnapshot& design) {
    return lobe_inputs_of(design.design, design.results);
}

void LobesForm::open(LobesOpening how) {
    if (how == LobesOpening::lobes_full_size) size_ = LobesSize::full;
    if (how == LobesOpening::lobes_three_quarter) size_ = LobesSize::three_quarter;
    lobes_mode_ = how != LobesOpening::explorer;
    caption_ = lobes_mode_ ? lobes_caption() : std::string(explorer_caption);
}

std::string LobesForm::lobes_caption() const {
    const Design& d = design_.design;
    const auto field = [&](Field f) { return design_.fields[static_cast<std::size_t>(f)]; };
    const std::string unit = d.unit_mode == UnitMode::metric ? "mm" : " inches";
    return "Welkin - Diffusion lobes for multiple N" + number_text_trimmed(d.well_count) +
           " diffusers:  Design frequency " + number_text(d.design_freq_hz) + " Hz     Wells " +
           field(Field::well_width) + unit + "     Fins " + field(Field::fin_width) + unit;
}

Rgb LobesForm::frame_colour() const {
    return lobes_mode_ ? lobes_frame : explorer_frame;
}

void LobesForm::select_slices(SliceChoice choice) {
    slices_ = choice;
    start_run();
}

void LobesForm::start_run() {
    if (running_) return;  // the controls that start one are disabled meanwhile
    const LobesRunOptions options{.lobes_mode = lobes_mode_,
                                  .angle_deg = read_signal_angle(angle_text_),
                                  .slices = slices_,
                                  .point_size = point_size()};
    run_.emplace(lobe_inputs(design_), options, steep_memory_);
    running_ = true;
    announce_refusal_ = true;
}

void LobesForm::redraw() {
    const bool refused_before = last_run_refused_;
    start_run();
    announce_refusal_ = !refused_before;
}

void LobesForm::abort() {
    if (run_) run_->request_abort();
}

RunPause LobesForm::advance(Canvas& canvas, std::int64_t max_hertz) {
    if (!run_ || !running_) return RunPause::finished;
    if (refusal_) {
        // The window has shown the cleared picture by now.
        const std::string message = *std::exchange(refusal_, std::nullopt);
        if (announce_refusal_) host_.message_box(message, "");
    }
    const RunPause pause = run_->advance(canvas, max_hertz);
    if (pause == RunPause::cleared) {
        const Result<LobeAnalysis>& a = run_->analysis();
        last_run_refused_ = !a;
        if (a) {
            texts_ = result_texts(*a);
            found_lowest_diffusion_(a->lowest_diffusion_hz);
        } else {
            refusal_ = a.message();
        }
    }
    if (pause == RunPause::finished) end_run();
    return pause;
}

void LobesForm::end_run() {
    running_ = false;
    ++finished_runs_;
}

}  // namespace welkin
