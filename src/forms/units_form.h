// The units window: three options, the rules for typing imperial lengths,
// and "OK", which makes the chosen option the program's unit mode.
#pragma once

#include <array>
#include <string_view>

#include "canvas/rgb.h"
#include "core/design.h"

namespace welkin {

inline constexpr std::string_view units_caption = "Units of measurement for Welkin";
inline constexpr std::string_view units_rules_caption = "Rules for entering Imperial Measurements";
inline constexpr std::string_view units_ok_caption = "&OK";

// The option captions, in the order of UnitMode, each with its access key.
inline constexpr std::array<std::string_view, 3> unit_option_captions = {
    "&Metric - mm (default)",
    "Imperial - Display results in &feet, inches and fractions of an inch",
    "Imperial - Display results in &decimal inches",
};

inline constexpr std::array<std::string_view, 9> imperial_rules = {
    "Decimal inches are allowed, but without  feet or fractions eg 6.25 or 61.25",
    "Feet, inches and fractions allowed, but without decimals eg  1/4     3 9\\16     6' 10 1/2 ",
    "Feet must be immediately followed by the ' symbol. A following space is optional",
    "Inches and fractions must be separated by a space",
    "Fractions of an inch must contain a single / or \\ symbol",
    "\"\\\" is converted to \"/\" and is not allowed at start or end of field",
    "No spaces allowed in fractional part - allowed elsewhere",
    "Allowable fractions: 1/2  1/4  1/8  1/16",
    "Allowable characters 0 thru 9 .  / \\  and space",
};

class UnitsForm {
public:
    // The window writes the mode it is given only when "OK" is pressed.
    explicit UnitsForm(UnitMode& unit_mode) : unit_mode_(unit_mode) {}

    // Opening shows the option of the mode in force.
    void open() { selected_ = unit_mode_; }
    void select(UnitMode mode) { selected_ = mode; }
    UnitMode selected() const { return selected_; }
    void confirm() { unit_mode_ = selected_; }

    // The rules are greyed while they do not apply.
    Rgb rules_caption_colour() const;
    Rgb rule_colour() const;

private:
    UnitMode& unit_mode_;
    UnitMode selected_ = UnitMode::metric;
};

}  // namespace welkin
