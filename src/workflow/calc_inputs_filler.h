#pragma once

#include "model/calc_inputs.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"

namespace velmora::workflow {

struct FillOptions {
    // While the pump quick design is open the tee's branch-flow entry is not read.
    bool pumpDesignOpen = false;
};

// The two flags that steer a calculation after the fill.
struct FillResult {
    bool parseOk = true;  // cleared by an entry that is not a number and by the refusals of the medium stage
    bool proceed = true;  // cleared by every failed element or medium check (a warning leaves it set)

    bool ok() const { return parseOk && proceed; }
};

// Fills the calculation inputs from the form in four stages:
//   1. element parameters: slots, element count, roughness, converted to internal units;
//   2. medium: flow, density, viscosity, the branch flow of the tees, the gas data, converted
//      (mass flow and kinematic viscosity with the density, norm flow to the operating state);
//   3. the checks of the element kind;
//   4. the flow, density, viscosity (and inlet pressure of a gas) must be greater than 0.
// An entry that is not a number, or a refusal of stage 2, shows its message and stops at once.
// Stages 3 and 4 run every check, each failure showing its message, and clear the proceed flag;
// a check that only warns shows its message after them, and only when nothing was refused.
// Fields no stage reads for the form's kind and state keep their values in `inputs`.
FillResult fillCalcInputs(const MainForm& form, Messenger& messenger, model::CalcInputs& inputs,
                          const FillOptions& options = {});

// Stage 2 alone, for a tool that takes the main form's medium: state, name, flow, density and
// viscosity with their conversions, and the gas data; the tee's branch flow is not read. An
// entry that is not a number, or a refusal of the stage, shows its message and gives false.
bool fillMediumInputs(const MainForm& form, Messenger& messenger, model::CalcInputs& inputs);

}  // namespace velmora::workflow
