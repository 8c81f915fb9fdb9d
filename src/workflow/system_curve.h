#pragma once

#include <memory>
#include <optional>

#include "tools/curve_range_presenter.h"
#include "tools/system_curve_data.h"
#include "workflow/curve_pipeline.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/results_table.h"

// The system characteristic curve over the results table: the pipeline rebuilt from its texts and
// computed at N flows with the medium of the main form.
namespace velmora::workflow {

// Why the tool does not open: a gas in the main form (plain message) or a table without element
// columns (error icon, program title); none when it may open.
std::optional<UserMessage> systemCurveRefusal(const MainForm& form, const ResultsTable& table);

// The medium as the plot shows it: name, density and viscosity lines from the main form's entries,
// the state word, and the density read for the pump's pressure.
tools::CurveMedium curveMedium(const MainForm& form, const model::CalcInputs& medium);

// A run that gave a curve: its points, and the pipeline to compute it at any other flow (the
// operating point with a pump).
struct SystemCurveRun {
    tools::SystemCurveData data;
    tools::CurveMedium medium;
    std::shared_ptr<const CurvePipeline> pipeline;
    bool crossesTransition = false;  // the notice was shown
    // The pipeline's loss at a flow in the range's unit, in bar or psi.
    Real lossAt(Real flow) const { return pipeline->lossAt(flow * data.unitFactor); }
};

// One run: the highest flow must exceed the lowest (else the catalogue text, error icon, program
// title); the medium is read from the form (stage 2, its messages); every element column is
// rebuilt and computed at flows from + i · (to − from) / (N − 1) in the chosen unit. An element
// that cannot be rebuilt or computed stops the run with the two-line element message and its
// column and flow (error icon); a curve without pressure loss (all below 1e-7 bar or psi in
// size) gives the no-loss message (information) and no curve; a column whose Reynolds number
// crosses 2320 within the range gives the transition notice (information) before the curve. Any
// other failure shows the computation-failure text (warning). The form and the table are not
// changed; nothing global is switched, so nothing is to be restored after a failure.
std::optional<SystemCurveRun> runSystemCurve(const ResultsTable& table, const MainForm& form,
                                             const tools::CurveRange& range, Messenger& messenger);

}  // namespace velmora::workflow
