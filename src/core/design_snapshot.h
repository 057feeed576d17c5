// One recompute as a value: the inputs the main window holds, and everything
// that follows from them. compute_design is pure; the main form runs it and
// then shows what it returned, as a separate step.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/design.h"
#include "core/design_fields.h"
#include "core/design_texts.h"
#include "core/sequence.h"
#include "core/width_analysis.h"

namespace welkin {

using FieldTexts = std::array<std::string, field_count>;

// What a recompute starts from: the design's choices (well count, lock,
// shifts, unit mode, menu check marks) and the field texts as they stand.
// The lengths the texts give are read again; the sequence is generated.
struct DesignInputs {
    Design design;
    FieldTexts fields;
};

// Everything a complete recompute found, independent of any window: a
// value to keep, copy and compare.
struct DesignSnapshot {
    Design design;           // the inputs with the depths and well width derived
    PanelSequence sequence;  // the wells the design's shifts make
    DesignResults results;
    DesignTexts texts;
    std::string status;  // the status line: the panel's name, or the scale warning
    bool scale_warning = false;
    std::string frontview_caption;
    FieldTexts fields;  // the field texts it was computed from, as the recompute left them
};

// Why a recompute stopped before the end.
enum class Refusal { none, out_of_range, badly_formed };

// How a recompute leaves a field: as typed, read and accepted, or rewritten
// by the program (which leaves it clean).
enum class FieldMark { as_typed, accepted, rewritten };

struct DesignOutcome {
    FieldTexts fields;  // the texts as the recompute leaves them
    std::array<FieldMark, field_count> marks{};
    // The design as far as the recompute got: what it read and derived
    // before any refusal.
    Design design;
    Refusal refusal = Refusal::none;
    Field refused_field = Field::fin_width;  // when refused
    // The status line for a value out of range; the reader's reason for a
    // badly formed length.
    std::string message;
    std::optional<DesignSnapshot> snapshot;  // when not refused
};

// Reads the inputs in the order the main window checks them, derives the
// locked quantities, the sequence, widths, ratings and texts. Pure.
DesignOutcome compute_design(const DesignInputs& inputs);

}  // namespace welkin
