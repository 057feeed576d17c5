// The program's sentences with blanks: each "{}" is filled by the next part,
// so that a text is written whole, as it reads, in one place.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace welkin {

// The sentence with its blanks filled in order. A blank without a part stays
// as it is; a part without a blank is left out.
std::string fill(std::string_view sentence, std::initializer_list<std::string_view> parts);

}  // namespace welkin
