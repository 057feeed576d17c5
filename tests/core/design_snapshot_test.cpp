// The recompute as a pure function: what it refuses and why, the field texts
// it derives for the locked quantities, and the sequence it generates.
#include "core/design_snapshot.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {
namespace {

std::size_t at(Field f) {
    return static_cast<std::size_t>(f);
}

// The factory design: seven wells at 600 Hz, 3 mm fins, automatic well width.
DesignInputs factory() {
    DesignInputs in;
    in.fields[at(Field::well_count)] = "7";
    in.fields[at(Field::design_frequency)] = "600";
    in.fields[at(Field::fin_width)] = "3";
    return in;
}

// The wells of a complete recompute, entry N included; none when refused.
std::vector<int> sequence(const DesignOutcome& out) {
    if (!out.snapshot) return {};
    const WellSequence& w = out.snapshot->sequence.wells;
    return {w.begin(), w.begin() + out.snapshot->design.well_count + 1};
}

TEST(DesignSnapshot, RefusalsNameTheFieldAndLeaveNoSnapshot) {
    struct Row {
        const char* name;
        LockMode lock;
        UnitMode mode;
        bool auto_width;
        Field field;
        const char* text;
        Refusal refusal;
        const char* message;
    };
    const Row rows[] = {
        {"fin too wide", LockMode::freq, UnitMode::metric, true, Field::fin_width, "1001",
         Refusal::out_of_range, "Fin width must be between 0 and 1000mm"},
        {"frequency zero", LockMode::freq, UnitMode::metric, true, Field::design_frequency, "0",
         Refusal::out_of_range, "Design frequency must be between 1 and 20000hz"},
        {"frequency above hearing", LockMode::freq, UnitMode::metric, true,
         Field::design_frequency, "20001", Refusal::out_of_range,
         "Design frequency must be between 1 and 20000hz"},
        {"deepest well too shallow", LockMode::depth, UnitMode::metric, true,
         Field::deepest_well, "4", Refusal::out_of_range,
         "Deepest well must be between 5 and 9000mm"},
        {"2D depth too deep", LockMode::build_2d, UnitMode::metric, true, Field::build_depth_2d,
         "9001", Refusal::out_of_range, "2D build depth must be between 5 and 9000mm"},
        {"manual well width zero", LockMode::freq, UnitMode::metric, false, Field::well_width,
         "0", Refusal::out_of_range, "Well width must be between 1 and 50000mm"},
        {"fin with a stray letter", LockMode::freq, UnitMode::inches, true, Field::fin_width,
         "1/4x", Refusal::badly_formed, "Invalid Character"},
        {"deepest well with a stray letter", LockMode::depth, UnitMode::inches, true,
         Field::deepest_well, "9x", Refusal::badly_formed, "Invalid Character"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DesignInputs in = factory();
        in.design.lock = row.lock;
        in.design.unit_mode = row.mode;
        in.design.auto_well_width = row.auto_width;
        in.fields[at(Field::deepest_well)] = row.mode == UnitMode::metric ? "164" : "6 1/2";
        in.fields[at(Field::build_depth_2d)] = row.mode == UnitMode::metric ? "246" : "9 3/4";
        in.fields[at(Field::well_width)] = row.mode == UnitMode::metric ? "80" : "3";
        in.fields[at(Field::fin_width)] = row.mode == UnitMode::metric ? "3" : "1/8";
        in.fields[at(row.field)] = row.text;
        const DesignOutcome out = compute_design(in);
        EXPECT_EQ(out.refusal, row.refusal);
        EXPECT_EQ(out.refused_field, row.field);
        EXPECT_EQ(out.message, row.message);
        EXPECT_FALSE(out.snapshot.has_value());
        // The refused text is left as typed, for the user to correct.
        EXPECT_EQ(out.fields[at(row.field)], row.text);
    }
}

TEST(DesignSnapshot, EachLockDerivesTheOtherTwoQuantitiesIntoTheirFields) {
    // Seven wells: depths 0,1,4,2,2,4,1, deepest 4 units. 600 Hz gives a half
    // wavelength of Int(172000 / 600 + 1) = 287 mm and a deepest well of
    // Int(4 x 287 / 7 + 0.5) = 164 mm; typed back, 164 mm gives
    // Int(7 x 164 / 4 + 0.5) = 287 mm again and Int(172000 / 287 + 1) = 600 Hz.
    struct Row {
        const char* name;
        LockMode lock;
        Field typed;
        const char* text;
        std::vector<Field> rewritten;  // the derived lengths, written clean
    };
    const Row rows[] = {
        {"frequency lock", LockMode::freq, Field::design_frequency, "600",
         {Field::deepest_well, Field::build_depth_2d}},
        {"depth lock", LockMode::depth, Field::deepest_well, "164", {Field::build_depth_2d}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DesignInputs in = factory();
        in.design.lock = row.lock;
        in.fields[at(Field::design_frequency)] = "";
        in.fields[at(row.typed)] = row.text;
        const DesignOutcome out = compute_design(in);
        ASSERT_EQ(out.refusal, Refusal::none);
        const Design& d = out.snapshot->design;
        EXPECT_EQ(d.design_half_wavelength_mm, 287);
        EXPECT_EQ(d.deepest_well_mm, 164);
        EXPECT_EQ(d.design_freq_hz, 600);
        EXPECT_EQ(text_value(out.fields[at(Field::design_frequency)]), 600);
        EXPECT_EQ(read_length(out.fields[at(Field::deepest_well)], UnitMode::metric).value_or(0),
                  164);
        for (const Field f : row.rewritten) EXPECT_EQ(out.marks[at(f)], FieldMark::rewritten);
        EXPECT_EQ(out.marks[at(row.typed)], row.lock == LockMode::freq ? FieldMark::as_typed
                                                                        : FieldMark::accepted);
    }
}

TEST(DesignSnapshot, AnInchEntryIsRewrittenInTheProgramsOwnForm) {
    DesignInputs in = factory();
    in.design.unit_mode = UnitMode::inches;
    in.fields[at(Field::fin_width)] = "0 1/4";  // 6.35 mm, kept as 6 mm
    const DesignOutcome out = compute_design(in);
    ASSERT_EQ(out.refusal, Refusal::none);
    EXPECT_EQ(out.snapshot->design.fin_width_mm, 6);
    EXPECT_EQ(out.marks[at(Field::fin_width)], FieldMark::rewritten);
    EXPECT_EQ(out.fields[at(Field::fin_width)], length_text(6, UnitMode::inches));
    EXPECT_NE(out.fields[at(Field::fin_width)], "0 1/4");
}

TEST(DesignSnapshot, TheSequenceFollowsTheShiftsWhateverTheLastOneWas) {
    // (i^2 + a) mod 7 for a = 0 is 0,1,4,2,2,4,1; two wells to the left is
    // 4,2,2,4,1,0,1, the last entry repeating the first as generated.
    DesignInputs in = factory();
    in.design.side_shift = 2;
    EXPECT_EQ(sequence(compute_design(in)), (std::vector<int>{4, 2, 2, 4, 1, 0, 1, 0}));
    in.design.side_shift = 9;  // a whole turn and two more
    EXPECT_EQ(sequence(compute_design(in)), (std::vector<int>{4, 2, 2, 4, 1, 0, 1, 0}));
    // The inverse panel is N minus each depth: 7,6,3,5,5,3,6 and 7 at the end.
    in.design.side_shift = 0;
    in.design.inverse_panel = true;
    EXPECT_EQ(sequence(compute_design(in)), (std::vector<int>{7, 6, 3, 5, 5, 3, 6, 7}));
}

}  // namespace
}  // namespace welkin
