#include "workflow/main_form_take_over.h"

namespace velmora::workflow {

using model::FormField;

void MainFormTakeOver::setUpKeepingDesignation(model::ElementKind kind, const std::string& name) {
    const std::string typed = form_.text(FormField::Designation);
    form_.setUpKind(kind);
    form_.setText(FormField::Designation, typed.empty() ? name : typed);
}

bool MainFormTakeOver::takePipe(const pipedata::PipeValues& values) {
    setUpKeepingDesignation(values.rectangular ? model::ElementKind{1, 2} : model::ElementKind{1, 1},
                            values.designation);
    const char* unit = metric() ? "mm" : "in.";
    form_.setText(FormField::Slot1, metric() ? values.inside.mm : values.inside.inch);
    form_.selectUnitLabel(FormField::Slot1Unit, unit);
    if (values.rectangular) {
        form_.setText(FormField::Slot2, metric() ? values.insideHeight.mm : values.insideHeight.inch);
        form_.selectUnitLabel(FormField::Slot2Unit, unit);
    }
    return true;
}

bool MainFormTakeOver::takeFitting(const pipedata::FittingValues& values) {
    setUpKeepingDesignation({values.group, values.subgroup}, values.standardName);
    for (std::size_t i = 0; i < values.slots.size() && i < 5; ++i) {
        const int n = static_cast<int>(i) + 1;
        form_.setText(model::slotField(n), values.slots[i].text);
        if (!values.slots[i].unit.empty()) form_.selectUnitLabel(model::slotUnitField(n), values.slots[i].unit);
    }
    return true;
}

bool MainFormTakeOver::takeZeta(const pipedata::ZetaValues& values) {
    const std::string typed = form_.text(FormField::Designation);
    form_.setUpKind({12, 1});
    // The size goes in as the diameter; its unit box keeps the user's choice.
    form_.setText(FormField::Slot1, values.sizeText);
    form_.setText(FormField::Slot2, values.zetaText);
    form_.setText(FormField::Designation, values.withDesignation ? values.maker + " " + values.fitting : typed);
    return true;
}

bool MainFormTakeOver::takeRoughness(const pipedata::RoughnessValues& values) {
    form_.setText(FormField::Roughness, values.mm);
    form_.selectUnitLabel(FormField::RoughnessUnit, "mm");
    return true;
}

}  // namespace velmora::workflow
