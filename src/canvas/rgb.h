#pragma once

namespace welkin {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb rgb_black{0, 0, 0};
inline constexpr Rgb rgb_white{255, 255, 255};
inline constexpr Rgb rgb_dark_red{192, 0, 0};         // range errors and prompts
inline constexpr Rgb rgb_status_grey{128, 128, 128};  // a valid design
inline constexpr Rgb rgb_locked_label{55, 106,
                                      240};  // labels of fields the program fills, rule lines
inline constexpr Rgb rgb_uncommitted{255, 192, 192};  // a length field edited but not yet entered

}  // namespace welkin
