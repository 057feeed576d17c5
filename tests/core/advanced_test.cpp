#include "core/advanced.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "core/sequence.h"

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

// The smallest shift whose score is least.
template <typename Score>
int best_shift(int n, Score score) {
    int best = 0;
    for (int a = 1; a < n; ++a) {
        if (score(a) < score(best)) best = a;
    }
    return best;
}

TEST(BestShift, StandardAndInverseTablesGiveTheShallowestDeepestWell) {
    for (const int n : primes) {
        SCOPED_TRACE(testing::Message() << "N=" << n);
        EXPECT_EQ(best_shift_standard(n), best_shift(n, [n](int a) { return deepest_well(n, a, false); }));
        EXPECT_EQ(best_shift_inverse(n), best_shift(n, [n](int a) { return deepest_well(n, a, true); }));
    }
}

TEST(BestShift, PairedTableSplitsTheDifferenceAndSuitsBothPanels) {
    for (const int n : primes) {
        SCOPED_TRACE(testing::Message() << "N=" << n);
        const int paired = best_shift_paired(n);
        const int sum = best_shift_standard(n) + best_shift_inverse(n);
        EXPECT_EQ(paired, (sum + 1) / 2);

        const auto both = [n](int a) { return std::max(deepest_well(n, a, false), deepest_well(n, a, true)); };
        int least = INT_MAX;
        for (int a = 0; a < n; ++a) least = std::min(least, both(a));
        EXPECT_EQ(both(paired), least);
    }
}

TEST(BestShift, ZeroOutsideThePrimeTable) {
    for (const int n : {-7, 0, 1, 2, 4, 9, 100, 103}) {
        SCOPED_TRACE(testing::Message() << "N=" << n);
        EXPECT_EQ(best_shift_standard(n), 0);
        EXPECT_EQ(best_shift_paired(n), 0);
        EXPECT_EQ(best_shift_inverse(n), 0);
    }
}

TEST(OptimalWheelShift, ChoosesTheTableForThePanel) {
    Design d;
    d.well_count = 7;
    EXPECT_EQ(optimal_wheel_shift(d), 0);
    d.inverse_panel = true;
    d.mnu_inverse_pairing = true;
    EXPECT_EQ(optimal_wheel_shift(d), 1);

    struct Case {
        bool pairing;
        bool inverse;
        int (*table)(int);
    };
    const Case cases[] = {
        {false, false, best_shift_standard},
        {false, true, best_shift_inverse},
        {true, false, best_shift_paired},
        {true, true, best_shift_paired},
    };
    for (const int n : {7, 13, 101}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "N=" << n << " pairing=" << c.pairing << " inverse=" << c.inverse);
            d.well_count = n;
            d.mnu_inverse_pairing = c.pairing;
            d.inverse_panel = c.inverse;
            EXPECT_EQ(optimal_wheel_shift(d), c.table(n));
        }
    }
}

TEST(NextZeroWell, SkipsEntryZeroAndEntryN) {
    Design d;
    d.well_count = 7;
    generate_sequence(d);  // 0,1,4,2,2,4,1 | 0
    EXPECT_EQ(next_zero_well(d), std::nullopt);
    rotate_left(d, 1);     // 1,4,2,2,4,1,0 | 0
    EXPECT_EQ(next_zero_well(d), 6);
    rotate_left(d, 3);     // 2,4,1,0,1,4,2 | 0
    EXPECT_EQ(next_zero_well(d), 3);

    d.inverse_panel = true;
    generate_sequence(d);
    EXPECT_EQ(next_zero_well(d), std::nullopt);
}

TEST(PrimeSteps, NeighboursInThePrimeTable) {
    struct Case {
        int n;
        std::optional<int> next;
        std::optional<int> previous;
    };
    const Case cases[] = {
        {3, 5, std::nullopt}, {7, 11, 5},  {8, 11, 7},   {97, 101, 89},
        {100, 101, 97},       {101, std::nullopt, 97},   {2, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N=" << c.n);
        EXPECT_EQ(next_prime(c.n), c.next);
        EXPECT_EQ(previous_prime(c.n), c.previous);
    }
}

TEST(InverseToggle, RefusedWithoutFrequencyLock) {
    const std::string_view text =
        "Toggle panels is only available when  Frequency lock is on\r\r"
        "This ensures that a panel and its inverse have the same design frequency\r\r"
        "To remedy, click the option button next to the Design Frequency field\r";
    for (const LockMode lock : {LockMode::depth, LockMode::build_2d}) {
        for (const bool auto_optimise : {false, true}) {
            SCOPED_TRACE(testing::Message() << "lock=" << static_cast<int>(lock) << " auto=" << auto_optimise);
            Design d;
            d.lock = lock;
            d.mnu_advanced = auto_optimise;
            d.mnu_auto_optimise = auto_optimise;
            const auto refusal = inverse_toggle_refusal(d);
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->title, "");
            EXPECT_EQ(refusal->text, text);
        }
    }
}

TEST(InverseToggle, AutoOptimiseNeedsInversePairing) {
    struct Case {
        bool advanced;
        bool auto_optimise;
        bool pairing;
        bool refused;
    };
    const Case cases[] = {
        {true, true, false, true},   {false, true, false, false}, {true, false, false, false},
        {true, true, true, false},   {false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "advanced=" << c.advanced << " auto=" << c.auto_optimise
                                        << " pairing=" << c.pairing);
        Design d;
        d.mnu_advanced = c.advanced;
        d.mnu_auto_optimise = c.auto_optimise;
        d.mnu_inverse_pairing = c.pairing;
        const auto refusal = inverse_toggle_refusal(d);
        ASSERT_EQ(refusal.has_value(), c.refused);
        if (!refusal) continue;
        EXPECT_EQ(refusal->title, "Auto-optimise active");
        EXPECT_TRUE(refusal->text.starts_with("To toggle panels whilst in Advanced mode with Auto-optimise ticked"));
        EXPECT_NE(refusal->text.find("\u201C 1D Panel will be used in a sequence that includes its inverse \u201D"),
                  std::string_view::npos);
    }
}

}  // namespace
}  // namespace welkin
