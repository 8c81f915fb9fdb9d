#include "media/liquid_presenter.h"

#include "lang/dialog_messages.h"
#include "model/liquid_window_text.h"
#include "model/number_text.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using F = LiquidField;
using model::GlobalText;
using model::LiquidDatabaseText;

int field(F f) {
    return static_cast<int>(f);
}

Real fahrenheit(Real celsius) {
    return celsius * 1.8L + 32;
}

}  // namespace

LiquidPresenter::LiquidPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::InterpolationUnit)) = model::UnitBox(temperatureUnits());
    form_.setEnabled(field(F::TakeInterpolated), false);
}

const std::string& LiquidPresenter::text(int position) const {
    return lang::blockText(texts_, model::kLiquidDatabaseBlock, position);
}

std::optional<model::UserMessage> LiquidPresenter::load(const persist::DataFileSet& files) {
    try {
        setRecords(loadLiquidDatabase(files));
        return std::nullopt;
    } catch (const persist::DataFileError&) {
        setRecords({});
        return lang::dataFileError(texts_, liquidFileName, lang::FileNameBreak::Line);
    }
}

void LiquidPresenter::setRecords(std::vector<LiquidRecord> records) {
    records_ = std::move(records);
    std::vector<std::string> names;
    for (const LiquidRecord& r : records_) names.push_back(r.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    showLiquid();
}

const LiquidRecord* LiquidPresenter::selected() const {
    const int index = form_.index(field(F::List));
    if (records_.empty() || index < 0 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

const LiquidPoint* LiquidPresenter::selectedPoint() const {
    const LiquidRecord* r = selected();
    if (!r) return nullptr;
    const auto k = static_cast<std::size_t>(form_.index(field(F::Temperatures)));
    return k < r->points.size() ? &r->points[k] : nullptr;
}

void LiquidPresenter::show(MediumOutput output) {
    const bool unitsChanged = shown_ && output.us() != output_.us();
    output_ = output;
    const bool us = output.us();
    const auto caption = [&](F f, LiquidDatabaseText t) {
        form_.setCaption(field(f), text(static_cast<int>(t)));
    };
    caption(F::Title, LiquidDatabaseText::Title);
    caption(F::ListLabel, LiquidDatabaseText::ListLabel);
    caption(F::MeltingLabel, LiquidDatabaseText::Melting);
    caption(F::BoilingLabel, LiquidDatabaseText::Boiling);
    caption(F::MeasuredLabel, LiquidDatabaseText::Measured);
    caption(F::TemperatureListLabel, LiquidDatabaseText::TemperatureList);
    caption(F::DensityCaption, us ? LiquidDatabaseText::DensityUs : LiquidDatabaseText::DensityMetric);
    caption(F::ViscosityCaption, us ? LiquidDatabaseText::ViscosityUs : LiquidDatabaseText::ViscosityMetric);
    caption(F::InterpolatedDensityCaption,
            us ? LiquidDatabaseText::DensityUs : LiquidDatabaseText::DensityMetric);
    caption(F::InterpolatedViscosityCaption,
            us ? LiquidDatabaseText::ViscosityUs : LiquidDatabaseText::ViscosityMetric);
    caption(F::TakeMeasured, LiquidDatabaseText::TakeMeasured);
    caption(F::InterpolationLabel, LiquidDatabaseText::Interpolation);
    caption(F::InterpolationTemperatureLabel, LiquidDatabaseText::InterpolationTemperature);
    caption(F::Interpolate, LiquidDatabaseText::Interpolate);
    caption(F::TakeInterpolated, LiquidDatabaseText::TakeInterpolated);
    caption(F::Close, LiquidDatabaseText::Close);
    if (!shown_ || unitsChanged) {
        shown_ = true;
        showLiquid();
    }
    if (form_.text(field(F::InterpolationTemperature)).empty()) clearInterpolation();
}

void LiquidPresenter::showLiquid() {
    const LiquidRecord* r = selected();
    const auto withFahrenheit = [&](const std::string& t) {
        const std::string shown = output_.decimalComma ? t : model::replaceChar(t, ',', '.');
        return shown + " °C  (= " + writeShown(fahrenheit(model::readNumber(t).value_or(0)), 1, output_) +
               "°F)";
    };
    form_.setCaption(field(F::Name), r ? r->name : "");
    form_.setCaption(field(F::Description), r ? r->description : "");
    form_.setOutput(field(F::Melting), r ? withFahrenheit(r->meltingPoint) : "");
    form_.setOutput(field(F::Boiling), r ? withFahrenheit(r->boilingPoint) : "");
    const int keep = form_.index(field(F::Temperatures));
    std::vector<std::string> temperatures;
    if (r)
        for (const LiquidPoint& p : r->points) temperatures.push_back(std::to_string(p.temperature));
    const bool sameList = form_.choice(field(F::Temperatures)).items() == temperatures;
    form_.choice(field(F::Temperatures)) = model::UnitBox(std::move(temperatures));
    if (sameList) form_.choice(field(F::Temperatures)).select(keep);  // a redisplay in other units
    showMeasured();
    clearInterpolation();
}

void LiquidPresenter::showMeasured() {
    const LiquidPoint* p = selectedPoint();
    if (!p) {
        form_.clearOutputs({field(F::TemperatureFahrenheit), field(F::Density), field(F::Viscosity)});
        return;
    }
    form_.setOutput(field(F::TemperatureFahrenheit),
                    "(= " + std::to_string(model::roundHalfAway(fahrenheit(p->temperature))) + " °F)");
    if (output_.us()) {
        form_.setOutput(field(F::Density), shownDensity(p->densityValue, 1, 1, output_));
        form_.setOutput(field(F::Viscosity), shownViscosity(p->viscosityValue, 3, 3, output_));
    } else {
        form_.setOutput(field(F::Density), p->density);  // exactly as the file has it
        form_.setOutput(field(F::Viscosity), p->viscosity);
    }
}

void LiquidPresenter::clearInterpolation() {
    form_.clearOutputs({field(F::InterpolatedDensity), field(F::InterpolatedViscosity)});
    form_.setEnabled(field(F::TakeInterpolated), false);
    interpolated_.reset();
}

void LiquidPresenter::chosen(LiquidField f) {
    if (f == F::List) {
        form_.choice(field(F::Temperatures)) = model::UnitBox();
        showLiquid();
    } else if (f == F::Temperatures) {
        showMeasured();
    } else if (f == F::InterpolationUnit) {
        clearInterpolation();
    }
}

void LiquidPresenter::edited(LiquidField f) {
    if (f == F::InterpolationTemperature) clearInterpolation();
}

void LiquidPresenter::interpolate(model::Messenger& messenger) {
    const LiquidRecord* r = selected();
    const std::string& entry = form_.text(field(F::InterpolationTemperature));
    if (!r || entry.empty()) return;
    clearInterpolation();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(entry, form_.current(field(F::InterpolationUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(
            texts_, text(static_cast<int>(LiquidDatabaseText::InterpolationTemperature)),
            field(F::InterpolationTemperature)));
        return;
    }
    const Real t = *kelvin - 273.15L;
    const auto& points = r->points;
    if (points.size() < 2 || !(points.front().temperature < t && t < points.back().temperature)) {
        messenger.show(lang::plainMessage(texts_, text(static_cast<int>(LiquidDatabaseText::OutsideRange)),
                                          field(F::InterpolationTemperature)));
        return;
    }
    std::size_t j = 0;
    while (j < points.size() && !(points[j].temperature > t)) ++j;
    const LiquidPoint& lower = points[j - 1];
    const LiquidPoint& upper = points[j];
    const auto line = [&](Real a, Real b) {
        return a +
               (t - lower.temperature) * (b - a) / static_cast<Real>(upper.temperature - lower.temperature);
    };
    interpolated_ = LiquidValues{line(lower.densityValue, upper.densityValue),
                                 line(lower.viscosityValue, upper.viscosityValue)};
    form_.setOutput(field(F::InterpolatedDensity), shownDensity(interpolated_->density, 0, 1, output_));
    form_.setOutput(field(F::InterpolatedViscosity), shownViscosity(interpolated_->viscosity, 0, 3, output_));
    form_.setEnabled(field(F::TakeInterpolated), true);
}

std::optional<MediumTransfer> LiquidPresenter::takeMeasured() const {
    const LiquidRecord* r = selected();
    const LiquidPoint* p = selectedPoint();
    if (!r || !p) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = r->name + " (" + std::to_string(p->temperature) + " °C)";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(F::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(F::Viscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

std::optional<MediumTransfer> LiquidPresenter::takeInterpolated() const {
    const LiquidRecord* r = selected();
    if (!r || !interpolated_) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = r->name + " (" + form_.text(field(F::InterpolationTemperature)) + " " +
                          form_.current(field(F::InterpolationUnit)) + ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density =
        TextWithUnit{form_.output(field(F::InterpolatedDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(F::InterpolatedViscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

}  // namespace velmora::media
