#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/medium_transfer.h"
#include "model/calc_inputs.h"
#include "model/element_catalogue.h"
#include "workflow/form_field.h"
#include "workflow/unit_box.h"
#include "workflow/user_message.h"

namespace velmora::workflow {

// One parameter slot of the element panel as shown.
struct SlotView {
    bool visible = false;         // label and entry
    std::string label;            // caption of the slot's label ("Diameter D:")
    bool unitBoxVisible = false;  // the slot's unit box
    std::string fixedUnit;        // unit text beside the entry (degree word, "%", count word), or empty
    model::SlotUnit unit = model::SlotUnit::None;  // what the shown slot carries

    friend bool operator==(const SlotView&, const SlotView&) = default;
};

struct LabelColour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const LabelColour&, const LabelColour&) = default;
};

// The main input form without a toolkit: every entry text exactly as typed, the unit boxes, the
// quantity choices, the liquid/gas state, the element panel of the current kind and the label
// captions. The desktop window draws it and writes what the user does back into it; the
// calculation, the settings, the results table and the command line read and write it.
class MainForm {
  public:
    // The form of a fresh start (defaults of the edition) with kind 1/1 set up.
    explicit MainForm(const lang::TextCatalogue& texts);

    const lang::TextCatalogue& texts() const { return *texts_; }

    // The entries, units and choices of a first start without saved settings: water, 1,0 m³/h,
    // 998,2 kg/m³, 1002 10⁻⁶ kg/ms, liquid, gas data 1 bar, 300 °C, 250 °C, roughness 0,1 mm,
    // every slot unit box on its first label. The current kind is not set up again.
    void applyFreshStartDefaults();

    // ---- entries and unit boxes, addressed by field --------------------------------------------
    static bool isEntry(FormField field);
    static bool isUnitBox(FormField field);

    // std::invalid_argument when the field is not an entry, respectively not a unit box.
    const std::string& text(FormField entry) const;
    void setText(FormField entry, std::string text);
    const UnitBox& unitBox(FormField box) const;
    // False, and nothing changes, for a position or label the box does not list.
    bool selectUnit(FormField box, int index);
    bool selectUnitLabel(FormField box, std::string_view label);

    // The caption of the label that names a field in messages ("Volume flow", "Diameter D:",
    // "Number:"); empty for fields without a label.
    std::string caption(FormField field) const;

    // ---- medium panel ----------------------------------------------------------------------------
    // What a property dialog takes over: its items in their fixed order; a unit is selected by its
    // label (a label the box does not list leaves the box as it was).
    void apply(const media::MediumTransfer& transfer);

    model::MediumState state() const { return state_; }
    void setState(model::MediumState state) { state_ = state; }
    // The three gas entries with their unit boxes are enabled for a gas only; their four labels
    // are drawn black for a gas and grey for a liquid.
    bool gasEntriesEnabled() const { return state_ == model::MediumState::Gas; }
    LabelColour gasLabelColour() const;

    model::FlowQuantity flowQuantity() const { return flowQuantity_; }
    // Refills the flow unit box with the volume or mass labels, the first one selected.
    void setFlowQuantity(model::FlowQuantity quantity);
    model::ViscosityQuantity viscosityQuantity() const { return viscosityQuantity_; }
    // Refills the viscosity unit box with the dynamic or kinematic labels, the first one selected.
    void setViscosityQuantity(model::ViscosityQuantity quantity);
    // The items of the two quantity choices (volume, mass; dynamic, kinematic).
    std::array<std::string, 2> flowQuantityItems() const;
    std::array<std::string, 2> viscosityQuantityItems() const;

    // The unit text beside the branch-flow entry: always the unit chosen for the main flow.
    const std::string& branchFlowUnit() const { return unitBox(FormField::FlowUnit).current(); }

    // ---- element panel ---------------------------------------------------------------------------
    model::ElementKind kind() const { return kind_; }
    const model::KindDescription& kindDescription() const { return model::kindDescription(kind_); }

    // Shows the kind on the form: its slots with labels, unit boxes (each keeps its selected
    // position where the new list is long enough) and default texts ("k" keeps the entry, and
    // slots 1 and 2 that are then empty get "100"; 13/3 takes slots 3 and 4 from 1 and 2), the
    // two-option choice reset to its first option, the branch-flow entry, the roughness row, the
    // information button, the picture and the element name; the designation is cleared.
    // std::invalid_argument for a pair that is not one of the 65 kinds (the form is unchanged).
    void setUpKind(model::ElementKind kind);

    const SlotView& slot(int n) const;  // n = 1 … 5
    bool roughnessEnabled() const { return roughnessEnabled_; }

    bool choiceVisible() const { return choiceVisible_; }
    const std::string& choiceTitle() const { return choiceTitle_; }  // "Inlet edge: "
    const std::array<std::string, 2>& choiceOptions() const { return choiceOptions_; }
    int variantChoice() const { return variantChoice_; }
    bool selectVariant(int option);  // 0 or 1; false otherwise

    bool branchFlowVisible() const { return branchFlowVisible_; }

    bool informationEnabled() const { return !informationText_.empty(); }
    const std::string& informationText() const { return informationText_; }
    // What the information button shows: the kind's information text in an information box.
    UserMessage informationMessage() const;
    // What the roughness hint button shows: the two hint texts on two lines in an information box.
    UserMessage roughnessHintMessage() const;

    int pictureNumber() const { return picture_; }
    std::string pictureFile() const { return std::to_string(picture_) + ".bmp"; }
    const std::string& elementNameCaption() const { return elementName_; }

    // Every entry, box, choice and caption alike (tools prove with it that they left the form alone).
    friend bool operator==(const MainForm&, const MainForm&) = default;

  private:
    static std::size_t at(FormField field) { return static_cast<std::size_t>(field); }
    UnitBox& box(FormField field);
    void fillSlot(int n, const model::SlotDescription& description);

    const lang::TextCatalogue* texts_;
    std::array<std::string, kFormFieldCount> entries_;
    std::array<UnitBox, kFormFieldCount> boxes_;

    model::MediumState state_ = model::MediumState::Liquid;
    model::FlowQuantity flowQuantity_ = model::FlowQuantity::Volume;
    model::ViscosityQuantity viscosityQuantity_ = model::ViscosityQuantity::Dynamic;

    model::ElementKind kind_{1, 1};
    std::array<SlotView, 5> slots_;
    bool roughnessEnabled_ = false;
    bool choiceVisible_ = false;
    std::string choiceTitle_;
    std::array<std::string, 2> choiceOptions_;
    int variantChoice_ = 0;
    bool branchFlowVisible_ = false;
    std::string informationText_;
    int picture_ = 0;
    std::string elementName_;
};

}  // namespace velmora::workflow
