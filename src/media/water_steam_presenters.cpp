#include "media/water_steam_presenters.h"

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "model/water_air_window_text.h"

namespace velmora::media {

namespace {

using model::GlobalText;
using model::WaterSaturationText;
using model::WaterSteamText;

constexpr Real psi = 0.068947581976L;  // bar

// Decimals that shrink as the value grows: `base` up to 1, one fewer above 1, 10 and 100.
int shrinkingDecimals(Real value, int base) {
    if (value > 100) return base - 3;
    if (value > 10) return base - 2;
    if (value > 1) return base - 1;
    return base;
}

std::string shownVolume(Real volume, int metricDecimals, MediumOutput output) {
    if (output.us()) return writeShown(volume * poundPerCubicFoot, metricDecimals - 1, output);
    return writeShown(volume, metricDecimals, output);
}

// The default pressure entry, 1.013 bar in the edition's decimal form.
std::string defaultPressure(const lang::TextCatalogue& texts) {
    return texts.edition().decimalComma() ? "1,013" : "1.013";
}

// The message a refused water-and-steam state shows, with the focus on `entry`.
model::UserMessage waterRefusal(const lang::TextCatalogue& texts, WaterSteamRefusal reason, int entry) {
    const std::string& outside = texts.text(GlobalText::ValueOutsideValidity);
    switch (reason) {
        case WaterSteamRefusal::StateOutsideRange:
        case WaterSteamRefusal::NoRegion:
            return lang::plainMessage(texts, outside, entry);
        default:
            return noticeBox(texts, outside, entry);
    }
}

}  // namespace

// ---- General water and steam ----

namespace {
using G = WaterSteamField;
int field(G f) {
    return static_cast<int>(f);
}
}  // namespace

WaterSteamPresenter::WaterSteamPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(G::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(field(G::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.setText(field(G::Pressure), defaultPressure(texts));
}

void WaterSteamPresenter::show(MediumOutput output) {
    output_ = output;
    const auto caption = [&](G f, WaterSteamText t) {
        form_.setCaption(field(f), lang::blockText(texts_, model::kWaterSteamBlock, t));
    };
    const bool us = output.us();
    caption(G::Title, WaterSteamText::Title);
    caption(G::PressureLabel, WaterSteamText::PressureLabel);
    caption(G::TemperatureLabel, WaterSteamText::TemperatureLabel);
    caption(G::ResultsLabel, WaterSteamText::Results);
    caption(G::DensityCaption, us ? WaterSteamText::DensityUs : WaterSteamText::DensityMetric);
    caption(G::VolumeCaption, us ? WaterSteamText::VolumeUs : WaterSteamText::VolumeMetric);
    caption(G::ViscosityCaption, us ? WaterSteamText::ViscosityUs : WaterSteamText::ViscosityMetric);
    caption(G::Standard, WaterSteamText::Standard);
    caption(G::RangeLabel, WaterSteamText::RangeLabel);
    caption(G::Range1, WaterSteamText::Range1);
    caption(G::Range2, WaterSteamText::Range2);
    caption(G::Calculate, WaterSteamText::Calculate);
    caption(G::TakeOver, WaterSteamText::TakeOver);
    caption(G::Close, WaterSteamText::Close);
    caption(G::Info, WaterSteamText::Info);
    clearResults();
}

void WaterSteamPresenter::edited(WaterSteamField) {
    clearResults();
}

void WaterSteamPresenter::chosen(WaterSteamField) {
    clearResults();
}

void WaterSteamPresenter::clearResults() {
    form_.clearOutputs({field(G::Density), field(G::Volume), field(G::Viscosity)});
    form_.setEnabled(field(G::TakeOver), false);
    result_.reset();
}

void WaterSteamPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const std::optional<Real> pressure = model::readNumber(form_.text(field(G::Pressure)));
    if (!pressure) {
        messenger.show(lang::numberEntryError(
            texts_, lang::blockText(texts_, model::kWaterSteamBlock, WaterSteamText::PressureLabel),
            field(G::Pressure)));
        return;
    }
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(G::Temperature)), form_.current(field(G::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(
            texts_, lang::blockText(texts_, model::kWaterSteamBlock, WaterSteamText::TemperatureLabel),
            field(G::Temperature)));
        return;
    }
    const Real bar = model::convertPressure(form_.current(field(G::PressureUnit)), *pressure);
    const WaterStateOutcome state = computeWaterState(*kelvin, bar);
    if (!state) {
        messenger.show(waterRefusal(texts_, state.reason(), field(G::Pressure)));
        return;
    }
    result_ = *state;
    form_.setOutput(field(G::Density), shownDensity(state->density, state->density >= 1 ? 3 : 6,
                                                    state->density >= 1 ? 4 : 7, output_));
    form_.setOutput(field(G::Volume),
                    shownVolume(state->specificVolume, shrinkingDecimals(state->specificVolume, 6), output_));
    form_.setOutput(field(G::Viscosity), shownViscosity(state->viscosity, 2, 5, output_));
    form_.setEnabled(field(G::TakeOver), true);
}

std::optional<MediumTransfer> WaterSteamPresenter::takeOver() const {
    if (!result_) return std::nullopt;
    const TextWithUnit pressure{form_.text(field(G::Pressure)), form_.current(field(G::PressureUnit))};
    const TextWithUnit temperature{form_.text(field(G::Temperature)),
                                   form_.current(field(G::TemperatureUnit))};
    MediumTransfer transfer;
    transfer.mediumText = texts_.text(GlobalText::WaterName) + " (" + pressure.text + " " + pressure.unit +
                          ", " + temperature.text + " " + temperature.unit + ")";
    transfer.density = TextWithUnit{form_.output(field(G::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(G::Viscosity)), viscosityTransferUnit(output_)};
    if (isLiquidRegion(result_->region)) {
        transfer.state = model::MediumState::Liquid;
    } else {
        transfer.state = model::MediumState::Gas;
        transfer.inletPressure = pressure;
        transfer.inletTemperature = temperature;
        transfer.outletTemperature = temperature;
    }
    return transfer;
}

model::UserMessage WaterSteamPresenter::information() const {
    return {.icon = model::MessageIcon::Information,
            .caption = texts_.text(GlobalText::InformationCaption),
            .text = lang::blockText(texts_, model::kWaterSteamBlock, WaterSteamText::InfoText)};
}

// ---- Saturated water and steam ----

namespace {
using S = WaterSaturationField;
int field(S f) {
    return static_cast<int>(f);
}
}  // namespace

WaterSaturationPresenter::WaterSaturationPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(S::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(field(S::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.choice(field(S::Given)) = model::UnitBox({"", ""});
    applyGiven();
}

void WaterSaturationPresenter::show(MediumOutput output) {
    output_ = output;
    const auto text = [&](WaterSaturationText t) -> const std::string& {
        return lang::blockText(texts_, model::kWaterSaturationBlock, t);
    };
    const auto caption = [&](S f, WaterSaturationText t) { form_.setCaption(field(f), text(t)); };
    const bool us = output.us();
    caption(S::Title, WaterSaturationText::Title);
    caption(S::Given, WaterSaturationText::Given);
    caption(S::TemperatureLabel, WaterSaturationText::TemperatureLabel);
    caption(S::PressureLabel, WaterSaturationText::PressureLabel);
    caption(S::Range, WaterSaturationText::Range);
    caption(S::Standard, WaterSaturationText::Standard);
    caption(S::Calculate, WaterSaturationText::Calculate);
    caption(S::VapourColumn, WaterSaturationText::VapourColumn);
    caption(S::LiquidColumn, WaterSaturationText::LiquidColumn);
    caption(S::DensityCaption, us ? WaterSaturationText::DensityUs : WaterSaturationText::DensityMetric);
    caption(S::VolumeCaption, us ? WaterSaturationText::VolumeUs : WaterSaturationText::VolumeMetric);
    caption(S::ViscosityCaption,
            us ? WaterSaturationText::ViscosityUs : WaterSaturationText::ViscosityMetric);
    caption(S::TakeLiquid, WaterSaturationText::TakeLiquid);
    caption(S::TakeVapour, WaterSaturationText::TakeVapour);
    caption(S::Close, WaterSaturationText::Close);
    model::UnitBox& given = form_.choice(field(S::Given));
    const int selected = given.index();
    given = model::UnitBox(
        {text(WaterSaturationText::GivenTemperature), text(WaterSaturationText::GivenPressure)});
    given.select(selected);
    form_.setText(field(S::Temperature), "");
    form_.setText(field(S::Pressure), "");
    applyGiven();
}

void WaterSaturationPresenter::applyGiven() {
    const bool byTemperature = temperatureGiven();
    form_.setEnabled(field(S::Temperature), byTemperature);
    form_.setEnabled(field(S::TemperatureUnit), byTemperature);
    form_.setEnabled(field(S::Pressure), !byTemperature);
    form_.setEnabled(field(S::PressureUnit), !byTemperature);
    const std::string quantity =
        texts_.text(byTemperature ? GlobalText::WordPressure : GlobalText::WordTemperature) + " " +
        texts_.text(GlobalText::UnitConnector);
    const char* unit = byTemperature ? (output_.us() ? " psi:" : " bar:") : (output_.us() ? " °F:" : " °C:");
    form_.setCaption(field(S::ResultCaption), quantity + unit);
    clearResults();
}

void WaterSaturationPresenter::edited(WaterSaturationField) {
    clearResults();
}

void WaterSaturationPresenter::chosen(WaterSaturationField f) {
    if (f == S::Given) {
        form_.setText(field(S::Temperature), "");
        form_.setText(field(S::Pressure), "");
        applyGiven();
        return;
    }
    clearResults();
}

void WaterSaturationPresenter::clearResults() {
    form_.clearOutputs({field(S::Result), field(S::VapourDensity), field(S::LiquidDensity),
                        field(S::VapourVolume), field(S::LiquidVolume), field(S::VapourViscosity),
                        field(S::LiquidViscosity)});
    form_.setEnabled(field(S::TakeLiquid), false);
    form_.setEnabled(field(S::TakeVapour), false);
    result_.reset();
}

void WaterSaturationPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const auto label = [&](WaterSaturationText t) -> const std::string& {
        return lang::blockText(texts_, model::kWaterSaturationBlock, t);
    };
    std::optional<SaturationOutcome> outcome;
    int entry = 0;
    if (temperatureGiven()) {
        entry = field(S::Temperature);
        const std::optional<Real> kelvin =
            temperatureEntryKelvin(form_.text(entry), form_.current(field(S::TemperatureUnit)));
        if (!kelvin) {
            messenger.show(
                lang::numberEntryError(texts_, label(WaterSaturationText::TemperatureLabel), entry));
            return;
        }
        outcome = computeSaturationAtTemperature(*kelvin);
    } else {
        entry = field(S::Pressure);
        const std::optional<Real> value = model::readNumber(form_.text(entry));
        if (!value) {
            messenger.show(lang::numberEntryError(texts_, label(WaterSaturationText::PressureLabel), entry));
            return;
        }
        outcome = computeSaturationAtPressure(
            model::convertPressure(form_.current(field(S::PressureUnit)), *value));
    }
    if (!*outcome) {
        messenger.show(waterRefusal(texts_, outcome->reason(), entry));
        return;
    }
    const SaturationState& state = outcome->value();
    result_ = state;
    if (temperatureGiven()) {
        form_.setOutput(field(S::Result),
                        writeShown(output_.us() ? state.pressure / psi : state.pressure, 5, output_));
    } else {
        const Real shown = output_.us() ? (state.temperature - 255.37L) * 9 / 5 : state.temperature - 273.15L;
        form_.setOutput(field(S::Result), writeShown(shown, 1, output_));
    }
    const auto phase = [&](const SaturatedPhase& p, S density, S volume, S viscosity) {
        const int d = shrinkingDecimals(p.density, 6);
        form_.setOutput(field(density), shownDensity(p.density, d, d + 1, output_));
        form_.setOutput(field(volume),
                        shownVolume(p.specificVolume, shrinkingDecimals(p.specificVolume, 6), output_));
        form_.setOutput(field(viscosity), shownViscosity(p.viscosity, 2, 5, output_));
    };
    phase(state.vapour, S::VapourDensity, S::VapourVolume, S::VapourViscosity);
    phase(state.liquid, S::LiquidDensity, S::LiquidVolume, S::LiquidViscosity);
    form_.setEnabled(field(S::TakeLiquid), true);
    form_.setEnabled(field(S::TakeVapour), true);
}

std::string WaterSaturationPresenter::givenText() const {
    return temperatureGiven()
               ? form_.text(field(S::Temperature)) + " " + form_.current(field(S::TemperatureUnit))
               : form_.text(field(S::Pressure)) + " " + form_.current(field(S::PressureUnit));
}

std::optional<MediumTransfer> WaterSaturationPresenter::takeLiquid() const {
    if (!result_) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText =
        lang::blockText(texts_, model::kWaterSaturationBlock, WaterSaturationText::LiquidName) + " (" +
        givenText() + ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(S::LiquidDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(S::LiquidViscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

std::optional<MediumTransfer> WaterSaturationPresenter::takeVapour() const {
    if (!result_) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText =
        lang::blockText(texts_, model::kWaterSaturationBlock, WaterSaturationText::VapourName) + " (" +
        givenText() + ")";
    transfer.state = model::MediumState::Gas;
    transfer.density = TextWithUnit{form_.output(field(S::VapourDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(S::VapourViscosity)), viscosityTransferUnit(output_)};
    if (temperatureGiven()) {
        const TextWithUnit temperature{form_.text(field(S::Temperature)),
                                       form_.current(field(S::TemperatureUnit))};
        transfer.inletTemperature = temperature;
        transfer.outletTemperature = temperature;
        transfer.inletPressure = TextWithUnit{form_.output(field(S::Result)), output_.us() ? "psia" : "bar"};
    } else {
        transfer.inletPressure =
            TextWithUnit{form_.text(field(S::Pressure)), form_.current(field(S::PressureUnit))};
        const TextWithUnit temperature{form_.output(field(S::Result)), output_.us() ? "degF" : "°C"};
        transfer.inletTemperature = temperature;
        transfer.outletTemperature = temperature;
    }
    return transfer;
}

}  // namespace velmora::media
