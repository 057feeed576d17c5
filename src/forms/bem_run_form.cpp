#include "forms/bem_run_form.h"

#include <algorithm>
#include <utility>

#include "response/bem/bem_view.h"
#include "units/sentence.h"

namespace welkin {

namespace {

constexpr std::string_view solving_plot_text = "Boundary elements: solving the plot's frequency";
constexpr std::string_view bands_done_text = "Boundary elements: {} of {} bands";
constexpr std::string_view finished_text = "Boundary elements: every band done";
constexpr std::string_view cancelled_text =
    "Cancelled after {} of {} bands; Calculate starts again";
constexpr std::string_view design_changed_text =
    "The design has changed since this result: press Calculate";
constexpr std::string_view sound_changed_text =
    "The sound has changed since this result: press Calculate";
constexpr std::string_view idle_text = "Press Calculate for the boundary-element prediction";
constexpr std::string_view too_large_text =
    "Too large for the boundary elements: more than {} elements at 5 kHz; try fewer panels";

std::string count_text(int n) {
    return std::to_string(n);
}

std::string bands_of(int bands_done, std::string_view sentence) {
    return fill(sentence, {count_text(std::max(0, bands_done)), count_text(bem_steps - 1)});
}

}  // namespace

bem::Setup bem_setup_of(const BemInputs& inputs) {
    bem::Setup setup;
    setup.source_distance_m = inputs.source_distance_m;
    setup.receiver_distance_m = inputs.receiver_distance_m;
    setup.speed_m_s = inputs.sound.speed_m_s;
    return setup;
}

Result<ResponseView> run_bem_job(const BemJob& job, const std::atomic<bool>& cancel,
                                 const BemReports& reports) {
    const bem::Setup setup = bem_setup_of(job.inputs);
    const Surface& surface = job.inputs.surface;
    const Sound& sound = job.inputs.sound;
    Result<ResponseView> plot =
        bem::bem_response_view(surface, sound, job.usable, false, setup, {&cancel, {}});
    if (!plot) return plot;
    ResponseView view = *plot;
    view.design_caption = job.design_caption;
    if (reports.plot_done) reports.plot_done(view);
    const bem::Control control{&cancel, [&](std::size_t, const std::vector<BandValue>& values) {
                                   if (reports.band_done) reports.band_done(values.front());
                               }};
    const auto tables = bem::band_tables(surface, bem::view_source_angles(sound), setup, control);
    if (!tables) return Result<ResponseView>::failure(tables.message());
    bem::add_band_tables(view, *tables);
    return view;
}

void BemRunForm::set_inputs(Result<BemJob> on_screen) {
    ++revision_;
    refusal_ = on_screen ? std::string() : on_screen.message();
    on_screen_.reset();
    if (on_screen) on_screen_ = *on_screen;
    if (running() && !(on_screen_ && on_screen_->inputs == running_->inputs)) cancel();
}

std::optional<long> BemRunForm::running_run() const {
    if (!running()) return std::nullopt;
    return running_->run;
}

bool BemRunForm::can_start() const {
    return !running() && on_screen_ && kept_for(on_screen_->inputs) == nullptr;
}

std::optional<BemJob> BemRunForm::start() {
    if (!can_start()) return std::nullopt;
    ++revision_;
    // Refused here, before any thread, when it would not fit.
    const Result<double> fits =
        bem::band_table_bytes(on_screen_->inputs.surface, bem_setup_of(on_screen_->inputs));
    if (!fits) {
        failure_ = fits.message() == bem::mesh_error_text
                       ? fill(too_large_text, {count_text(bem::max_elements)})
                       : fits.message();
        failed_inputs_ = on_screen_->inputs;
        return std::nullopt;
    }
    running_ = *on_screen_;
    running_->run = ++last_run_;
    steps_done_ = 0;
    cancelled_inputs_.reset();
    failed_inputs_.reset();
    return running_;
}

void BemRunForm::cancel() {
    if (!running()) return;
    ++revision_;
    cancelled_inputs_ = running_->inputs;
    cancelled_steps_ = steps_done_;
    running_.reset();
}

void BemRunForm::plot_done(long run, ResponseView plot) {
    if (!running() || running_->run != run) return;
    ++revision_;
    last_view_ = std::move(plot);
    last_inputs_ = running_->inputs;
    steps_done_ = 1;
}

void BemRunForm::band_done(long run, const BandValue& at_source) {
    if (!running() || running_->run != run || !last_view_) return;
    ++revision_;
    last_view_->bands.push_back(at_source);
    ++steps_done_;
}

void BemRunForm::finished(long run, const Result<ResponseView>& view) {
    if (!running() || running_->run != run) return;
    ++revision_;
    const BemInputs inputs = running_->inputs;
    running_.reset();
    if (!view) {
        failure_ = view.message();
        failed_inputs_ = inputs;
        // Half a run the model gave up on is not a result.
        if (last_inputs_ == inputs) last_view_.reset();
        return;
    }
    steps_done_ = bem_steps;
    last_view_ = *view;
    last_inputs_ = inputs;
    kept_.emplace_back(inputs, *view);
    if (kept_.size() > bem_results_kept) kept_.erase(kept_.begin());
}

const ResponseView* BemRunForm::kept_for(const BemInputs& inputs) const {
    const auto it = std::find_if(kept_.rbegin(), kept_.rend(),
                                 [&](const auto& kept) { return kept.first == inputs; });
    return it == kept_.rend() ? nullptr : &it->second;
}

BemState BemRunForm::state() const {
    if (running()) return BemState::running;
    if (on_screen_) {
        if (kept_for(on_screen_->inputs)) return BemState::finished;
        if (failed_inputs_ == on_screen_->inputs) return BemState::failed;
        if (cancelled_inputs_ == on_screen_->inputs) return BemState::cancelled;
    }
    return last_view_ ? BemState::stale : BemState::idle;
}

const ResponseView* BemRunForm::view() const {
    if (on_screen_) {
        if (const ResponseView* kept = kept_for(on_screen_->inputs)) return kept;
    }
    return last_view_ ? &*last_view_ : nullptr;
}

bool BemRunForm::current() const {
    if (!on_screen_ || view() == nullptr) return false;
    return kept_for(on_screen_->inputs) != nullptr || last_inputs_ == on_screen_->inputs;
}

std::string BemRunForm::status_text() const {
    switch (state()) {
        case BemState::running:
            return steps_done_ == 0 ? std::string(solving_plot_text)
                                    : bands_of(steps_done_ - 1, bands_done_text);
        case BemState::finished:
            return std::string(finished_text);
        case BemState::failed:
            return failure_;
        case BemState::cancelled:
            return bands_of(cancelled_steps_ - 1, cancelled_text);
        case BemState::stale:
        case BemState::idle:
            break;
    }
    if (!on_screen_) return refusal_;
    if (!current() && last_view_) {
        return std::string(last_inputs_->surface == on_screen_->inputs.surface
                               ? sound_changed_text
                               : design_changed_text);
    }
    return std::string(idle_text);
}

}  // namespace welkin
