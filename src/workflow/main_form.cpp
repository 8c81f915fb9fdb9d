#include "workflow/main_form.h"

#include <stdexcept>

#include "model/unit_catalogue.h"
#include "workflow/element_texts.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using model::MyWindowText;
using model::Quantity;

constexpr std::array kEntries{FormField::MediumName,
                              FormField::Flow,
                              FormField::Density,
                              FormField::Viscosity,
                              FormField::InletPressure,
                              FormField::InletTemperature,
                              FormField::OutletTemperature,
                              FormField::Slot1,
                              FormField::Slot2,
                              FormField::Slot3,
                              FormField::Slot4,
                              FormField::Slot5,
                              FormField::Roughness,
                              FormField::ElementCount,
                              FormField::Designation,
                              FormField::BranchFlow};

constexpr std::array kUnitBoxes{FormField::FlowUnit,
                                FormField::DensityUnit,
                                FormField::ViscosityUnit,
                                FormField::InletPressureUnit,
                                FormField::InletTemperatureUnit,
                                FormField::OutletTemperatureUnit,
                                FormField::Slot1Unit,
                                FormField::Slot2Unit,
                                FormField::Slot3Unit,
                                FormField::Slot4Unit,
                                FormField::Slot5Unit,
                                FormField::RoughnessUnit};

template <std::size_t N>
bool contains(const std::array<FormField, N>& fields, FormField field) {
    for (FormField f : fields)
        if (f == field) return true;
    return false;
}

std::string fieldName(FormField field) {
    return std::to_string(static_cast<int>(field));
}

constexpr LabelColour kBlack{0, 0, 0};
constexpr LabelColour kGrey{128, 128, 128};

}  // namespace

MainForm::MainForm(const lang::TextCatalogue& texts) : texts_(&texts) {
    applyFreshStartDefaults();
    setUpKind({1, 1});
}

void MainForm::applyFreshStartDefaults() {
    setText(FormField::MediumName, texts_->text(GlobalText::WaterName));
    setFlowQuantity(model::FlowQuantity::Volume);
    setText(FormField::Flow, editionText(*texts_, "1,0"));
    box(FormField::DensityUnit).refill(model::unitLabels(Quantity::Density));
    setText(FormField::Density, editionText(*texts_, "998,2"));
    setViscosityQuantity(model::ViscosityQuantity::Dynamic);
    setText(FormField::Viscosity, "1002");
    setState(model::MediumState::Liquid);
    box(FormField::InletPressureUnit).refill(model::unitLabels(Quantity::Pressure));
    setText(FormField::InletPressure, "1");
    box(FormField::InletTemperatureUnit).refill(model::unitLabels(Quantity::Temperature));
    setText(FormField::InletTemperature, "300");
    box(FormField::OutletTemperatureUnit).refill(model::unitLabels(Quantity::Temperature));
    setText(FormField::OutletTemperature, "250");
    for (int n = 1; n <= 5; ++n) box(slotUnitField(n)).selectFirst();
    box(FormField::RoughnessUnit).refill(model::unitLabels(Quantity::SmallLength));
    setText(FormField::Roughness, editionText(*texts_, "0,1"));
    setText(FormField::ElementCount, "1");
}

// ---- entries and unit boxes -------------------------------------------------------------------

bool MainForm::isEntry(FormField field) {
    return contains(kEntries, field);
}
bool MainForm::isUnitBox(FormField field) {
    return contains(kUnitBoxes, field);
}

const std::string& MainForm::text(FormField entry) const {
    if (!isEntry(entry)) throw std::invalid_argument("form field " + fieldName(entry) + " is not an entry");
    return entries_[at(entry)];
}

void MainForm::setText(FormField entry, std::string text) {
    if (!isEntry(entry)) throw std::invalid_argument("form field " + fieldName(entry) + " is not an entry");
    entries_[at(entry)] = std::move(text);
}

const UnitBox& MainForm::unitBox(FormField field) const {
    if (!isUnitBox(field))
        throw std::invalid_argument("form field " + fieldName(field) + " is not a unit box");
    return boxes_[at(field)];
}

UnitBox& MainForm::box(FormField field) {
    if (!isUnitBox(field))
        throw std::invalid_argument("form field " + fieldName(field) + " is not a unit box");
    return boxes_[at(field)];
}

bool MainForm::selectUnit(FormField field, int index) {
    return box(field).select(index);
}
bool MainForm::selectUnitLabel(FormField field, std::string_view label) {
    return box(field).selectLabel(label);
}

std::string MainForm::caption(FormField field) const {
    switch (field) {
        case FormField::MediumName:
            return texts_->text(GlobalText::LabelMedium);
        case FormField::Flow:
            return texts_->text(GlobalText::CaptionFlow);
        case FormField::Density:
            return texts_->text(GlobalText::CaptionDensity);
        case FormField::Viscosity:
            return texts_->text(GlobalText::CaptionViscosity);
        case FormField::InletPressure:
            return myWindowText(*texts_, MyWindowText::InletPressure);
        case FormField::InletTemperature:
            return myWindowText(*texts_, MyWindowText::InletTemperature);
        case FormField::OutletTemperature:
            return myWindowText(*texts_, MyWindowText::OutletTemperature);
        case FormField::Slot1:
        case FormField::Slot2:
        case FormField::Slot3:
        case FormField::Slot4:
        case FormField::Slot5:
            return slots_[static_cast<std::size_t>(static_cast<int>(field) -
                                                   static_cast<int>(FormField::Slot1))]
                .label;
        case FormField::Roughness:
            return myWindowText(*texts_, MyWindowText::Roughness);
        case FormField::ElementCount:
            return myWindowText(*texts_, MyWindowText::ElementCount);
        case FormField::Designation:
            return myWindowText(*texts_, MyWindowText::PipeDesignation);
        case FormField::BranchFlow:
            return myWindowText(*texts_, MyWindowText::BranchFlow);
        case FormField::VariantChoice:
            return choiceTitle_;
        default:
            return {};
    }
}

// ---- medium panel -----------------------------------------------------------------------------

LabelColour MainForm::gasLabelColour() const {
    return gasEntriesEnabled() ? kBlack : kGrey;
}

void MainForm::setFlowQuantity(model::FlowQuantity quantity) {
    flowQuantity_ = quantity;
    box(FormField::FlowUnit)
        .refill(model::unitLabels(quantity == model::FlowQuantity::Mass ? Quantity::MassFlow
                                                                        : Quantity::VolumeFlow));
}

void MainForm::setViscosityQuantity(model::ViscosityQuantity quantity) {
    viscosityQuantity_ = quantity;
    box(FormField::ViscosityUnit)
        .refill(model::unitLabels(quantity == model::ViscosityQuantity::Kinematic
                                      ? Quantity::KinematicViscosity
                                      : Quantity::DynamicViscosity));
}

std::array<std::string, 2> MainForm::flowQuantityItems() const {
    return {myWindowText(*texts_, MyWindowText::FlowQuantityVolume),
            myWindowText(*texts_, MyWindowText::FlowQuantityMass)};
}

std::array<std::string, 2> MainForm::viscosityQuantityItems() const {
    return {myWindowText(*texts_, MyWindowText::ViscosityQuantityDynamic),
            myWindowText(*texts_, MyWindowText::ViscosityQuantityKinematic)};
}

// ---- element panel ----------------------------------------------------------------------------

const SlotView& MainForm::slot(int n) const {
    if (n < 1 || n > 5) throw std::invalid_argument("slot " + std::to_string(n) + " does not exist");
    return slots_[static_cast<std::size_t>(n - 1)];
}

bool MainForm::selectVariant(int option) {
    if (option != 0 && option != 1) return false;
    variantChoice_ = option;
    return true;
}

UserMessage MainForm::informationMessage() const {
    return {.icon = MessageIcon::Information,
            .caption = texts_->text(GlobalText::InformationCaption),
            .text = informationText_};
}

UserMessage MainForm::roughnessHintMessage() const {
    return {.icon = MessageIcon::Information,
            .caption = texts_->text(GlobalText::InformationCaption),
            .text = myWindowText(*texts_, MyWindowText::RoughnessInfo1) + "\r" +
                    myWindowText(*texts_, MyWindowText::RoughnessInfo2)};
}

void MainForm::fillSlot(int n, const model::SlotDescription& description) {
    SlotView& view = slots_[static_cast<std::size_t>(n - 1)];
    view.visible = true;
    view.label = slotLabel(*texts_, description);
    view.unit = description.unit;
    if (auto list = model::slotUnitList(description.unit)) {
        box(slotUnitField(n)).refillKeepingIndex(model::unitLabels(*list));
        view.unitBoxVisible = true;
    }
    view.fixedUnit = fixedUnitText(*texts_, description.unit);

    std::string& entry = entries_[at(slotField(n))];
    if (description.defaultFromSlot != 0) {
        entry = entries_[at(slotField(description.defaultFromSlot))];
    } else if (description.defaultText == model::kKeepText) {
        if (n <= 2 && entry.empty()) entry = model::kEmptySlotText;
    } else {
        entry = editionText(*texts_, description.defaultText);
    }
}

void MainForm::setUpKind(model::ElementKind kind) {
    const model::KindDescription& row = model::kindDescription(kind);  // throws before any change
    kind_ = kind;

    for (SlotView& view : slots_) {
        view.visible = false;
        view.unitBoxVisible = false;
        view.fixedUnit.clear();
        view.unit = model::SlotUnit::None;
    }
    choiceVisible_ = false;
    branchFlowVisible_ = false;
    entries_[at(FormField::Designation)].clear();
    roughnessEnabled_ = false;
    picture_ = row.picture;
    elementName_ = elementName(*texts_, kind);

    // In slot order, so that 13/3 copies slots 1 and 2 after their own defaults.
    for (std::size_t i = 0; i < row.slots.size(); ++i) fillSlot(static_cast<int>(i) + 1, row.slots[i]);

    if (row.choice) {
        choiceVisible_ = true;
        choiceTitle_ = workflow::choiceTitle(*texts_, *row.choice);
        choiceOptions_ = {optionText(*texts_, row.choice->options[0]),
                          optionText(*texts_, row.choice->options[1])};
    }
    variantChoice_ = 0;
    branchFlowVisible_ = row.branchFlow;
    roughnessEnabled_ = row.roughness;
    informationText_ = elementInformation(*texts_, kind);
}

}  // namespace velmora::workflow
