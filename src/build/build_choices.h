// The builder's choices as one line of text, so that the settings file can
// remember them between runs: "height=600;kerf=3;construction=fins;..."
#pragma once

#include <string>
#include <string_view>

#include "build/build_options.h"

namespace welkin {

std::string choices_text(const BuildOptions& options);

// The choices a line holds over the given ones; a missing, unknown or
// malformed entry leaves its choice as it was. A hollow build is not taken
// for a design without fins.
BuildOptions with_choices(BuildOptions options, std::string_view text, const BuildDesign& design);

// The remembered choices for a design just opened: stock remembered from
// another design that is too small for one of this one's parts (of either
// construction) gives way to the design's default stock of that kind.
BuildOptions remembered_choices(std::string_view text, const BuildDesign& design);

}  // namespace welkin
