#include "units/sentence.h"

namespace welkin {

std::string fill(std::string_view sentence, std::initializer_list<std::string_view> parts) {
    constexpr std::string_view blank = "{}";
    std::string out;
    const std::string_view* part = parts.begin();
    std::size_t from = 0;
    for (std::size_t at = sentence.find(blank); at != std::string_view::npos && part != parts.end();
         at = sentence.find(blank, from)) {
        out.append(sentence.substr(from, at - from)).append(*part++);
        from = at + blank.size();
    }
    out.append(sentence.substr(from));
    return out;
}

}  // namespace welkin
