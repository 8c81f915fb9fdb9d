#include "media/gas_presenter.h"

#include <cmath>

#include "lang/dialog_messages.h"
#include "media/boiling_point_estimate.h"
#include "media/gardner_correction.h"
#include "model/gas_window_text.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using F = GasField;
using model::GasDatabaseText;
using model::GlobalText;

constexpr Real lowestPressure = 0.1L;      // bar
constexpr Real highestPressure = 1000.0L;  // bar
constexpr Real normalPressure = 1.013L;    // bar: up to here the tabulated viscosity holds unchanged

int field(F f) {
    return static_cast<int>(f);
}

Real fahrenheit(Real celsius) {
    return celsius * 1.8L + 32;
}

std::string wholeDegrees(Real celsius) {
    return std::to_string(model::roundHalfAway(celsius)) + " °C  (" +
           std::to_string(model::roundHalfAway(fahrenheit(celsius))) + " °F)";
}

}  // namespace

GasPresenter::GasPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    form_.choice(field(F::InterpolationUnit)) = model::UnitBox(temperatureUnits());
    form_.setText(field(F::Pressure), texts.edition().decimalComma() ? "1,013" : "1.013");
    form_.setVisible(field(F::LiquidWarning), false);
    form_.setEnabled(field(F::TakeInterpolated), false);
}

const std::string& GasPresenter::text(int position) const {
    return lang::blockText(texts_, model::kGasDatabaseBlock, position);
}

std::optional<model::UserMessage> GasPresenter::load(const persist::DataFileSet& files) {
    try {
        setRecords(loadGasDatabase(files));
        return std::nullopt;
    } catch (const persist::DataFileError&) {
        setRecords({});
        model::UserMessage message = lang::dataFileError(texts_, "", lang::FileNameBreak::Blank);
        message.text = texts_.text(GlobalText::DataFileOpenFailed);  // the catalogue text alone
        return message;
    }
}

void GasPresenter::setRecords(std::vector<GasRecord> records) {
    records_ = std::move(records);
    std::vector<std::string> names;
    for (const GasRecord& r : records_) names.push_back(r.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    showGas();
}

const GasRecord* GasPresenter::selected() const {
    const int index = form_.index(field(F::List));
    if (records_.empty() || index < 0 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

void GasPresenter::show(MediumOutput output, model::Messenger& messenger) {
    const bool unitsChanged = shown_ && output.us() != output_.us();
    output_ = output;
    const bool us = output.us();
    const auto caption = [&](F f, GasDatabaseText t) {
        form_.setCaption(field(f), text(static_cast<int>(t)));
    };
    caption(F::Title, GasDatabaseText::Title);
    caption(F::ListLabel, GasDatabaseText::ListLabel);
    caption(F::CasLabel, GasDatabaseText::Cas);
    caption(F::MeltingLabel, GasDatabaseText::Melting);
    caption(F::BoilingLabel, GasDatabaseText::Boiling);
    caption(F::PressureLabel, GasDatabaseText::Pressure);
    caption(F::BoilingAtPressureLabel, GasDatabaseText::BoilingAtPressure);
    caption(F::CriticalLabel, GasDatabaseText::Critical);
    caption(F::MeasuredLabel, GasDatabaseText::Measured);
    caption(F::TemperatureListLabel, GasDatabaseText::TemperatureList);
    caption(F::DensityCaption, us ? GasDatabaseText::DensityUs : GasDatabaseText::DensityMetric);
    caption(F::ViscosityCaption, us ? GasDatabaseText::ViscosityUs : GasDatabaseText::ViscosityMetric);
    caption(F::InterpolatedDensityCaption, us ? GasDatabaseText::DensityUs : GasDatabaseText::DensityMetric);
    caption(F::InterpolatedViscosityCaption,
            us ? GasDatabaseText::ViscosityUs : GasDatabaseText::ViscosityMetric);
    caption(F::TakeMeasured, GasDatabaseText::TakeMeasured);
    caption(F::LiquidWarning, GasDatabaseText::LiquidWarning);
    caption(F::InterpolationLabel, GasDatabaseText::Interpolation);
    caption(F::InterpolationTemperatureLabel, GasDatabaseText::InterpolationTemperature);
    caption(F::Interpolate, GasDatabaseText::Interpolate);
    caption(F::TakeInterpolated, GasDatabaseText::TakeInterpolated);
    caption(F::Close, GasDatabaseText::Close);
    std::string note;
    for (GasDatabaseText t :
         {GasDatabaseText::Note1, GasDatabaseText::Note2, GasDatabaseText::Note3, GasDatabaseText::Note4})
        note += (note.empty() ? "" : "\n") + text(static_cast<int>(t));
    form_.setOutput(field(F::Note), note);
    if (!shown_) {
        shown_ = true;
        showGas();  // the detail texts in this edition's form
        computeMeasured(messenger);
    } else if (unitsChanged) {
        computeMeasured(messenger);
        clearInterpolation();
    }
    if (form_.text(field(F::InterpolationTemperature)).empty()) clearInterpolation();
}

void GasPresenter::showGas() {
    const GasRecord* r = selected();
    const auto shownPoint = [&](const std::string& t) {
        return output_.decimalComma ? model::replaceChar(t, '.', ',') : model::replaceChar(t, ',', '.');
    };
    const auto withFahrenheit = [&](const std::string& t) {
        const Real celsius = model::readNumber(t).value_or(0);
        return shownPoint(t) + " °C  (= " + writeShown(fahrenheit(celsius), 1, output_) + "°F)";
    };
    form_.setCaption(field(F::Name), r ? r->name : "");
    form_.setCaption(field(F::Description), r ? r->description : "");
    form_.setOutput(field(F::Cas), r ? r->cas : "");
    form_.setOutput(field(F::Melting), r ? withFahrenheit(r->meltingPoint) : "");
    form_.setOutput(field(F::Boiling), r ? withFahrenheit(r->boilingPoint) : "");
    std::vector<std::string> temperatures;
    if (r)
        for (const GasViscosityPoint& point : r->points)
            temperatures.push_back(std::to_string(point.temperature));
    form_.choice(field(F::Temperatures)) = model::UnitBox(std::move(temperatures));
    form_.clearOutputs({field(F::BoilingAtPressure), field(F::Critical), field(F::Density),
                        field(F::Viscosity), field(F::TemperatureFahrenheit)});
    measured_.reset();
    clearInterpolation();
}

void GasPresenter::clearInterpolation() {
    form_.clearOutputs({field(F::InterpolatedDensity), field(F::InterpolatedViscosity)});
    form_.setEnabled(field(F::TakeInterpolated), false);
    interpolated_.reset();
}

std::optional<Real> GasPresenter::pressureBar() const {
    const std::optional<Real> value = model::readNumber(form_.text(field(F::Pressure)));
    if (!value) return std::nullopt;
    return model::convertPressure(form_.current(field(F::PressureUnit)), *value);
}

void GasPresenter::computeMeasured(model::Messenger& messenger) {
    const GasRecord* r = selected();
    if (!r) return;
    const std::size_t k = static_cast<std::size_t>(form_.index(field(F::Temperatures)));
    const GasViscosityPoint& point = r->points[std::min(k, r->points.size() - 1)];
    form_.setOutput(field(F::TemperatureFahrenheit),
                    "(= " + std::to_string(model::roundHalfAway(fahrenheit(point.temperature))) + " °F)");
    const auto clear = [&] {
        form_.clearOutputs({field(F::Density), field(F::Viscosity)});
        measured_.reset();
    };
    const std::optional<Real> p = pressureBar();
    if (!p) {
        clear();
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(GasDatabaseText::Pressure)),
                                              field(F::Pressure)));
        return;
    }
    if (!(*p >= lowestPressure)) {
        clear();
        return;
    }
    if (*p > highestPressure) {
        clear();
        messenger.show(
            noticeBox(texts_, text(static_cast<int>(GasDatabaseText::PressureAbove)), field(F::Pressure)));
        return;
    }
    const Real tc = r->critical.criticalTemperature;
    const Real t = point.temperature + 273.15L;
    form_.setOutput(field(F::Critical), wholeDegrees(tc - 273.15L));
    const std::string unavailable = texts_.text(GlobalText::BoilingPointUnavailable);
    if (*p < r->critical.criticalPressure) {
        const Real tbp = boilingPointEstimate(*p, r->normalBoilingPoint + 273.15L) - 273.15L;
        boilingAtPressure_ = tbp;
        form_.setOutput(field(F::BoilingAtPressure),
                        tbp + 273.15L > tc
                            ? texts_.text(GlobalText::ApproximateWord) + " " + unavailable
                            : texts_.text(GlobalText::ApproximateWord) + " " + wholeDegrees(tbp));
        liquid_ = t - 273.15L < tbp && t <= tc;
        form_.setVisible(field(F::LiquidWarning), liquid_);
        form_.setEnabled(field(F::TakeMeasured), !liquid_);
        if (liquid_) {
            clear();
            return;
        }
    } else {
        // Above the critical pressure there is no boiling point; the liquid test is not made.
        boilingAtPressure_.reset();
        form_.setOutput(field(F::BoilingAtPressure), unavailable);
    }
    const Real rho = srkDensity(t, *p, r->critical);
    const Real eta = *p > normalPressure ? gardnerViscosity(point.viscosity, t, rho, r->critical.molarMass)
                                         : point.viscosity;
    if (!std::isfinite(rho) || !std::isfinite(eta)) {
        messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity)));
        return;  // the previous values stay
    }
    if (rho < 0) {
        clear();
        messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity)));
        return;
    }
    measured_ = GasValues{rho, eta};
    form_.setOutput(field(F::Density), shownDensity(rho, 2, 3, output_));
    // At normal pressure the file's viscosity is shown as it stands (in the edition's form).
    form_.setOutput(field(F::Viscosity), shownViscosity(eta, 1, 4, output_));
}

void GasPresenter::chosen(GasField f, model::Messenger& messenger) {
    if (f == F::List) {
        showGas();
        computeMeasured(messenger);
    } else if (f == F::Temperatures) {
        computeMeasured(messenger);
    } else if (f == F::PressureUnit) {
        clearInterpolation();
        computeMeasured(messenger);
    } else if (f == F::InterpolationUnit) {
        clearInterpolation();
    }
}

void GasPresenter::edited(GasField f, model::Messenger& messenger) {
    if (f == F::Pressure) {
        clearInterpolation();
        computeMeasured(messenger);
    } else if (f == F::InterpolationTemperature) {
        clearInterpolation();
    }
}

void GasPresenter::interpolate(model::Messenger& messenger) {
    const GasRecord* r = selected();
    const std::string& entry = form_.text(field(F::InterpolationTemperature));
    if (!r || entry.empty()) return;
    clearInterpolation();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(entry, form_.current(field(F::InterpolationUnit)));
    if (!kelvin) {
        messenger.show(
            lang::numberEntryError(texts_, text(static_cast<int>(GasDatabaseText::InterpolationTemperature)),
                                   field(F::InterpolationTemperature)));
        return;
    }
    const Real t = *kelvin - 273.15L;
    const auto& points = r->points;
    if (points.size() < 2 || !(points.front().temperature < t && t < points.back().temperature)) {
        messenger.show(lang::plainMessage(texts_, texts_.text(GlobalText::ValueOutsideValidity),
                                          field(F::InterpolationTemperature)));
        return;
    }
    std::size_t j = 0;
    while (j < points.size() && !(points[j].temperature > t)) ++j;
    const GasViscosityPoint& lower = points[j - 1];
    const GasViscosityPoint& upper = points[j];
    Real eta = lower.viscosity + (t - lower.temperature) * (upper.viscosity - lower.viscosity) /
                                     static_cast<Real>(upper.temperature - lower.temperature);
    const Real tc = r->critical.criticalTemperature;
    if (boilingAtPressure_ && *boilingAtPressure_ > t && tc >= t + 273.15L) {
        messenger.show(lang::plainMessage(texts_, text(static_cast<int>(GasDatabaseText::LiquidMessage))));
        return;
    }
    const std::optional<Real> p = pressureBar();
    if (!p || !(*p >= lowestPressure) || *p > highestPressure) {
        messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity), field(F::Pressure)));
        return;
    }
    const Real rho = srkDensity(t + 273.15L, *p, r->critical);
    if (*p > normalPressure) eta = gardnerViscosity(eta, t + 273.15L, rho, r->critical.molarMass);
    if (!std::isfinite(rho) || !std::isfinite(eta) || rho < 0) {
        messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity)));
        return;
    }
    interpolated_ = GasValues{rho, eta};
    form_.setOutput(field(F::InterpolatedDensity), shownDensity(rho, 2, 3, output_));
    form_.setOutput(field(F::InterpolatedViscosity), shownViscosity(eta, 1, 4, output_));
    form_.setEnabled(field(F::TakeInterpolated), true);
}

std::optional<MediumTransfer> GasPresenter::takeMeasured() const {
    const GasRecord* r = selected();
    if (!r || form_.output(field(F::Density)).empty() || liquid_) return std::nullopt;
    const TextWithUnit pressure{form_.text(field(F::Pressure)), form_.current(field(F::PressureUnit))};
    const std::string temperature = form_.current(field(F::Temperatures));
    MediumTransfer transfer;
    transfer.mediumText = r->name + " (" + pressure.text + " " + pressure.unit + ", " + temperature + " °C)";
    transfer.state = model::MediumState::Gas;
    transfer.density = TextWithUnit{form_.output(field(F::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(F::Viscosity)), viscosityTransferUnit(output_)};
    transfer.inletPressure = pressure;
    transfer.inletTemperature = TextWithUnit{temperature, "°C"};
    transfer.outletTemperature = transfer.inletTemperature;
    return transfer;
}

std::optional<MediumTransfer> GasPresenter::takeInterpolated() const {
    const GasRecord* r = selected();
    if (!r || form_.output(field(F::InterpolatedDensity)).empty()) return std::nullopt;
    const TextWithUnit pressure{form_.text(field(F::Pressure)), form_.current(field(F::PressureUnit))};
    const TextWithUnit temperature{form_.text(field(F::InterpolationTemperature)),
                                   form_.current(field(F::InterpolationUnit))};
    MediumTransfer transfer;
    transfer.mediumText = r->name + " (" + pressure.text + " " + pressure.unit + ", " + temperature.text +
                          " " + temperature.unit + ")";
    transfer.state = model::MediumState::Gas;
    transfer.density =
        TextWithUnit{form_.output(field(F::InterpolatedDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(F::InterpolatedViscosity)), viscosityTransferUnit(output_)};
    transfer.inletPressure = pressure;
    transfer.inletTemperature = temperature;
    transfer.outletTemperature = temperature;
    return transfer;
}

}  // namespace velmora::media
