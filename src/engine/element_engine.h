#pragma once

#include <string>

#include "engine/element_result.h"
#include "model/calc_inputs.h"

// One element calculation: flow preparation, the laminar or turbulent engine, the gas correction
// and the element count.
namespace velmora::engine {

// Engines choose the laminar form below this Reynolds number.
inline constexpr model::Real kLaminarLimit = 2320.0L;

struct EngineOptions {
    // True while the system characteristic curve recomputes the pipeline: no notices are reported
    // and the two-option kinds take their option from the stored column text below.
    bool systemCurveMode = false;
    std::string storedOptionText;    // the column's two-option row, as stored in the results table
    std::string firstOptionCaption;  // the caption of the kind's first option
};

// The engine a prepared element runs in: laminar below 2320 of its regime Reynolds number (the
// outlet's for the two contractions, the inlet's otherwise).
FlowRegime chooseEngine(const model::CalcInputs& inputs, const ElementResult& flow);

// The option (0 = first, 1 = second) a two-option kind uses.
int effectiveVariant(const model::CalcInputs& inputs, const EngineOptions& options);

// Computes one element column. Throws CalcError on an arithmetic failure and std::invalid_argument
// for an unknown kind. When the gas correction refuses the loss, `gasLimitExceeded` is set,
// `pressureLoss` holds the incompressible loss of one element and the count is not applied.
ElementResult calculateElement(const model::CalcInputs& inputs, const EngineOptions& options = {});

}  // namespace velmora::engine
