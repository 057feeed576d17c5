#include "forms/project_binding.h"

#include <cstddef>
#include <string>

#include "core/sequence.h"
#include "forms/panel2d_form.h"
#include "forms/results_table_form.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

// Writes one of the file's choices into the form's design.
template <typename Change>
void restore(DesignEditor& form, Change change) {
    Design d = form.design();
    change(d);
    form.restore_choices(d);
}

// Runs a check mark's menu command only when the line says otherwise, as if
// the user had chosen the item.
template <typename Command>
void toggle_to(CheckLine line, bool checked, Command command) {
    if (line && *line != checked) command();
}

// The five field lines come first, before any other setting.
struct FieldLine {
    int line;
    Field field;
    std::string ProjectSettings::*text;
};

constexpr FieldLine field_lines[] = {
    {project_line::well_count, Field::well_count, &ProjectSettings::well_count},
    {project_line::design_frequency, Field::design_frequency, &ProjectSettings::design_frequency},
    {project_line::deepest_well, Field::deepest_well, &ProjectSettings::deepest_well},
    {project_line::fin_width, Field::fin_width, &ProjectSettings::fin_width},
    {project_line::well_width, Field::well_width, &ProjectSettings::well_width},
};

// One of the other required lines: where it is and what reading it does.
struct RequiredLine {
    int line;
    void (*apply)(const ProjectSettings&, DesignEditor&);
};

// In file order; the unit mode only reinterprets the field texts at the recompute.
constexpr RequiredLine required_lines[] = {
    {project_line::lock,
     [](const ProjectSettings& s, DesignEditor& f) {
         switch (s.lock) {
             case LockMode::depth: f.run(DesignCommand::lock_deepest_well); break;
             case LockMode::build_2d: f.run(DesignCommand::lock_build_depth_2d); break;
             case LockMode::freq: f.run(DesignCommand::lock_design_frequency); break;
         }
     }},
    {project_line::auto_well_width,
     [](const ProjectSettings& s, DesignEditor& f) {
         toggle_to(s.auto_well_width, f.design().auto_well_width,
                   [&] { f.run(DesignCommand::toggle_auto_well_width); });
     }},
    {project_line::advanced,
     [](const ProjectSettings& s, DesignEditor& f) {
         toggle_to(s.advanced, f.design().advanced, [&] { f.run(DesignCommand::toggle_advanced); });
     }},
    {project_line::inverse_pairing,
     [](const ProjectSettings& s, DesignEditor& f) {
         restore(f, [&](Design& d) { d.inverse_pairing = s.inverse_pairing; });
     }},
    {project_line::half_width,
     [](const ProjectSettings& s, DesignEditor& f) {
         restore(f, [&](Design& d) { d.half_width = s.half_width; });
     }},
    {project_line::vertical_scale,
     [](const ProjectSettings& s, DesignEditor& f) {
         if (s.vertical_scale_mm) f.select_vertical_scale(*s.vertical_scale_mm);
     }},
    {project_line::inverse_panel,
     [](const ProjectSettings& s, DesignEditor& f) {
         restore(f, [&](Design& d) { d.inverse_panel = s.inverse_panel; });
     }},
    {project_line::unit_mode,
     [](const ProjectSettings& s, DesignEditor& f) {
         if (s.unit_mode) restore(f, [&](Design& d) { d.unit_mode = *s.unit_mode; });
     }},
    {project_line::results_page,
     [](const ProjectSettings& s, DesignEditor& f) {
         if (s.results_page) f.results_table().restore_page(*s.results_page);
     }},
    {project_line::wheel_shift,
     [](const ProjectSettings& s, DesignEditor& f) {
         if (s.wheel_shift) restore(f, [&](Design& d) { d.wheel_shift = *s.wheel_shift; });
     }},
    {project_line::side_shift,
     [](const ProjectSettings& s, DesignEditor& f) {
         restore(f, [&](Design& d) {
             if (s.side_shift) d.side_shift = *s.side_shift;
             // The recompute regenerates the sequence; a shifted panel keeps its shift.
             if (d.side_shift > 0) d.keep_side_shift = true;
         });
     }},
    {project_line::last_folder,
     [](const ProjectSettings& s, DesignEditor& f) { f.files().last_folder = s.last_folder; }},
};

// Stops at the first missing line; returns whether none was missing.
bool apply_required(const ProjectSettings& s, DesignEditor& form) {
    for (const FieldLine& line : field_lines) {
        if (!s.has(line.line)) return false;
        form.set_field_text(line.field, s.*line.text);
    }
    for (const RequiredLine& line : required_lines) {
        if (!s.has(line.line)) return false;
        line.apply(s, form);
    }
    return true;
}

void apply_optional(const ProjectSettings& s, DesignEditor& form) {
    const Design& d = form.design();
    toggle_to(s.auto_optimise, d.auto_optimise,
              [&] { form.run(DesignCommand::toggle_auto_optimise); });
    if (s.optimise_2d)
        restore(form, [&](Design& choices) { choices.optimise_2d = *s.optimise_2d; });

    for (std::size_t i = 0; i < s.arrangements.size(); ++i) {
        const auto a = static_cast<Arrangement>(i);
        toggle_to(s.arrangements[i], d.visualiser.arrangement == a,
                  [&] { form.select_arrangement(a); });
    }
    for (std::size_t i = 0; i < colour_scheme_lines.size(); ++i) {
        const ColourScheme c = colour_scheme_lines[i];
        toggle_to(s.colour_schemes[i], d.visualiser.colours == c,
                  [&] { form.select_colour_scheme(c); });
    }
    toggle_to(s.highlight_inverse, d.visualiser.highlight_inverse,
              [&] { form.run(DesignCommand::toggle_highlight_inverse); });

    WindowPlace& v = form.files().visualiser_place;
    if (s.visualiser.height > 0) v.height = s.visualiser.height;
    if (s.visualiser.width > 0) v.width = s.visualiser.width;
    if (s.visualiser.top > 0) v.top = s.visualiser.top;
    if (s.visualiser.left > 0) v.left = s.visualiser.left;

    if (s.has(project_line::build_depth_2d) && d.lock == LockMode::build_2d) {
        form.set_field_text(Field::build_depth_2d, s.build_depth_2d);
    }
}

// An older file has no 2D build depth line: the depth is rebuilt from the
// frequency for the panel as the file describes it.
void derive_build_depth_2d(DesignEditor& form) {
    const double n = text_value(form.field_text(Field::well_count));
    const double f = text_value(form.field_text(Field::design_frequency));
    const Design& d = form.design();
    double depth_mm = d.build_depth_2d_mm;
    if (is_panel_order(n) && f > 0) {
        Design panel = d;
        panel.well_count = static_cast<int>(n);
        panel.fin_width_mm =
            round_half_up(read_length(form.field_text(Field::fin_width), d.unit_mode).value_or(0));
        panel.design_half_wavelength_mm = half_wavelength_from_freq(f);
        depth_mm = build_depth_2d_from_half_wavelength(panel, panel.design_half_wavelength_mm);
    }
    form.set_length(Field::build_depth_2d, depth_mm);
}

}  // namespace

void default_settings(DesignEditor& form) {
    form.set_field_text(Field::well_count, "7");
    form.set_field_text(Field::design_frequency, "600");
    form.set_field_text(Field::fin_width, "3");
    form.run(DesignCommand::lock_design_frequency);

    // These two go through their menu commands so that what depends on them follows.
    if (!form.design().auto_well_width) form.run(DesignCommand::toggle_auto_well_width);
    if (form.design().advanced) form.run(DesignCommand::toggle_advanced);
    form.select_vertical_scale(0);
    Design d = form.design();
    d.inverse_pairing = false;
    d.half_width = false;
    d.auto_optimise = false;
    d.optimise_2d = true;
    d.inverse_panel = false;
    d.unit_mode = UnitMode::metric;
    d.wheel_shift = 0;
    d.side_shift = 0;
    form.restore_choices(d);
    form.results_table().restore_page(1);
    form.panel_2d_form().reset_options();
}

void apply(const ProjectSettings& settings, DesignEditor& form) {
    if (apply_required(settings, form)) apply_optional(settings, form);
    if (settings.has(project_line::unit_mode) && !settings.has(project_line::build_depth_2d) &&
        form.design().lock == LockMode::build_2d) {
        derive_build_depth_2d(form);
    }
}

ProjectSettings project_settings(const DesignEditor& form) {
    const Design& d = form.design();
    ProjectSettings s;
    s.well_count = form.field_text(Field::well_count);
    s.design_frequency = form.field_text(Field::design_frequency);
    s.deepest_well = form.committed_length_text(Field::deepest_well);
    s.fin_width = form.committed_length_text(Field::fin_width);
    s.well_width = form.committed_length_text(Field::well_width);
    s.build_depth_2d = form.committed_length_text(Field::build_depth_2d);
    s.lock = d.lock;
    s.auto_well_width = d.auto_well_width;
    s.advanced = d.advanced;
    s.inverse_pairing = d.inverse_pairing;
    s.half_width = d.half_width;
    s.vertical_scale_mm = d.vertical_scale_mm;
    s.inverse_panel = d.inverse_panel;
    s.unit_mode = d.unit_mode;
    s.results_page = form.results_table().page();
    s.wheel_shift = d.wheel_shift;
    s.side_shift = d.side_shift;
    s.last_folder = form.files().last_folder;
    s.auto_optimise = d.auto_optimise;
    s.optimise_2d = d.optimise_2d;
    for (std::size_t i = 0; i < s.arrangements.size(); ++i) {
        s.arrangements[i] = d.visualiser.arrangement == static_cast<Arrangement>(i);
    }
    for (std::size_t i = 0; i < colour_scheme_lines.size(); ++i) {
        s.colour_schemes[i] = d.visualiser.colours == colour_scheme_lines[i];
    }
    s.highlight_inverse = d.visualiser.highlight_inverse;
    s.visualiser = form.files().visualiser_place;
    return s;
}

void load_settings(DesignEditor& form, const Result<ProjectSettings>& file) {
    default_settings(form);
    form.set_title_suffix(title_suffix_default);
    form.files().load_ok = file.ok() && file->complete();
    if (file) apply(*file, form);
}

void load_settings(DesignEditor& form) {
    load_settings(form, read_project_file(form.files().pending_path));
}

bool save_settings(const DesignEditor& form) {
    return write_project_file(form.files().pending_path, project_settings(form)).ok();
}

}  // namespace welkin
