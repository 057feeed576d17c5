// The main window's design as a project file, start-up and the Compare
// window drive it: through the same handlers the user's clicks and typing
// run, so that a file read back behaves as the same choices made by hand.
// The main form implements it; the code that replays or keeps a design
// holds this, never the form itself.
#pragma once

#include <string>
#include <string_view>

#include "core/design.h"
#include "core/design_fields.h"
#include "forms/design_controls.h"
#include "forms/host.h"
#include "forms/project_dialogs.h"
#include "forms/shown_companions.h"
#include "forms/shown_design.h"

namespace welkin {

class Panel2dForm;
class ResultsTableForm;

// The title's ends before any file is read, and for the factory settings.
inline constexpr std::string_view title_suffix_pending = "    Project:";
inline constexpr std::string_view title_suffix_default = "    Project: default";

class DesignEditor {
public:
    DesignEditor() = default;
    DesignEditor(const DesignEditor&) = delete;
    DesignEditor& operator=(const DesignEditor&) = delete;
    virtual ~DesignEditor() = default;

    virtual Host& host() = 0;
    // The inputs and choices as they stand, with the last complete
    // recompute and the status line.
    virtual const Design& design() const = 0;
    virtual const ShownDesign& shown() const = 0;
    // The design's choices as a file or the factory gives them, for the
    // loading and reset code, which holds `busy` while it writes.
    virtual void restore_choices(const Design& choices) = 0;
    virtual void recompute() = 0;

    virtual const std::string& field_text(Field f) const = 0;
    virtual void set_field_text(Field f, std::string text) = 0;
    // The text a file keeps for a field: its own text, or for a length entry
    // still pending or refused, the text of the value last committed.
    virtual std::string committed_length_text(Field f) const = 0;
    // Sets a length and writes its field in the unit mode, clean.
    virtual void set_length(Field f, double mm) = 0;

    virtual void run(DesignCommand command) = 0;
    virtual void select_vertical_scale(int vertical_scale_mm) = 0;
    virtual void select_arrangement(Arrangement a) = 0;
    virtual void select_colour_scheme(ColourScheme c) = 0;

    virtual void set_title_suffix(std::string_view suffix) = 0;
    virtual ProjectFiles& files() = 0;
    virtual const ProjectFiles& files() const = 0;
    virtual ProjectDialogs& project_dialogs() = 0;
    virtual ShownCompanions& companions() = 0;
    virtual Panel2dForm& panel_2d_form() = 0;
    virtual ResultsTableForm& results_table() = 0;
    virtual const ResultsTableForm& results_table() const = 0;

private:
    friend class BusyScope;
    // Sets the running flag and returns what it was.
    virtual bool set_busy(bool busy) = 0;
};

// Holds `busy` for the lifetime of the scope, as loading and resetting do
// while they fill the fields, and puts back what it found however the scope
// is left.
class BusyScope {
public:
    explicit BusyScope(DesignEditor& editor) : editor_(editor), previous_(editor.set_busy(true)) {}
    ~BusyScope() { editor_.set_busy(previous_); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DesignEditor& editor_;
    bool previous_;
};

}  // namespace welkin
