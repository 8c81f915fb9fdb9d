#include "workflow/calc_inputs_filler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "model/element_catalogue.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "workflow/element_texts.h"
#include "workflow/entry_messages.h"

namespace velmora::workflow {

namespace {

using model::CheckKind;
using model::GlobalText;
using model::MediumState;
using model::Real;

// One more than the largest element count: the count entry holds three digits.
constexpr Real kCountLimit = 1000;

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

class InputsFill {
  public:
    InputsFill(const MainForm& form, Messenger& messenger, model::CalcInputs& inputs,
               const FillOptions& options)
        : form_(form),
          texts_(form.texts()),
          messenger_(messenger),
          in_(inputs),
          options_(options),
          row_(form.kindDescription()) {}

    FillResult run() {
        takeChoices();
        if (readElementParameters() && readMedium()) {
            checkElement();
            checkMediumPositivity();
            // A warning tells how the entries will be calculated; a refused calculation is told
            // only why it was refused (with D = 0 there is no opening ratio to warn about).
            if (result_.proceed)
                for (const UserMessage& warning : warnings_) messenger_.show(warning);
        }
        return result_;
    }

    // Stage 2 alone, without the tee's branch flow.
    bool runMedium() {
        takeChoices();
        skipBranchFlow_ = true;
        return readMedium();
    }

  private:
    // ---- helpers ---------------------------------------------------------------------------------

    // The entry's number, or nothing after its message has been shown and the fill stopped.
    std::optional<Real> read(FormField entry) {
        if (auto value = model::readNumber(form_.text(entry))) return value;
        refuseEntry(entry);
        return std::nullopt;
    }

    void refuseEntry(FormField entry) {
        messenger_.show(invalidEntryMessage(texts_, form_.caption(entry), entry));
        result_.parseOk = false;
    }

    void refuse(UserMessage message) {
        messenger_.show(message);
        result_.parseOk = false;
    }

    // A range check of stages 3 and 4: shows its message and clears the proceed flag.
    void require(bool passes, FormField entry, GlobalText wording, std::string_view bound) {
        if (passes) return;
        messenger_.show(boundMessage(texts_, form_.caption(entry), wording, bound, entry));
        result_.proceed = false;
    }

    const std::string& unit(FormField box) const { return form_.unitBox(box).current(); }

    void takeChoices() {
        in_.state = form_.state();
        in_.mediumName = form_.text(FormField::MediumName);
        in_.flowQuantity = form_.flowQuantity();
        in_.viscosityQuantity = form_.viscosityQuantity();
        in_.kind = form_.kind();
        in_.variantChoice = form_.variantChoice();
    }

    // ---- stage 1: element parameters -------------------------------------------------------------

    bool readElementParameters() {
        model::SlotValues values{};
        for (int n = 1; n <= 5; ++n) {
            // A hidden slot keeps the text of an earlier kind; no engine reads it and the user can
            // neither see nor correct it, so a text there that is not a number reads as 0.
            if (!form_.slot(n).visible) {
                values[static_cast<std::size_t>(n - 1)] =
                    model::readNumber(form_.text(slotField(n))).value_or(0);
                continue;
            }
            const auto value = read(slotField(n));
            if (!value) return false;
            values[static_cast<std::size_t>(n - 1)] = *value;
        }

        if (!readElementCount()) return false;
        if (in_.elementCount > 1 && form_.gasEntriesEnabled()) {
            GasNoticeTexts notice = gasElementCountNotice(texts_);
            messenger_.show({.icon = MessageIcon::Information,
                             .caption = std::move(notice.caption),
                             .text = std::move(notice.text)});
        }

        std::optional<Real> roughness;
        if (form_.roughnessEnabled()) {
            roughness = read(FormField::Roughness);
            if (!roughness) return false;
        }

        // Slot 1 always has a unit box; the others are converted where their box is shown.
        for (int n = 1; n <= 5; ++n) {
            const SlotView& slot = form_.slot(n);
            Real& value = values[static_cast<std::size_t>(n - 1)];
            if (n == 1 || slot.unitBoxVisible)
                value = model::convertSlotValue(slot.unit, unit(slotUnitField(n)), value);
        }
        in_.va1 = values[0];
        in_.va2 = values[1];
        in_.va3 = values[2];
        in_.va4 = values[3];
        in_.va5 = values[4];
        if (roughness) in_.roughness = model::convertSmallLength(unit(FormField::RoughnessUnit), *roughness);
        return true;
    }

    bool readElementCount() {
        const auto count = read(FormField::ElementCount);
        if (!count) return false;
        // Rounded to whole elements; a count far beyond what the entry holds is kept just beyond
        // it, so that the check of stage 3 refuses it instead of the conversion overflowing.
        const Real held = std::clamp(*count, -kCountLimit, kCountLimit);
        in_.elementCount = static_cast<std::int32_t>(model::roundHalfAway(held));
        return true;
    }

    // ---- stage 2: medium ---------------------------------------------------------------------------

    bool readMedium() {
        const auto flow = read(FormField::Flow);
        if (!flow) return false;
        const auto density = read(FormField::Density);
        if (!density) return false;
        const auto viscosity = read(FormField::Viscosity);
        if (!viscosity) return false;

        const std::string& flowUnit = unit(FormField::FlowUnit);
        const bool normUnit = model::isNormFlowUnit(flowUnit);
        if (form_.state() == MediumState::Liquid && normUnit) {
            refuse({.icon = MessageIcon::None,
                    .caption = texts_.text(GlobalText::MessageCaption),
                    .text = texts_.text(GlobalText::NormUnitForLiquid),
                    .focus = FormField::FlowUnit});
            return false;
        }

        std::optional<Real> branchFlow;
        if (row_.branchFlow && !options_.pumpDesignOpen && !skipBranchFlow_) {
            branchFlow = model::readNumber(form_.text(FormField::BranchFlow));
            // A branch carries part of the main flow: no flow, or a flow against the main flow, is
            // no tee the correlations describe.
            if (!branchFlow || *branchFlow <= 0) {
                refuseEntry(FormField::BranchFlow);
                return false;
            }
            // Both are in the unit of the main flow, so they compare before conversion.
            if (!(*branchFlow < *flow)) {
                refuse({.icon = MessageIcon::Error,
                        .caption = texts_.text(GlobalText::MessageCaption),
                        .text = texts_.text(GlobalText::BranchFlowNotBelowMain),
                        .focus = FormField::BranchFlow});
                return false;
            }
        }

        const bool gas = form_.state() == MediumState::Gas;
        Real inletPressure = 0, inletTemperature = 0, outletTemperature = 0;
        if (gas) {
            const std::array<std::pair<FormField, Real*>, 3> gasEntries{
                {{FormField::InletPressure, &inletPressure},
                 {FormField::InletTemperature, &inletTemperature},
                 {FormField::OutletTemperature, &outletTemperature}}};
            for (auto [entry, target] : gasEntries) {
                const auto value = read(entry);
                if (!value) return false;
                *target = *value;
            }
            // An empty gas entry would read as 0 and pass for 0 °C: it is refused instead.
            for (auto [entry, target] : gasEntries)
                if (isBlank(form_.text(entry))) {
                    refuseEntry(entry);
                    return false;
                }
        }

        // Density first: mass flows and kinematic viscosities are converted with it.
        in_.density = model::convertDensity(unit(FormField::DensityUnit), *density);
        in_.volumeFlow = model::convertFlow(flowUnit, *flow, in_.density);
        in_.dynamicViscosity =
            model::convertViscosity(unit(FormField::ViscosityUnit), *viscosity, in_.density);
        if (gas) {
            in_.inletPressure = model::convertPressure(unit(FormField::InletPressureUnit), inletPressure);
            in_.inletTemperature =
                model::convertTemperature(unit(FormField::InletTemperatureUnit), inletTemperature);
            in_.outletTemperature =
                model::convertTemperature(unit(FormField::OutletTemperatureUnit), outletTemperature);
            if (normUnit)
                in_.volumeFlow =
                    model::normToOperating(in_.volumeFlow, in_.inletPressure, in_.inletTemperature);
        }
        if (branchFlow) {
            const std::string& branchUnit = form_.branchFlowUnit();
            in_.branchFlow = model::convertFlow(branchUnit, *branchFlow, in_.density);
            if (gas && model::isNormFlowUnit(branchUnit))
                in_.branchFlow =
                    model::normToOperating(in_.branchFlow, in_.inletPressure, in_.inletTemperature);
        }
        return true;
    }

    // ---- stage 3: element checks -------------------------------------------------------------------

    void checkElement() {
        const model::SlotValues values{in_.va1, in_.va2, in_.va3, in_.va4, in_.va5};
        for (const model::CheckFailure& failure : model::checkSlots(row_.checks, values)) {
            UserMessage message =
                checkFailureMessage(texts_, failure, form_.caption(slotField(failure.focusSlot)));
            if (failure.warnOnly) {
                warnings_.push_back(std::move(message));
                continue;
            }
            messenger_.show(message);
            result_.proceed = false;
        }
        // A negative count would subtract the element from the pipeline, a negative roughness would
        // make the wall smoother than a smooth one. A count is at most what the entry's three
        // digits hold: a longer one is refused, never cut.
        const std::string zero = boundText(texts_, CheckKind::NonNegative, 0);
        require(in_.elementCount >= 0, FormField::ElementCount, GlobalText::MustBeAtLeast, zero);
        require(in_.elementCount < kCountLimit, FormField::ElementCount, GlobalText::MustBeSmaller,
                std::to_string(static_cast<int>(kCountLimit)));
        if (form_.roughnessEnabled())
            require(in_.roughness >= 0, FormField::Roughness, GlobalText::MustBeAtLeast, zero);
    }

    // ---- stage 4: the medium must be positive -------------------------------------------------------

    void checkMediumPositivity() {
        const std::string zero = boundText(texts_, CheckKind::Positive, 0);
        require(in_.volumeFlow > 0, FormField::Flow, GlobalText::MustBeGreater, zero);
        require(in_.density > 0, FormField::Density, GlobalText::MustBeGreater, zero);
        require(in_.dynamicViscosity > 0, FormField::Viscosity, GlobalText::MustBeGreater, zero);
        if (form_.state() != MediumState::Gas) return;
        require(in_.inletPressure > 0, FormField::InletPressure, GlobalText::MustBeGreater, zero);
        // Temperatures at or below absolute zero, whatever unit they were typed in.
        require(in_.inletTemperature > 0, FormField::InletTemperature, GlobalText::MustBeGreater, "0 K");
        require(in_.outletTemperature > 0, FormField::OutletTemperature, GlobalText::MustBeGreater, "0 K");
    }

    const MainForm& form_;
    const lang::TextCatalogue& texts_;
    Messenger& messenger_;
    model::CalcInputs& in_;
    const FillOptions& options_;
    const model::KindDescription& row_;
    FillResult result_;
    std::vector<UserMessage> warnings_;  // of stage 3, shown once every check has passed
    bool skipBranchFlow_ = false;
};

}  // namespace

FillResult fillCalcInputs(const MainForm& form, Messenger& messenger, model::CalcInputs& inputs,
                          const FillOptions& options) {
    return InputsFill(form, messenger, inputs, options).run();
}

bool fillMediumInputs(const MainForm& form, Messenger& messenger, model::CalcInputs& inputs) {
    const FillOptions options;
    return InputsFill(form, messenger, inputs, options).runMedium();
}

}  // namespace velmora::workflow
