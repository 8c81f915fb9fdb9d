#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/converter_presenters.h"
#include "tools/nominal_diameter_presenter.h"
#include "tools/orifice_presenter.h"
#include "tools/pipe_content.h"
#include "workflow/main_form.h"
#include "workflow/results_table.h"

// What the engineering tools take from the main form and the results table when they open, and
// what the converters write back into the main form.
namespace velmora::workflow {

// The main form's flow entry and unit.
tools::MainFormFlow mainFormFlow(const MainForm& form);
// The first parameter of the element panel with its unit label.
tools::EntryWithUnit firstParameter(const MainForm& form);
// The medium entries as the orifice sizing takes them.
tools::OrificeMedium orificeMedium(const MainForm& form);

// The element columns for the content: kind, count and the slots read back from the cell texts,
// converted to mm, m and m² when the table is in US units.
std::vector<tools::ContentColumn> contentColumns(const ResultsTable& table);
// The mean velocity (m/s) of the last calculated column; none for an empty table.
std::optional<model::Real> lastMeanVelocity(const ResultsTable& table);
// The table's total pressure loss in bar.
model::Real totalLossBar(const ResultsTable& table);

// kv or Cv to ζ: the element with a given ζ in a circular pipe (12/1), its diameter and ζ.
void applyZetaTransfer(MainForm& form, const tools::KvZetaPresenter::Transfer& transfer);
// Velocity to flow: the flow in m³/h as volume flow.
void applyFlowTransfer(MainForm& form, const std::string& flowText);

}  // namespace velmora::workflow
