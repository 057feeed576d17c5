#include "core/advanced.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace welkin {
namespace {

// Deepest well, in depth units, of a standard or inverse panel with shift a.
int deepest_well(int n, int a, bool inverse) {
    int deepest = 0;
    for (int i = 0; i < n; ++i) {
        const int residue = (i * i + a) % n;
        deepest = std::max(deepest, inverse ? n - residue : residue);
    }
    return deepest;
}

// The smallest shift with the least score.
template <typename Score>
int best_shift(int n, Score score) {
    int best = 0;
    for (int a = 1; a < n; ++a) {
        if (score(a) < score(best)) best = a;
    }
    return best;
}

TEST(BestShift, TablesGiveTheShallowestPanels) {
    for (const int n : primes) {
        SCOPED_TRACE(testing::Message() << "N=" << n);
        const auto standard = [n](int a) { return deepest_well(n, a, false); };
        const auto inverse = [n](int a) { return deepest_well(n, a, true); };
        const auto both = [&](int a) { return std::max(standard(a), inverse(a)); };
        EXPECT_EQ(best_shift_standard(n), best_shift(n, standard));
        EXPECT_EQ(best_shift_inverse(n), best_shift(n, inverse));

        // The paired shift lies halfway (rounded up) and suits both panels at once.
        const int paired = best_shift_paired(n);
        EXPECT_EQ(paired, (best_shift_standard(n) + best_shift_inverse(n) + 1) / 2);
        EXPECT_EQ(both(paired), both(best_shift(n, both)));
    }
    EXPECT_EQ(best_shift_standard(9), 0);
    EXPECT_EQ(best_shift_paired(103), 0);
}

TEST(InverseToggle, GuardsAndTheirMessages) {
    Design d;
    d.lock = LockMode::depth;
    d.advanced = d.auto_optimise = true;  // both guards apply: the lock one speaks
    auto refusal = inverse_toggle_refusal(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title, "");
    EXPECT_EQ(refusal->text,
              "Toggle panels is only available when  Frequency lock is on\r\r"
              "This ensures that a panel and its inverse have the same design frequency\r\r"
              "To remedy, click the option button next to the Design Frequency field\r");

    d.lock = LockMode::freq;
    refusal = inverse_toggle_refusal(d);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title, "Auto-optimise active");
    EXPECT_NE(refusal->text.find("\r\r\u201C 1D Panel will be used in a sequence that includes its "
                                 "inverse \u201D\r\r\rThis ensures"),
              std::string_view::npos);

    d.inverse_pairing = true;
    EXPECT_FALSE(inverse_toggle_refusal(d).has_value());
    d.inverse_pairing = false;
    d.advanced = false;
    EXPECT_FALSE(inverse_toggle_refusal(d).has_value());
}

}  // namespace
}  // namespace welkin
