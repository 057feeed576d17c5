#include "units/sentence.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace welkin {
namespace {

TEST(Sentence, BlanksAreFilledInOrderAndOnlyFromTheSentence) {
    struct Row {
        const char* name;
        std::string_view sentence;
        std::initializer_list<std::string_view> parts;
        std::string filled;
    };
    const Row rows[] = {
        {"two blanks", "Panel is shifted {} wells and pulled {} rows", {"3", "1"},
         "Panel is shifted 3 wells and pulled 1 rows"},
        {"blank at both ends", "{} blocks of {}", {"12", "40 mm"}, "12 blocks of 40 mm"},
        {"blanks side by side", "Block width {}{}", {" 40", " mm"}, "Block width  40 mm"},
        {"a part that looks like a blank stays as it is", "Report {} created", {"/tmp/{}.txt"},
         "Report /tmp/{}.txt created"},
        {"a blank without a part stays", "From {} to {}", {"1"}, "From 1 to {}"},
        {"a part without a blank is left out", "No blanks", {"x"}, "No blanks"},
        {"an empty part", "Row {}{} ...", {"0", ""}, "Row 0 ..."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fill(row.sentence, row.parts), row.filled);
    }
}

}  // namespace
}  // namespace welkin
