#include "tools/pump_design_presenter.h"

#include <cmath>

#include "engine/calc_error.h"
#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "tools/nominal_diameter_presenter.h"

namespace velmora::tools {

using model::GlobalText;
using model::MessageIcon;
using model::PumpDesignText;

namespace {

constexpr std::array<PumpSide, 2> kSides{PumpSide::Suction, PumpSide::Discharge};
constexpr int kMaxCount = 100;  // the range of the count spinners

std::vector<std::string> flowUnitsFor(bool mass) {
    return mass ? model::unitLabels(model::Quantity::MassFlow) : NominalDiameterPresenter::flowUnits();
}

std::vector<std::string> viscosityUnitsFor(bool kinematic) {
    return model::unitLabels(kinematic ? model::Quantity::KinematicViscosity : model::Quantity::DynamicViscosity);
}

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// "in." is the only inch label of these boxes; every other label is metric.
Real toMillimetres(const std::string& unit, Real value) { return unit == "in." ? value * 25.4L : value; }
Real toMetres(const std::string& unit, Real value) { return unit == "ft." ? value * 0.3048L : value; }

}  // namespace

PumpDesignPresenter::PumpDesignPresenter(const lang::TextCatalogue& texts, const PumpMediumConversion& conversion)
    : ToolPresenter(texts, "TPSchnellAuslegung"), conversion_(&conversion) {
    form_.choice(FlowQuantity) = model::UnitBox({"", ""});
    form_.choice(FlowUnit) = model::UnitBox(flowUnitsFor(false));
    form_.choice(DensityUnit) = model::UnitBox(model::unitLabels(model::Quantity::Density));
    form_.choice(ViscosityQuantity) = model::UnitBox({"", ""});
    form_.choice(ViscosityUnit) = model::UnitBox(viscosityUnitsFor(false));
    form_.choice(VapourUnit) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(RoughnessUnit) = model::UnitBox({"mm", "in."});
    form_.choice(Page) = model::UnitBox({"", ""});
    for (PumpSide side : kSides) {
        form_.choice(sideField(side, TankUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
        form_.choice(sideField(side, HeightUnit)) = model::UnitBox({"m", "ft."});
        form_.choice(sideField(side, DiameterUnit)) = model::UnitBox({"mm", "in."});
        form_.choice(sideField(side, LengthUnit)) = model::UnitBox({"m", "ft."});
    }
    form_.setCaption(TemperatureUnit, "°C");
    form_.setText(Roughness, "0,1");
    for (PumpSide side : kSides) {
        for (int f = 0; f < kPumpFittingCount; ++f) form_.setText(sideField(side, FittingCount0 + f), "0");
        for (int e = 0; e < kPumpFurtherCount; ++e) form_.setText(furtherField(side, FurtherCount0, e), "0");
    }
    setTitle();
}

void PumpDesignPresenter::created(const std::string& firstParameter) {
    form_.setText(sideField(PumpSide::Suction, Diameter), firstParameter);
}

void PumpDesignPresenter::shown() {
    form_.choice(FlowQuantity).refillKeepingIndex({text(T::FlowVolume), text(T::FlowMass)});
    form_.choice(ViscosityQuantity).refillKeepingIndex({text(T::ViscosityDynamic), text(T::ViscosityKinematic)});
    form_.choice(Page).refillKeepingIndex({text(T::SuctionPage), text(T::DischargePage)});
    const std::pair<int, T> captions[] = {
        {MediumPanel, T::MediumPanel},         {MediumLabel, T::MediumLabel},     {DensityLabel, T::DensityLabel},
        {PipelinePanel, T::PipelinePanel},     {RoughnessLabel, T::RoughnessLabel}, {PumpLabel, T::PumpLabel},
        {SuctionPage, T::SuctionPage},         {DischargePage, T::DischargePage}, {FurtherTitle, T::FurtherTitle},
        {CountHeader, T::CountHeader},         {NameHeader, T::NameHeader},       {ZetaHeader, T::ZetaHeader},
        {LossHeader, T::LossHeader},           {PipeButton, T::PipeButton},       {ZetaButton, T::ZetaButton},
        {RoughnessButton, T::RoughnessButton}, {VapourButton, T::VapourButton},   {UseMain, T::UseMainButton},
        {Calculate, T::CalculateButton},       {Information, T::InformationButton}, {Clear, T::ClearButton},
        {SaveAs, T::SaveAsButton},             {Save, T::SaveButton},             {Open, T::OpenButton},
    };
    for (const auto& [field, role] : captions) form_.setCaption(field, text(role));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    form_.setCaption(TemperatureLabel, global(GlobalText::WordTemperature) + ":");
    form_.setCaption(VapourLabel, global(GlobalText::WordVapourPressure) + ":");
    static constexpr std::array<T, kPumpFittingCount> fittingLabels{T::BendsLabel,  T::ValvesLabel,     T::CheckValvesLabel,
                                                                    T::CocksLabel,  T::GateValvesLabel, T::CheckFlapsLabel};
    for (PumpSide side : kSides) {
        form_.setCaption(sideField(side, TankLabel), text(T::TankPressureLabel));
        form_.setCaption(sideField(side, HeightLabel),
                         text(side == PumpSide::Suction ? T::SuctionHeightLabel : T::DischargeHeightLabel));
        form_.setCaption(sideField(side, HeightHint), side == PumpSide::Suction ? text(T::SuctionHeightHint) : "");
        form_.setVisible(sideField(side, HeightHint), side == PumpSide::Suction);
        form_.setCaption(sideField(side, DiameterLabel), text(T::DiameterLabel));
        form_.setCaption(sideField(side, LengthLabel), text(T::LengthLabel));
        for (int f = 0; f < kPumpFittingCount; ++f)
            form_.setCaption(sideField(side, FittingLabel0 + f), text(fittingLabels[static_cast<std::size_t>(f)]));
        showLossUnitLabel(side);
    }
    form_.setOutput(Picture, std::string("PUMPEN_AUSLEGUNG_") + texts().edition().letter() + ".bmp");
    setTitle();
}

void PumpDesignPresenter::showLossUnitLabel(PumpSide side) {
    form_.setCaption(sideField(side, FurtherLossUnitLabel),
                     text(T::InWord) + " " + form_.current(sideField(side, TankUnit)));
}

void PumpDesignPresenter::setTitle() {
    form_.setCaption(WindowTitle, fileName_.empty() ? text(T::Title) : text(T::Title) + ": " + fileName_);
}

void PumpDesignPresenter::edited(int field) {
    // A further element holds a coefficient or a pressure loss, not both: typing into one empties
    // the other.
    for (PumpSide side : kSides)
        for (int e = 0; e < kPumpFurtherCount; ++e) {
            if (field == furtherField(side, FurtherZeta0, e)) form_.setText(furtherField(side, FurtherLoss0, e), "");
            if (field == furtherField(side, FurtherLoss0, e)) form_.setText(furtherField(side, FurtherZeta0, e), "");
        }
}

void PumpDesignPresenter::chosen(int field) {
    if (field == FlowQuantity) form_.choice(FlowUnit).refill(flowUnitsFor(form_.index(FlowQuantity) == 1));
    if (field == ViscosityQuantity)
        form_.choice(ViscosityUnit).refill(viscosityUnitsFor(form_.index(ViscosityQuantity) == 1));
    for (PumpSide side : kSides)
        if (field == sideField(side, TankUnit)) showLossUnitLabel(side);
}

void PumpDesignPresenter::useMainForm(const PumpMediumEntries& medium) {
    form_.setText(MediumName, medium.name);
    form_.choice(FlowQuantity).select(medium.massFlow ? 1 : 0);
    form_.choice(FlowUnit).refill(flowUnitsFor(medium.massFlow));
    form_.setText(Flow, medium.flow);
    // The main form's norm volume flows have no place in a liquid's list: the first unit stays.
    form_.choice(FlowUnit).selectLabel(medium.flowUnit);
    form_.setText(Density, medium.density);
    form_.choice(DensityUnit).selectLabel(medium.densityUnit);
    form_.choice(ViscosityQuantity).select(medium.kinematic ? 1 : 0);
    form_.choice(ViscosityUnit).refill(viscosityUnitsFor(medium.kinematic));
    form_.choice(ViscosityUnit).selectLabel(medium.viscosityUnit);
    form_.setText(Viscosity, medium.viscosity);
}

std::vector<int> PumpDesignPresenter::allEntries() const {
    std::vector<int> entries{MediumName, Flow, Density, Viscosity, Temperature, Vapour, Roughness, PumpName};
    for (PumpSide side : kSides)
        for (int e = TankPressure; e < TankLabel; ++e)
            if (e != TankUnit && e != HeightUnit && e != DiameterUnit && e != LengthUnit)
                entries.push_back(sideField(side, e));
    return entries;
}

void PumpDesignPresenter::clear() {
    for (int entry : allEntries()) form_.setText(entry, "");
    for (PumpSide side : kSides) {
        for (int f = 0; f < kPumpFittingCount; ++f) form_.setText(sideField(side, FittingCount0 + f), "0");
        for (int e = 0; e < kPumpFurtherCount; ++e) form_.setText(furtherField(side, FurtherCount0, e), "0");
    }
    held_.reset();
    fileName_.clear();
    filePath_.clear();
    setTitle();
}

model::UserMessage PumpDesignPresenter::informationMessage() const {
    std::string body;
    for (int i = 0; i < 9; ++i) {
        if (i > 0) body += "\r";
        if (i == 2) body += "\r";  // an empty line after the second paragraph
        body += text(static_cast<int>(T::Information1) + i);
    }
    return {.icon = MessageIcon::Information, .caption = text(T::InformationCaption), .text = body};
}

std::string PumpDesignPresenter::withoutLastCharacter(const std::string& label) {
    std::string cut = label;
    if (!cut.empty()) cut.pop_back();
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();  // "Coudes à 90° :" loses its blank too
    return cut;
}

// ---- reading ------------------------------------------------------------------------------------

std::optional<Real> PumpDesignPresenter::numberOf(int entry, int label, model::Messenger& messenger,
                                                  bool emptyIsError, bool zeroIsError) const {
    const auto value = number(entry, label, messenger, emptyIsError);
    if (!value) return std::nullopt;
    if (zeroIsError && !(*value > 0)) {
        refuse(entry, label, messenger);
        return std::nullopt;
    }
    return value;
}

std::optional<int> PumpDesignPresenter::countOf(int entry, int label, model::Messenger& messenger) const {
    const auto value = model::readNumber(form_.text(entry));
    // A count is a whole number within the spinner's range.
    if (!value || *value != std::floor(*value) || *value < 0 || *value > kMaxCount) {
        refuse(entry, label, messenger);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<Real> PumpDesignPresenter::roughnessOf(model::Messenger& messenger) {
    if (roughness_) return roughness_;
    const auto value = number(Roughness, RoughnessLabel, messenger);
    if (!value) return std::nullopt;
    // A negative roughness would make the wall smoother than a smooth one.
    if (*value < 0) {
        refuse(Roughness, RoughnessLabel, messenger);
        return std::nullopt;
    }
    roughness_ = toMillimetres(form_.current(RoughnessUnit), *value);
    return roughness_;
}

bool PumpDesignPresenter::readSide(PumpSide side, const PumpMedium& medium, PumpSideInput& out,
                                   model::Messenger& messenger) {
    const auto field = [side](int entry) { return sideField(side, entry); };
    form_.choice(Page).select(side == PumpSide::Suction ? 0 : 1);
    const std::string& tankUnit = form_.current(field(TankUnit));

    const auto tank = numberOf(field(TankPressure), field(TankLabel), messenger);
    if (!tank) return false;
    out.tankPressure = model::convertPressure(tankUnit, *tank);
    // An absolute pressure below 0 bar (a gauge entry below −1 atm) is no state of a tank.
    if (out.tankPressure < 0) {
        refuse(field(TankPressure), field(TankLabel), messenger);
        return false;
    }

    const auto diameter = numberOf(field(Diameter), field(DiameterLabel), messenger, false, true);
    if (!diameter) return false;
    out.diameter = toMillimetres(form_.current(field(DiameterUnit)), *diameter);
    const Real reynolds = pipeReynolds(medium.flow, medium.density, medium.viscosity, out.diameter);

    const auto length = numberOf(field(Length), field(LengthLabel), messenger);
    if (!length) return false;
    if (*length < 0) {
        refuse(field(Length), field(LengthLabel), messenger);
        return false;
    }
    out.length = toMetres(form_.current(field(LengthUnit)), *length);

    if (reynolds < kLaminarLimit) {
        messenger.show(lang::plainMessage(texts(), text(side == PumpSide::Suction ? T::LaminarSuction
                                                                                  : T::LaminarDischarge)));
    } else if (!roughnessOf(messenger)) {
        return false;
    }

    const auto height = numberOf(field(Height), field(HeightLabel), messenger);
    if (!height) return false;
    out.height = toMetres(form_.current(field(HeightUnit)), *height);

    // Counts in the order of the calculation: bends, cocks and gate valves, valves, check valves,
    // check flaps.
    constexpr std::array<PumpFitting, kPumpFittingCount> order{PumpFitting::Bend,       PumpFitting::Cock,
                                                               PumpFitting::GateValve,  PumpFitting::Valve,
                                                               PumpFitting::CheckValve, PumpFitting::CheckFlap};
    for (PumpFitting fitting : order) {
        const int f = static_cast<int>(fitting);
        const auto count = countOf(field(FittingCount0 + f), field(FittingLabel0 + f), messenger);
        if (!count) return false;
        out.counts[static_cast<std::size_t>(f)] = *count;
    }

    for (int e = 0; e < kPumpFurtherCount; ++e) {
        PumpFurtherElement& element = out.further[static_cast<std::size_t>(e)];
        element = {};
        const int countEntry = furtherField(side, FurtherCount0, e);
        const auto count = countOf(countEntry, countEntry, messenger);
        if (!count) return false;
        element.count = *count;
        if (element.count == 0) continue;
        const int zetaEntry = furtherField(side, FurtherZeta0, e);
        const int lossEntry = furtherField(side, FurtherLoss0, e);
        if (!isBlank(form_.text(zetaEntry))) {
            element.zeta = model::readNumber(form_.text(zetaEntry));
            if (!element.zeta) {
                messenger.show({.icon = MessageIcon::Error,
                                .caption = global(GlobalText::ProgramTitle),
                                .text = global(GlobalText::InvalidNumber) + " " +
                                        global(GlobalText::CaptionResistanceCoefficient) + " " +
                                        std::to_string(e + 1) + "!",
                                .entry = zetaEntry});
                return false;
            }
        }
        if (!isBlank(form_.text(lossEntry))) {
            const auto loss = numberOf(lossEntry, field(FurtherLossUnitLabel), messenger);
            if (!loss) return false;
            // A loss per piece in the side's tank-pressure unit; a gauge unit's offset does not
            // belong to a difference of pressures.
            const std::string unit = tankUnit == "psig" ? std::string("psia") : tankUnit;
            element.loss = model::convertPressure(unit, *loss);
        }
    }
    return true;
}

bool PumpDesignPresenter::calculate(model::Messenger& messenger) {
    roughness_.reset();
    report_ = {};
    // The labels the messages name: the quantity choices' texts.
    form_.setCaption(Flow, form_.current(FlowQuantity));
    form_.setCaption(Viscosity, form_.current(ViscosityQuantity));
    for (PumpSide side : kSides)
        for (int e = 0; e < kPumpFurtherCount; ++e)
            form_.setCaption(furtherField(side, FurtherCount0, e), text(T::CountHeader) + " " + std::to_string(e + 1));

    // Negative medium values give a negative Reynolds number and meaningless losses: refused as 0.
    if (!numberOf(Flow, Flow, messenger, true, true)) return false;
    if (!numberOf(Density, DensityLabel, messenger, true, true)) return false;
    if (!numberOf(Viscosity, Viscosity, messenger, true, true)) return false;
    if (!numberOf(Temperature, TemperatureLabel, messenger, true)) return false;
    const auto vapour = numberOf(Vapour, VapourLabel, messenger, true, true);
    if (!vapour) return false;

    const PumpMediumEntries entries{.name = form_.text(MediumName),
                                    .massFlow = form_.index(FlowQuantity) == 1,
                                    .flow = form_.text(Flow),
                                    .flowUnit = form_.current(FlowUnit),
                                    .density = form_.text(Density),
                                    .densityUnit = form_.current(DensityUnit),
                                    .kinematic = form_.index(ViscosityQuantity) == 1,
                                    .viscosity = form_.text(Viscosity),
                                    .viscosityUnit = form_.current(ViscosityUnit)};
    const auto medium = conversion_->convert(entries, messenger);
    if (!medium) return false;

    PumpDesignInput input;
    input.flow = medium->flow;
    input.density = medium->density;
    input.viscosity = medium->viscosity;
    input.vapourPressure = model::convertPressure(form_.current(VapourUnit), *vapour);
    if (!readSide(PumpSide::Suction, *medium, input.suction, messenger)) return false;
    if (!readSide(PumpSide::Discharge, *medium, input.discharge, messenger)) return false;
    input.roughness = roughness_.value_or(0);

    // Viscous media change a centrifugal pump's curve; the design goes on.
    if (input.viscosity / 1000 > 39)
        messenger.show(lang::plainMessage(texts(), text(T::ViscosityWarning)));

    try {
        result_ = computePumpDesign(input);
    } catch (const engine::CalcError&) {
        messenger.show({.icon = MessageIcon::Error,
                        .caption = global(GlobalText::ProgramTitle),
                        .text = global(GlobalText::CalculationFailed)});
        return false;
    }
    if (us()) result_ = toUsUnits(result_);
    buildReport(result_);
    if (report_.negativeSuctionPressure)
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = global(GlobalText::WarningCaption),
                        .text = text(T::NegativeSuctionPressure)});
    return true;
}

// ---- values from the data dialogs ---------------------------------------------------------------

void PumpDesignPresenter::takeVapourPressure(const std::string& barText, const std::string& temperatureText) {
    form_.setText(Vapour, barText);
    form_.choice(VapourUnit).select(0);  // bar
    form_.setText(Temperature, temperatureText);
}

bool PumpDesignPresenter::takePipe(const pipedata::PipeValues& values) {
    // One circular pipe per side: a duct's width is no diameter.
    if (values.rectangular) return false;
    const PumpSide side = pageInFront();
    form_.setText(sideField(side, Diameter), us() ? values.inside.inch : values.inside.mm);
    form_.choice(sideField(side, DiameterUnit)).select(us() ? 1 : 0);
    return true;
}

bool PumpDesignPresenter::takeZeta(const pipedata::ZetaValues& values) {
    const PumpSide side = pageInFront();
    bool taken = false;
    for (int e = 0; e < kPumpFurtherCount; ++e) {
        if (!values.pumpRows[static_cast<std::size_t>(e)]) continue;
        form_.setText(furtherField(side, FurtherName0, e), values.fitting);
        form_.setText(furtherField(side, FurtherZeta0, e), values.zetaText);
        edited(furtherField(side, FurtherZeta0, e));  // the coefficient replaces a pressure loss
        taken = true;
    }
    return taken;
}

bool PumpDesignPresenter::takeRoughness(const pipedata::RoughnessValues& values) {
    form_.setText(Roughness, values.mm);
    form_.choice(RoughnessUnit).select(0);
    return true;
}

}  // namespace velmora::tools
