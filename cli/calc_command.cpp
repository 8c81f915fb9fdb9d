#include "calc_command.h"

#include <optional>
#include <ostream>

#include "input_file.h"
#include "model/unit_catalogue.h"
#include "pipeline_description.h"
#include "stream_messenger.h"
#include "workflow/calculation_driver.h"
#include "workflow/main_form.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/project_session.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"

namespace velmora::cli {

namespace {

using workflow::FormField;
using workflow::MainForm;

bool listed(model::Quantity list, const std::string& label) {
    for (const std::string& item : model::unitLabels(list))
        if (item == label) return true;
    return false;
}

void setText(MainForm& form, FormField entry, const std::optional<std::string>& text) {
    if (text) form.setText(entry, *text);
}

void selectUnit(MainForm& form, FormField box, const std::optional<std::string>& label) {
    if (label) form.selectUnitLabel(box, *label);
}

// The medium panel as a user fills it: choosing a mass-flow unit switches to mass flow, a
// kinematic viscosity unit to kinematic viscosity.
void enterMedium(const MediumDescription& medium, MainForm& form) {
    setText(form, FormField::MediumName, medium.name);
    if (medium.state) form.setState(*medium.state);
    if (medium.flowUnit) {
        form.setFlowQuantity(model::isMassFlowUnit(*medium.flowUnit) ? model::FlowQuantity::Mass
                                                                     : model::FlowQuantity::Volume);
        form.selectUnitLabel(FormField::FlowUnit, *medium.flowUnit);
    }
    setText(form, FormField::Flow, medium.flow);
    selectUnit(form, FormField::DensityUnit, medium.densityUnit);
    setText(form, FormField::Density, medium.density);
    if (medium.viscosityUnit) {
        form.setViscosityQuantity(listed(model::Quantity::KinematicViscosity, *medium.viscosityUnit)
                                      ? model::ViscosityQuantity::Kinematic
                                      : model::ViscosityQuantity::Dynamic);
        form.selectUnitLabel(FormField::ViscosityUnit, *medium.viscosityUnit);
    }
    setText(form, FormField::Viscosity, medium.viscosity);
    setText(form, FormField::InletPressure, medium.inletPressure);
    selectUnit(form, FormField::InletPressureUnit, medium.inletPressureUnit);
    setText(form, FormField::InletTemperature, medium.inletTemperature);
    selectUnit(form, FormField::InletTemperatureUnit, medium.inletTemperatureUnit);
    setText(form, FormField::OutletTemperature, medium.outletTemperature);
    selectUnit(form, FormField::OutletTemperatureUnit, medium.outletTemperatureUnit);
}

// One element as a user enters it: the kind is set up (slots keep their texts where the kind's
// default keeps them), then the given entries are typed. The count is "1" unless given, so that a
// count never carries over to the next element unseen.
void enterElement(const ElementDescription& element, MainForm& form) {
    if (element.medium) enterMedium(*element.medium, form);
    form.setUpKind(element.kind);
    form.setText(FormField::ElementCount, element.count.value_or("1"));
    setText(form, FormField::Designation, element.designation);
    for (std::size_t i = 0; i < element.slots.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        form.setText(workflow::slotField(n), element.slots[i].text);
        selectUnit(form, workflow::slotUnitField(n), element.slots[i].unit);
    }
    setText(form, FormField::Roughness, element.roughness);
    selectUnit(form, FormField::RoughnessUnit, element.roughnessUnit);
    if (element.option) form.selectVariant(*element.option);
    setText(form, FormField::BranchFlow, element.branchFlow);
}

struct CalcArguments {
    std::string pipeline;
    std::optional<std::string> project;
};

std::optional<CalcArguments> calcArguments(const std::vector<std::string>& args, std::ostream& err) {
    CalcArguments parsed;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.rfind("--project=", 0) == 0) {
            parsed.project = arg.substr(10);
            if (parsed.project->empty()) {
                err << "error: --project= needs a file name\n";
                return std::nullopt;
            }
        } else if (arg.rfind("--", 0) == 0) {
            err << "error: calc does not know the option " << arg << "\n";
            return std::nullopt;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 1) {
        err << "error: calc needs exactly one PIPELINE.json\n";
        return std::nullopt;
    }
    parsed.pipeline = paths[0];
    return parsed;
}

// The decimals a table was written with, read from its pressure losses in the small unit: the
// digits after the separator of the first one in fixed-point form; 3 when none shows it.
int decimalsShown(const std::vector<workflow::ResultColumn>& columns) {
    for (const workflow::ResultColumn& column : columns) {
        const std::string& loss = column.cells[workflow::row::lossSmall];
        if (loss.empty() || loss.find_first_of("Ee") != std::string::npos) continue;
        const auto separator = loss.find_first_of(".,");
        return separator == std::string::npos ? 0 : static_cast<int>(loss.size() - separator - 1);
    }
    return 3;
}

}  // namespace

int runCalc(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err) {
    const auto arguments = calcArguments(args, err);
    if (!arguments) return 2;
    const auto json = readInputFile(arguments->pipeline, err);
    if (!json) return 2;
    PipelineDescription pipeline;
    try {
        pipeline = readPipelineDescription(*json, texts);
    } catch (const PipelineError& e) {
        err << "error: " << arguments->pipeline << ": " << e.what() << "\n";
        return 2;
    }

    MainForm form(texts);
    workflow::ResultsTable table(texts);
    table.setUnitSystem(pipeline.units);
    table.setDecimals(pipeline.decimals);
    workflow::ShortDisplay shortDisplay(table);
    model::CalcInputs inputs;
    bool modified = false;
    StreamMessenger messenger(err);
    const workflow::CalculationContext context{inputs, table, shortDisplay, modified, messenger};

    if (pipeline.medium) enterMedium(*pipeline.medium, form);
    int refused = 0;
    for (const ElementDescription& element : pipeline.elements) {
        enterElement(element, form);
        if (!workflow::runCalculation(form, context).appended()) ++refused;
    }
    out << table.clipboardText();
    out.flush();

    if (arguments->project) {
        // Written as the File menu's save would write it: a fresh page setup and table look, no
        // heading. A project that cannot be written is reported, never passed over.
        workflow::ProjectSession session(texts);
        const auto saved = session.write(
            *arguments->project,
            workflow::captureProject(table, "", workflow::PageSettings{}, workflow::TableAppearance{}));
        if (!saved.saved) {
            if (saved.message) messenger.show(*saved.message);
            err << "error: the project " << *arguments->project << " was not written\n";
            return 2;
        }
    }
    return refused > 0 ? 1 : 0;
}

int runShow(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err) {
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            err << "error: show does not know the option " << arg << "\n";
            return 2;
        }
        paths.push_back(arg);
    }
    if (paths.size() != 1) {
        err << "error: show needs exactly one PROJECT.vla\n";
        return 2;
    }
    // Only read: the file is neither locked nor changed, so a write-protected project shows too.
    const auto bytes = readInputFile(paths[0], err);
    if (!bytes) return 2;
    const workflow::ProjectReadResult read = workflow::readProjectFile(*bytes, texts);
    StreamMessenger messenger(err);
    for (const workflow::UserMessage& message : read.messages) messenger.show(message);
    if (!read.valid) return 2;

    // The total is written with the decimals of the cells, as the program that wrote them did.
    workflow::ResultsTable table(texts);
    table.setDecimals(decimalsShown(read.content.columns));
    workflow::applyProject(read.content, table);
    out << table.clipboardText();
    out.flush();
    return 0;
}

}  // namespace velmora::cli
