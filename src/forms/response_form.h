// The polar response window's model: its three inputs, the response of the
// design on screen computed from them after every recompute, and what the
// window shows when the design or an input is refused.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/design_snapshot.h"
#include "forms/bem_run_form.h"
#include "forms/host.h"
#include "forms/shown_design.h"
#include "response/response_view.h"
#include "units/result.h"

namespace welkin {

struct Design;

// What the window and the batch program ask of the design.
struct ResponseRequest {
    double frequency_hz = 0;
    double source_angle_deg = 0;
    int panels = 1;
    double speed_m_s = default_speed_of_sound_m_s;
    bool common_reference = false;
};

inline constexpr std::string_view response_title = "Welkin: Polar response";
inline constexpr double response_min_frequency_hz = 1;
inline constexpr double response_max_frequency_hz = 20000;

// The response of the form's design, `panels` periods side by side, with the
// lobe analysis's usable range at that source angle. A design only a damaged
// file can produce is refused with the analysis's message.
Result<ResponseView> design_response(const DesignSnapshot& design, const ResponseRequest& request);

// The job for the design on screen and the window's sound; the lobe
// analysis's refusal for a design only a damaged file can produce.
Result<BemJob> bem_job_for(const DesignSnapshot& design, const ResponseRequest& request,
                           double source_distance_m, double receiver_distance_m);

// "N 7 for 600 Hz, wells 80 mm, fins 3 mm": the design in the unit mode in force.
std::string response_design_caption(const Design& design);

// The window's Help: the guide's page on the response and its model.
void open_response_help(Host& host, const std::filesystem::path& guide_folder);

class ResponseForm {
public:
    explicit ResponseForm(const ShownDesign& shown) : shown_(shown) {}

    // The frequency is the design frequency until another is set, and follows
    // it through every recompute meanwhile.
    double frequency_hz() const;
    bool follows_design_frequency() const { return !own_frequency_; }
    void set_frequency(double hz);
    void follow_design_frequency() { own_frequency_.reset(); }
    double source_angle_deg() const { return source_angle_deg_; }
    void set_source_angle(double degrees);
    int panels() const { return panels_; }
    void set_panels(int panels);
    bool common_reference() const { return common_reference_; }
    void set_common_reference(bool common) { common_reference_ = common; }
    // The far field answers at once; the boundary elements when asked, and
    // only for the distances given here (metres, refused unless positive).
    ResponseModel model() const { return model_; }
    void set_model(ResponseModel model) { model_ = model; }
    double source_distance_m() const { return source_distance_m_; }
    double receiver_distance_m() const { return receiver_distance_m_; }
    void set_distances(double source_m, double receiver_m);
    BemRunForm& bem() { return bem_; }
    const BemRunForm& bem() const { return bem_; }
    // The sheet of the model chosen, null for none; not current() when it
    // is of a design or sound no longer on screen, and then greyed.
    const ResponseView* shown() const;
    bool shown_current() const;

    // Brings the response up to date with the inputs and the main form's
    // last complete recompute; does nothing when neither has changed.
    void refresh();
    // The response, or null with the reason (empty before any recompute).
    const ResponseView* view() const { return view_ ? &*view_ : nullptr; }
    const std::string& message() const { return message_; }
    // While the main window refuses its inputs (an invalid N, a length out
    // of range), the sheet is of a design no longer on screen: the window
    // greys it and message() gives the main window's reason.
    bool stale() const { return stale_; }
    // How many times the response has been computed, for the window to
    // redraw only what changed.
    long computations() const { return computations_; }

private:
    struct Key {
        long recomputes;
        bool refused;
        ResponseRequest request;
        double source_distance_m;
        double receiver_distance_m;
        bool operator==(const Key& o) const {
            return recomputes == o.recomputes && refused == o.refused &&
                   source_distance_m == o.source_distance_m &&
                   receiver_distance_m == o.receiver_distance_m &&
                   request.common_reference == o.request.common_reference &&
                   request.frequency_hz == o.request.frequency_hz &&
                   request.source_angle_deg == o.request.source_angle_deg &&
                   request.panels == o.request.panels && request.speed_m_s == o.request.speed_m_s;
        }
    };

    const ShownDesign& shown_;
    std::optional<double> own_frequency_;
    double source_angle_deg_ = 0;
    int panels_ = 1;
    bool common_reference_ = false;
    ResponseModel model_ = ResponseModel::far_field;
    double source_distance_m_ = 100;
    double receiver_distance_m_ = 50;
    BemRunForm bem_;
    std::optional<Key> computed_;
    std::optional<ResponseView> view_;
    std::string message_;
    bool stale_ = false;
    long computations_ = 0;
};

}  // namespace welkin
