#include "lobes/lobe_sheets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "lobes/lobes_view.h"
#include "lobes/tip_band.h"
#include "units/numtext.h"

namespace welkin {

namespace {

// The top hertz of the sweep outline the lobes in grey.
constexpr double edge_band_hz = 12;
constexpr int steep_rows = 9;
constexpr double steep_angle = 1;
constexpr double steep_angle_change = 0.008;
// Tips further apart than this (device pixels) leave the spokes between them
// apart, each drawn as it is; nearer ones merge into one sheet. A tip within
// two pixels of the last one kept adds nothing to the sheet's outline that
// the eye would miss, and each corner costs the pen's joins.
constexpr double sheet_gap_px = 2;
constexpr double outline_step_px = 2;
// A tip left of this (y) points within 53.13 degrees of the floor on the right.
constexpr double steep_right_y = -80;
// The sweep's pen. Its tip dots, each mostly covered by the spokes of the
// next hertz, leave a grey line thinner than the pen.
constexpr int sheet_pen = 3;
constexpr int tip_line_pen = 2;

bool steep(int order, double phi) {
    return order < 0 ? (-lobe_grazing_angle < phi && phi < -steep_angle)
                     : (steep_angle < phi && phi < lobe_grazing_angle);
}

Point picture_point(Point3 p) {
    const PicturePoint q = project_3d(p);
    return {q.x, q.y};
}

// One layer's spokes of one colour whose tips lie close together, gathered
// into a sheet: the axis points at both ends and the tips in between.
class SheetRun {
public:
    explicit SheetRun(const Canvas& canvas)
        : sx_(canvas.width_px() / lobes_picture_width),
          sy_(canvas.height_px() / lobes_picture_height),
          band_(canvas.width_px(), canvas.height_px()) {}

    // Whether a spoke to `tip` in `colour` continues the run.
    bool continues(Point tip, Rgb colour) const {
        return spokes_ > 0 && colour == colour_ &&
               squared_px(tip, last_tip_) <= sheet_gap_px * sheet_gap_px;
    }
    void add(Point axis, Point tip, Rgb colour) {
        if (spokes_ == 0) {
            first_axis_ = axis;
            colour_ = colour;
            tips_.clear();
            firsts_.clear();
        }
        if (tips_.empty() || squared_px(tip, tips_.back()) >= outline_step_px * outline_step_px) {
            tips_.push_back(tip);
            firsts_.push_back(axis);
        }
        last_axis_ = axis;
        last_tip_ = tip;
        band_.add_spoke(device(axis), device(tip));
        ++spokes_;
    }
    void draw(Canvas& canvas) {
        if (spokes_ == 0) return;
        if (tips_.back() != last_tip_) tips_.push_back(last_tip_);
        if (spokes_ == 1) {
            canvas.line(first_axis_.x, first_axis_.y, last_tip_.x, last_tip_.y, colour_);
        } else {
            outline_.clear();
            outline_.push_back(first_axis_);
            outline_.insert(outline_.end(), tips_.begin(), tips_.end());
            outline_.push_back(last_axis_);
            // The pen's width around the sheet shows at its first and last
            // spokes and along the axis; along the tips the grey line lies.
            canvas.fill_polygon(outline_, colour_);
            const std::array<Segment, 3> edges{Segment{first_axis_, tips_.front()},
                                               Segment{last_axis_, tips_.back()},
                                               Segment{first_axis_, last_axis_}};
            canvas.lines(edges, colour_);
        }
        if (spokes_ > 1 && canvas.draws_pixels()) {
            draw_tip_band(canvas);
        } else if (tips_.size() == 1) {
            canvas.line(last_tip_.x, last_tip_.y, last_tip_.x, last_tip_.y, lobe_colour::tip);
        } else {
            canvas.set_pen_width(tip_line_pen);
            canvas.polyline(tips_, lobe_colour::tip);
            canvas.set_pen_width(sheet_pen);
        }
        spokes_ = 0;
        band_.clear();
    }

    // The band between the run's first points and its tips, in one colour.
    void draw_band(Canvas& canvas) {
        if (spokes_ == 0) return;
        if (tips_.back() != last_tip_) {
            tips_.push_back(last_tip_);
            firsts_.push_back(last_axis_);
        }
        outline_.clear();
        outline_.insert(outline_.end(), firsts_.begin(), firsts_.end());
        outline_.insert(outline_.end(), tips_.rbegin(), tips_.rend());
        canvas.fill_polygon_edged(outline_, colour_);
        spokes_ = 0;
        band_.clear();
    }

private:
    Point device(Point p) const { return {p.x * sx_, p.y * sy_}; }
    // On a picture of pixels the tips are the strokes' own grey stipple;
    // elsewhere a grey line along them stands for it.
    void draw_tip_band(Canvas& canvas) {
        const TipBand::Rows rows = band_.replay();
        canvas.pixel_rows(rows.spoke, colour_);
        canvas.pixel_rows(rows.dot, lobe_colour::tip);
    }
    double squared_px(Point a, Point b) const {
        const double dx = (a.x - b.x) * sx_;
        const double dy = (a.y - b.y) * sy_;
        return dx * dx + dy * dy;
    }

    double sx_;
    double sy_;
    int spokes_ = 0;
    Rgb colour_{};
    Point first_axis_;
    Point last_axis_;
    Point last_tip_;
    std::vector<Point> tips_;
    std::vector<Point> firsts_;  // the first points beside the tips kept
    std::vector<Point> outline_;
    TipBand band_;
};

}  // namespace

LobeSheets::LobeSheets(const LobeAnalysis& a, SteepAngleMemory& memory) : a_(a), memory_(memory) {}

// The steep-lobe fills of the span, per order slot (index m + steep_lobe_orders),
// in the order the sweep meets them, which also moves the memory as it does.
std::vector<std::vector<double>> LobeSheets::steep_fills(double high, double low) {
    std::vector<std::vector<double>> fills(2 * steep_lobe_orders + 1);
    const LobeTips tips(a_);
    for (double f = high; f >= low; f -= 1) {
        for (int m = 1; m < steep_lobe_orders && m <= a_.well_count; ++m) {
            const auto slot = static_cast<std::size_t>(m);
            for (const int order : {-m, m}) {
                const double phi = tips.angle(f, order);
                if (f < a_.hf_zero_hz && steep(order, phi) &&
                    std::abs(phi - memory_[slot]) > steep_angle_change) {
                    fills[static_cast<std::size_t>(order + steep_lobe_orders)].push_back(f);
                }
                memory_[slot] = phi;
            }
        }
    }
    return fills;
}

// Seen along a line of sight, the lobes pointing within 53.13 degrees of
// the floor on the right (tan = 4/3, the view's slant) and all the others
// fall on different pixels. Among the others, the order further right lies
// nearer; among the steep ones on the right, the order further left.
void LobeSheets::draw_span(Canvas& canvas, double high, double low) {
    const std::vector<std::vector<double>> fills = steep_fills(high, low);
    const auto fills_of = [&](int order) -> const std::vector<double>& {
        const int m = std::abs(order);
        if (m == 0 || m >= steep_lobe_orders) return no_fills();
        return fills[static_cast<std::size_t>(order + steep_lobe_orders)];
    };
    const int n = a_.well_count;
    for (int order = -n; order <= n; ++order) {
        draw_layer(canvas, order, {high, low, false}, order < 0 ? fills_of(order) : no_fills());
    }
    for (int order = n; order >= -n; --order) {
        draw_layer(canvas, order, {high, low, true}, order > 0 ? fills_of(order) : no_fills());
    }
}

void LobeSheets::draw_layer(Canvas& canvas, int order, Span span,
                            const std::vector<double>& fills) {
    const LobeTips tips(a_);
    SheetRun run(canvas);
    const int m = std::abs(order);
    const Rgb own = order == 0 ? lobe_colour::specular : order_colour(m);
    const double edge_from = int_floor(a_.hf_zero_hz - edge_band_hz);
    for (double f = span.high; f >= span.low; f -= 1) {
        const LobeTip t = tips.at(f, order);
        if (!t.exists || (t.y < steep_right_y) != span.steep_right) {
            run.draw(canvas);
            continue;
        }
        const double x = axis_x(a_, f);
        const bool edge = int_floor(f) > edge_from || (order == 0 && f == a_.lobe_start_hz);
        const Rgb colour = edge ? lobe_colour::tip : own;
        const Point axis = picture_point({x, 0, 0});
        const Point tip = picture_point({x, t.y, t.z});
        if (!run.continues(tip, colour)) run.draw(canvas);
        run.add(axis, tip, colour);
    }
    run.draw(canvas);
    draw_steep_fills(canvas, order, fills);
}

// A steep lobe is thickened by spokes to points just below its tip, each
// with its grey dot: over a run of hertz, a sheet to the lowered tips and a
// grey band between them and the tips.
void LobeSheets::draw_steep_fills(Canvas& canvas, int order, const std::vector<double>& fills) {
    const LobeTips tips(a_);
    const Rgb colour = order_colour(std::abs(order));
    SheetRun run(canvas);
    SheetRun band = run;
    double previous = 0;
    for (const double f : fills) {
        const double x = axis_x(a_, f);
        const LobeTip t = tips.at(f, order);
        const double lowest = std::min<double>(steep_rows - 1, int_floor(t.z));
        const Point axis = picture_point({x, 0, 0});
        const Point tip = picture_point({x, t.y, t.z});
        const Point low = picture_point({x, t.y, t.z - lowest});
        if (f != previous - 1 || !run.continues(low, colour)) {
            run.draw(canvas);
            band.draw_band(canvas);
        }
        run.add(axis, low, colour);
        band.add(tip, low, lobe_colour::tip);
        previous = f;
    }
    run.draw(canvas);
    band.draw_band(canvas);
}

}  // namespace welkin
