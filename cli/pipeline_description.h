#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/calc_inputs.h"
#include "model/element_kind.h"
#include "model/unit_system.h"

// A pipeline as PIPELINE.json describes it: the texts a user would type on the main form, units by
// their labels, element by element. Reading checks every key, kind and unit label before anything
// is calculated, so a description that cannot be used fails as a whole.
namespace velmora::cli {

// A description that cannot be used; the text names the key, label or kind at fault.
class PipelineError : public std::runtime_error {
  public:
    explicit PipelineError(const std::string& what) : std::runtime_error(what) {}
};

// Medium entries; what is left out keeps the form's entry.
struct MediumDescription {
    std::optional<std::string> name;
    std::optional<model::MediumState> state;
    std::optional<std::string> flow, flowUnit;  // a mass-flow label selects mass flow
    std::optional<std::string> density, densityUnit;
    std::optional<std::string> viscosity, viscosityUnit;  // a kinematic label selects kinematic viscosity
    std::optional<std::string> inletPressure, inletPressureUnit;
    std::optional<std::string> inletTemperature, inletTemperatureUnit;
    std::optional<std::string> outletTemperature, outletTemperatureUnit;
};

struct SlotEntry {
    std::string text;
    std::optional<std::string> unit;  // the label of the slot's unit box (a fixed unit text is only checked)
};

struct ElementDescription {
    model::ElementKind kind;
    std::optional<std::string> designation;
    std::optional<std::string> count;  // "1" when left out
    std::vector<SlotEntry> slots;      // slots 1 … n
    std::optional<std::string> roughness, roughnessUnit;
    std::optional<int> option;                // 0 or 1
    std::optional<std::string> branchFlow;    // in the unit of the main flow
    std::optional<MediumDescription> medium;  // changes the medium from this element on
};

struct PipelineDescription {
    model::UnitSystem units = model::UnitSystem::Metric;
    int decimals = 3;
    std::optional<MediumDescription> medium;
    std::vector<ElementDescription> elements;
};

// Reads the JSON text; PipelineError for bad JSON, unknown keys, values of the wrong type,
// unknown kinds and unit labels, and entries the element's kind does not have (a slot beyond its
// slots, a roughness, option or branch flow it does not ask for). The edition's texts give the
// fixed unit words of slots without a unit box.
PipelineDescription readPipelineDescription(std::string_view json, const lang::TextCatalogue& texts);

}  // namespace velmora::cli
