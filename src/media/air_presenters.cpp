#include "media/air_presenters.h"

#include "lang/dialog_messages.h"
#include "media/air_display.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "model/water_air_window_text.h"

namespace velmora::media {

namespace {

using model::DryAirText;
using model::GlobalText;
using model::HumidAirText;
using model::SaturatedAirText;

PropertyDisplay display(MediumOutput output) {
    return PropertyDisplay{output.us(), output.decimalComma};
}

std::string defaultPressure(const lang::TextCatalogue& texts, const char* comma, const char* point) {
    return texts.edition().decimalComma() ? comma : point;
}

// The range refusals of the dry and humid air dialogs: error icon, the program title.
model::UserMessage rangeError(const lang::TextCatalogue& texts, const std::string& text, int entry) {
    return {.icon = model::MessageIcon::Error,
            .caption = texts.text(GlobalText::ProgramTitle),
            .text = text,
            .entry = entry};
}

model::UserMessage airInformation(const lang::TextCatalogue& texts, const std::string& first,
                                  const std::string& second, const std::string& note) {
    return {.icon = model::MessageIcon::Information,
            .caption = texts.text(GlobalText::NoticeCaption),
            .text = first + " " + second + "\r" + note};
}

std::string stateWord(const lang::TextCatalogue& texts, AirState state) {
    switch (state) {
        case AirState::Solid:
            return texts.text(GlobalText::StateSolid);
        case AirState::Liquid:
            return texts.text(GlobalText::StateLiquid);
        default:
            return texts.text(GlobalText::StateGaseous);
    }
}

}  // namespace

// ---- Dry air ----

namespace {
using D = DryAirField;
int field(D f) {
    return static_cast<int>(f);
}
const std::string& dryText(const lang::TextCatalogue& texts, DryAirText t) {
    return lang::blockText(texts, model::kDryAirBlock, t);
}
}  // namespace

DryAirPresenter::DryAirPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(D::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(field(D::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.setText(field(D::Pressure), defaultPressure(texts, "1,0", "1.0"));
}

void DryAirPresenter::show(MediumOutput output) {
    output_ = output;
    const bool us = output.us();
    const auto caption = [&](D f, DryAirText t) { form_.setCaption(field(f), dryText(texts_, t)); };
    caption(D::Title, DryAirText::Title);
    caption(D::PressureLabel, DryAirText::PressureLabel);
    caption(D::PressureNote, DryAirText::PressureNote);
    caption(D::TemperatureLabel, DryAirText::TemperatureLabel);
    caption(D::TemperatureNote, DryAirText::TemperatureNote);
    caption(D::StateLabel, DryAirText::StateLabel);
    caption(D::DensityCaption, us ? DryAirText::DensityUs : DryAirText::DensityMetric);
    caption(D::VolumeCaption, us ? DryAirText::VolumeUs : DryAirText::VolumeMetric);
    caption(D::ViscosityCaption, us ? DryAirText::ViscosityUs : DryAirText::ViscosityMetric);
    caption(D::Calculate, DryAirText::Calculate);
    caption(D::TakeOver, DryAirText::TakeOver);
    caption(D::Close, DryAirText::Close);
    caption(D::Info, DryAirText::Info);
    clearResults();
}

void DryAirPresenter::edited(DryAirField) {
    clearResults();
}
void DryAirPresenter::chosen(DryAirField) {
    clearResults();
}

void DryAirPresenter::clearResults() {
    form_.clearOutputs({field(D::State), field(D::Density), field(D::Volume), field(D::Viscosity)});
    form_.setEnabled(field(D::TakeOver), false);
    result_.reset();
}

void DryAirPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(D::Temperature)), form_.current(field(D::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, dryText(texts_, DryAirText::TemperatureLabel),
                                              field(D::Temperature)));
        return;
    }
    const std::optional<Real> pressure = model::readNumber(form_.text(field(D::Pressure)));
    // The temperature is checked before the pressure is read.
    const auto outcome = computeDryAir(
        *kelvin, pressure ? model::convertPressure(form_.current(field(D::PressureUnit)), *pressure) : 1.0L);
    if (!outcome && outcome.reason() == AirRefusal::TemperatureOutOfRange) {
        messenger.show(
            rangeError(texts_, dryText(texts_, DryAirText::TemperatureRange), field(D::Temperature)));
        return;
    }
    if (!pressure) {
        messenger.show(
            lang::numberEntryError(texts_, dryText(texts_, DryAirText::PressureLabel), field(D::Pressure)));
        return;
    }
    if (!outcome) {
        if (outcome.reason() == AirRefusal::PressureOutOfRange)
            messenger.show(
                rangeError(texts_, dryText(texts_, DryAirText::PressureRange), field(D::Pressure)));
        else
            messenger.show(
                noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity), field(D::Temperature)));
        return;
    }
    result_ = *outcome;
    form_.setOutput(field(D::State), stateWord(texts_, outcome->state));
    if (!outcome->properties) return;  // solid air: the state only
    const FluidTexts shown = dryAirTexts(*outcome->properties, display(output_));
    form_.setOutput(field(D::Density), shown.density);
    form_.setOutput(field(D::Volume), shown.specificVolume);
    form_.setOutput(field(D::Viscosity), shown.viscosity);
    form_.setEnabled(field(D::TakeOver), true);
}

std::optional<MediumTransfer> DryAirPresenter::takeOver() const {
    if (!result_ || !result_->properties) return std::nullopt;
    const TextWithUnit pressure{form_.text(field(D::Pressure)), form_.current(field(D::PressureUnit))};
    const TextWithUnit temperature{form_.text(field(D::Temperature)),
                                   form_.current(field(D::TemperatureUnit))};
    MediumTransfer transfer;
    transfer.mediumText = texts_.text(GlobalText::AirName) + " (" + pressure.text + " " + pressure.unit +
                          ", " + temperature.text + " " + temperature.unit + ")";
    transfer.density = TextWithUnit{form_.output(field(D::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(D::Viscosity)), viscosityTransferUnit(output_)};
    if (result_->state == AirState::Gaseous) {
        transfer.state = model::MediumState::Gas;
        transfer.inletPressure = pressure;
        transfer.inletTemperature = temperature;
        transfer.outletTemperature = temperature;
    } else {
        transfer.state = model::MediumState::Liquid;
    }
    return transfer;
}

model::UserMessage DryAirPresenter::information() const {
    return airInformation(texts_, dryText(texts_, DryAirText::InfoText1),
                          dryText(texts_, DryAirText::InfoText2), dryText(texts_, DryAirText::Note));
}

// ---- Humid air ----

namespace {
using H = HumidAirField;
int field(H f) {
    return static_cast<int>(f);
}
const std::string& humidText(const lang::TextCatalogue& texts, HumidAirText t) {
    return lang::blockText(texts, model::kHumidAirBlock, t);
}
}  // namespace

HumidAirPresenter::HumidAirPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(H::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(field(H::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.choice(field(H::HumidityKind)) = model::UnitBox({"", ""});
    form_.setText(field(H::Pressure), defaultPressure(texts, "1,013", "1.013"));
}

void HumidAirPresenter::show(MediumOutput output) {
    output_ = output;
    const bool us = output.us();
    const auto caption = [&](H f, HumidAirText t) { form_.setCaption(field(f), humidText(texts_, t)); };
    caption(H::Title, HumidAirText::Title);
    caption(H::PressureLabel, HumidAirText::PressureLabel);
    caption(H::PressureNote, HumidAirText::PressureNote);
    caption(H::TemperatureLabel, HumidAirText::TemperatureLabel);
    caption(H::TemperatureNote, HumidAirText::TemperatureNote);
    caption(H::ResultsLabel, HumidAirText::Results);
    caption(H::RelativeCaption, HumidAirText::ResultRelative);
    caption(H::ContentCaption, HumidAirText::ResultContent);
    caption(H::SaturationCaption, HumidAirText::ResultSaturation);
    caption(H::DegreeCaption, HumidAirText::DegreeOfSaturation);
    caption(H::MoleCaption, HumidAirText::MoleFraction);
    caption(H::DewPointCaption, us ? HumidAirText::DewPointUs : HumidAirText::DewPointMetric);
    caption(H::DensityCaption, us ? HumidAirText::DensityUs : HumidAirText::DensityMetric);
    caption(H::VolumeCaption, us ? HumidAirText::VolumeUs : HumidAirText::VolumeMetric);
    caption(H::ViscosityCaption, us ? HumidAirText::ViscosityUs : HumidAirText::ViscosityMetric);
    caption(H::Calculate, HumidAirText::Calculate);
    caption(H::TakeOver, HumidAirText::TakeOver);
    caption(H::Close, HumidAirText::Close);
    caption(H::Info, HumidAirText::Info);
    model::UnitBox& kind = form_.choice(field(H::HumidityKind));
    const int selected = kind.index();
    kind = model::UnitBox({humidText(texts_, HumidAirText::HumidityRelative),
                           humidText(texts_, HumidAirText::HumidityContent)});
    kind.select(selected);
    clearResults();
}

void HumidAirPresenter::edited(HumidAirField) {
    clearResults();
}
void HumidAirPresenter::chosen(HumidAirField f) {
    if (f != H::HumidityKind) clearResults();
}

void HumidAirPresenter::clearResults() {
    form_.clearOutputs({field(H::Relative), field(H::Content), field(H::SaturationContent), field(H::Degree),
                        field(H::MoleFraction), field(H::DewPoint), field(H::Density), field(H::Volume),
                        field(H::Viscosity)});
    form_.setEnabled(field(H::TakeOver), false);
    result_.reset();
}

void HumidAirPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(H::Temperature)), form_.current(field(H::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, humidText(texts_, HumidAirText::TemperatureLabel),
                                              field(H::Temperature)));
        return;
    }
    const auto refuse = [&](AirRefusal reason) {
        switch (reason) {
            case AirRefusal::TemperatureOutOfRange:
                return rangeError(texts_, humidText(texts_, HumidAirText::TemperatureRange),
                                  field(H::Temperature));
            case AirRefusal::PressureOutOfRange:
                return rangeError(texts_, humidText(texts_, HumidAirText::PressureRange), field(H::Pressure));
            case AirRefusal::HumidityOutOfRange:
                return rangeError(texts_, humidText(texts_, HumidAirText::HumidityRange), field(H::Humidity));
            default:
                return noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity),
                                 field(H::Temperature));
        }
    };
    const HumidityKind kind = form_.index(field(H::HumidityKind)) == 0 ? HumidityKind::RelativeHumidity
                                                                       : HumidityKind::MoistureContent;
    // Each entry is read only after the ones before it have passed their range checks; a valid
    // stand-in (1 bar, 50 % or 0.001 kg/kg) lets the earlier checks run first.
    const Real standIn = kind == HumidityKind::RelativeHumidity ? 50.0L : 0.001L;
    const std::optional<Real> pressure = model::readNumber(form_.text(field(H::Pressure)));
    if (!pressure) {
        const auto early = computeHumidAir(*kelvin, 1.0L, kind, standIn);
        if (!early && early.reason() == AirRefusal::TemperatureOutOfRange) {
            messenger.show(refuse(early.reason()));
            return;
        }
        messenger.show(lang::numberEntryError(texts_, humidText(texts_, HumidAirText::PressureLabel),
                                              field(H::Pressure)));
        return;
    }
    const Real bar = model::convertPressure(form_.current(field(H::PressureUnit)), *pressure);
    const std::optional<Real> humidity = model::readNumber(form_.text(field(H::Humidity)));
    if (!humidity) {
        const auto early = computeHumidAir(*kelvin, bar, kind, standIn);
        if (!early && (early.reason() == AirRefusal::TemperatureOutOfRange ||
                       early.reason() == AirRefusal::PressureOutOfRange)) {
            messenger.show(refuse(early.reason()));
            return;
        }
        messenger.show(
            lang::numberEntryError(texts_, form_.current(field(H::HumidityKind)), field(H::Humidity)));
        return;
    }
    const auto outcome = computeHumidAir(*kelvin, bar, kind, *humidity);
    if (!outcome) {
        messenger.show(refuse(outcome.reason()));
        return;
    }
    result_ = *outcome;
    const HumidAirTexts shown = humidAirTexts(*outcome, display(output_));
    form_.setOutput(field(H::Relative), shown.relativeHumidity);
    form_.setOutput(field(H::Content), shown.moistureContent);
    form_.setOutput(field(H::SaturationContent), shown.saturationMoistureContent);
    form_.setOutput(field(H::Degree), shown.degreeOfSaturation);
    form_.setOutput(field(H::MoleFraction), shown.moleFraction);
    form_.setOutput(field(H::DewPoint), shown.dewPoint);
    form_.setOutput(field(H::Density), shown.fluid.density);
    form_.setOutput(field(H::Volume), shown.fluid.specificVolume);
    form_.setOutput(field(H::Viscosity), shown.fluid.viscosity);
    form_.setEnabled(field(H::TakeOver), true);
}

std::optional<MediumTransfer> HumidAirPresenter::takeOver() const {
    if (!result_) return std::nullopt;
    const TextWithUnit pressure{form_.text(field(H::Pressure)), form_.current(field(H::PressureUnit))};
    const TextWithUnit temperature{form_.text(field(H::Temperature)),
                                   form_.current(field(H::TemperatureUnit))};
    MediumTransfer transfer;
    transfer.mediumText = texts_.text(GlobalText::AirName) + " (" + pressure.text + " " + pressure.unit +
                          ", " + temperature.text + " " + temperature.unit + ", " +
                          form_.caption(field(H::RelativeCaption)) + " " + form_.output(field(H::Relative)) +
                          ")";
    transfer.state = model::MediumState::Gas;
    transfer.density = TextWithUnit{form_.output(field(H::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(H::Viscosity)), viscosityTransferUnit(output_)};
    transfer.inletPressure = pressure;
    transfer.inletTemperature = temperature;
    transfer.outletTemperature = temperature;
    return transfer;
}

model::UserMessage HumidAirPresenter::information() const {
    return airInformation(texts_, humidText(texts_, HumidAirText::InfoText1),
                          humidText(texts_, HumidAirText::InfoText2), humidText(texts_, HumidAirText::Note));
}

// ---- Saturated air ----

namespace {
using A = SaturatedAirField;
int field(A f) {
    return static_cast<int>(f);
}
const std::string& saturatedText(const lang::TextCatalogue& texts, SaturatedAirText t) {
    return lang::blockText(texts, model::kSaturatedAirBlock, t);
}
}  // namespace

SaturatedAirPresenter::SaturatedAirPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(A::TemperatureUnit)) = model::UnitBox(temperatureUnits());
}

void SaturatedAirPresenter::show(MediumOutput output) {
    output_ = output;
    const bool us = output.us();
    const auto caption = [&](A f, SaturatedAirText t) {
        form_.setCaption(field(f), saturatedText(texts_, t));
    };
    caption(A::Title, SaturatedAirText::Title);
    caption(A::TemperatureLabel, SaturatedAirText::TemperatureLabel);
    caption(A::TemperatureNote, SaturatedAirText::TemperatureNote);
    caption(A::VapourColumn, SaturatedAirText::VapourColumn);
    caption(A::LiquidColumn, SaturatedAirText::LiquidColumn);
    caption(A::PressureCaption, us ? SaturatedAirText::PressureUs : SaturatedAirText::PressureMetric);
    caption(A::DensityCaption, us ? SaturatedAirText::DensityUs : SaturatedAirText::DensityMetric);
    caption(A::VolumeCaption, us ? SaturatedAirText::VolumeUs : SaturatedAirText::VolumeMetric);
    caption(A::ViscosityCaption, us ? SaturatedAirText::ViscosityUs : SaturatedAirText::ViscosityMetric);
    caption(A::Calculate, SaturatedAirText::Calculate);
    caption(A::TakeLiquid, SaturatedAirText::TakeLiquid);
    caption(A::TakeVapour, SaturatedAirText::TakeVapour);
    caption(A::Close, SaturatedAirText::Close);
    clearResults();
}

void SaturatedAirPresenter::edited(SaturatedAirField) {
    clearResults();
}
void SaturatedAirPresenter::chosen(SaturatedAirField) {
    clearResults();
}

void SaturatedAirPresenter::clearResults() {
    form_.clearOutputs({field(A::VapourPressure), field(A::LiquidPressure), field(A::VapourDensity),
                        field(A::LiquidDensity), field(A::VapourVolume), field(A::LiquidVolume),
                        field(A::VapourViscosity), field(A::LiquidViscosity)});
    form_.setEnabled(field(A::TakeLiquid), false);
    form_.setEnabled(field(A::TakeVapour), false);
    result_.reset();
}

void SaturatedAirPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(A::Temperature)), form_.current(field(A::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(
            texts_, saturatedText(texts_, SaturatedAirText::TemperatureLabel), field(A::Temperature)));
        return;
    }
    const auto outcome = computeSaturatedAir(*kelvin);
    if (!outcome) {
        messenger.show(
            noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity), field(A::Temperature)));
        return;
    }
    result_ = *outcome;
    const SaturatedAirTexts shown = saturatedAirTexts(*outcome, display(output_));
    form_.setOutput(field(A::VapourPressure), shown.dewPressure);
    form_.setOutput(field(A::LiquidPressure), shown.bubblePressure);
    form_.setOutput(field(A::VapourDensity), shown.vapour.density);
    form_.setOutput(field(A::LiquidDensity), shown.liquid.density);
    form_.setOutput(field(A::VapourVolume), shown.vapour.specificVolume);
    form_.setOutput(field(A::LiquidVolume), shown.liquid.specificVolume);
    form_.setOutput(field(A::VapourViscosity), shown.vapour.viscosity);
    form_.setOutput(field(A::LiquidViscosity), shown.liquid.viscosity);
    form_.setEnabled(field(A::TakeLiquid), true);
    form_.setEnabled(field(A::TakeVapour), true);
}

std::optional<MediumTransfer> SaturatedAirPresenter::takeLiquid() const {
    if (!result_) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = saturatedText(texts_, SaturatedAirText::LiquidName) + " (" +
                          form_.text(field(A::Temperature)) + " " + form_.current(field(A::TemperatureUnit)) +
                          ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(A::LiquidDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(A::LiquidViscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

std::optional<MediumTransfer> SaturatedAirPresenter::takeVapour() const {
    if (!result_) return std::nullopt;
    const TextWithUnit temperature{form_.text(field(A::Temperature)),
                                   form_.current(field(A::TemperatureUnit))};
    MediumTransfer transfer;
    transfer.mediumText = saturatedText(texts_, SaturatedAirText::VapourName) + " (" + temperature.text +
                          " " + temperature.unit + ")";
    transfer.state = model::MediumState::Gas;
    transfer.density = TextWithUnit{form_.output(field(A::VapourDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(A::VapourViscosity)), viscosityTransferUnit(output_)};
    transfer.inletTemperature = temperature;
    transfer.outletTemperature = temperature;
    transfer.inletPressure =
        TextWithUnit{form_.output(field(A::VapourPressure)), output_.us() ? "psia" : "bar"};
    return transfer;
}

}  // namespace velmora::media
