#include "build/workshop_text.h"

#include "units/numtext.h"

namespace welkin {

std::string workshop_number(double x, int decimals) {
    std::string text = decimal_text(x, decimals);
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string workshop_mm(double mm) {
    return workshop_number(mm, 1);
}

}  // namespace welkin
