#include "media/brine_presenter.h"

#include <array>
#include <cmath>

#include "lang/dialog_messages.h"
#include "media/brine_properties.h"
#include "model/brine_window_text.h"
#include "model/number_text.h"

namespace velmora::media {

namespace {

using model::BrineText;
using model::GlobalText;
using F = BrineField;

constexpr const char* window = "TKuehlsolen";

// List positions 0 … 9 show brines 1, 2, 4, 3, 5, 6, 8, 7, 9, 10.
constexpr std::array<int, brineCount> listOrder{1, 2, 4, 3, 5, 6, 8, 7, 9, 10};

int field(F f) {
    return static_cast<int>(f);
}

Real fahrenheit(Real celsius) {
    return celsius * 9 / 5 + 32;
}

}  // namespace

BrinePresenter::BrinePresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::TemperatureUnit)) = model::UnitBox(temperatureUnits());
}

int BrinePresenter::brineAt(int position) {
    if (position < 0 || position >= brineCount) return listOrder[0];
    return listOrder[static_cast<std::size_t>(position)];
}

const std::string& BrinePresenter::text(int position) const {
    return lang::blockText(texts_, window, position);
}

void BrinePresenter::show(MediumOutput output) {
    output_ = output;
    const auto caption = [&](F f, BrineText t) { form_.setCaption(field(f), text(static_cast<int>(t))); };
    caption(F::Title, BrineText::Title);
    caption(F::ListLabel, BrineText::ListLabel);
    caption(F::ConcentrationLabel, BrineText::Concentration);
    caption(F::TemperatureLabel, BrineText::Temperature);
    caption(F::RangeLabel, BrineText::Range);
    caption(F::ResultsLabel, BrineText::Results);
    caption(F::DensityCaption, output.us() ? BrineText::DensityUs : BrineText::DensityMetric);
    caption(F::ViscosityCaption, output.us() ? BrineText::ViscosityUs : BrineText::ViscosityMetric);
    caption(F::Calculate, BrineText::Calculate);
    caption(F::TakeOver, BrineText::TakeOver);
    caption(F::Close, BrineText::Close);
    caption(F::Info, BrineText::Info);
    form_.setCaption(field(F::PercentLabel), "%");

    // The list's texts follow the language; the selection stays.
    std::vector<std::string> names;
    for (int number : listOrder)
        names.push_back(text(static_cast<int>(BrineText::Brine1) + number - 1) + " / " +
                        texts_.text(GlobalText::WaterName));
    model::UnitBox& list = form_.choice(field(F::List));
    const int selected = filled_ ? list.index() : 0;
    list = model::UnitBox(std::move(names));
    list.select(selected);
    filled_ = true;
    showRanges();
    setFreezingCaption();
    clearResults();
}

void BrinePresenter::edited(BrineField) {
    clearResults();
}

void BrinePresenter::chosen(BrineField f) {
    clearResults();
    if (f == F::List) showRanges();
    if (f == F::TemperatureUnit) setFreezingCaption();
}

void BrinePresenter::showRanges() {
    const BrineData& brine = brineTable()[static_cast<std::size_t>(selectedBrine() - 1)];
    const bool comma = output_.decimalComma;
    form_.setOutput(field(F::RangeTemperature),
                    texts_.text(GlobalText::WordTemperature) + ": " +
                        texts_.text(GlobalText::WordFreezingPoint) + " .. " +
                        model::writeNumber(brine.highestTemperature, 0, comma) + " °C (" +
                        std::to_string(model::roundHalfAway(fahrenheit(brine.highestTemperature))) + " °F)");
    form_.setOutput(field(F::RangeConcentration),
                    texts_.text(GlobalText::WordConcentration) + ": " +
                        model::writeNumber(brine.lowestConcentration, 1, comma) + " .. " +
                        model::writeNumber(brine.highestConcentration, 1, comma) + " %");
}

void BrinePresenter::setFreezingCaption() {
    form_.setCaption(field(F::FreezingCaption),
                     texts_.text(GlobalText::WordFreezingPoint) + " " +
                         texts_.text(GlobalText::UnitConnector) + " " +
                         shownTemperatureUnit(form_.current(field(F::TemperatureUnit))) + ":");
}

void BrinePresenter::clearResults() {
    form_.clearOutputs({field(F::FreezingPoint), field(F::Density), field(F::Viscosity)});
    result_.reset();
}

void BrinePresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(F::Temperature)), form_.current(field(F::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(BrineText::Temperature)),
                                              field(F::Temperature)));
        return;
    }
    const Real t = *kelvin - 273.15L;
    const BrineData& brine = brineTable()[static_cast<std::size_t>(selectedBrine() - 1)];
    const std::string& outside = texts_.text(GlobalText::ValueOutsideValidity);
    if (!(t <= brine.highestTemperature)) {
        messenger.show(errorBox(texts_, outside, field(F::Temperature)));
        return;
    }
    const std::optional<Real> concentration = model::readNumber(form_.text(field(F::Concentration)));
    if (!concentration) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(BrineText::Concentration)),
                                              field(F::Concentration)));
        return;
    }
    const auto state = computeBrine(brine, *concentration, t);
    if (!state) {
        if (state.reason() == BrineRefusal::NotAboveFreezingPoint) {
            const Real tf = brineFreezingPoint(brine, *concentration, t);
            const std::string& word = texts_.text(GlobalText::WordFreezingPoint);
            messenger.show(
                errorBox(texts_,
                         texts_.text(GlobalText::WordTemperature) + " <= " + word + "!!\r" + word + " = " +
                             model::writeNumber(tf, 1, output_.decimalComma) + " °C (" +
                             model::writeNumber(static_cast<Real>(model::roundHalfAway(fahrenheit(tf))), 1,
                                                output_.decimalComma) +
                             " °F)",
                         field(F::Temperature)));
        } else {
            messenger.show(
                errorBox(texts_, outside,
                         field(state.reason() == BrineRefusal::ConcentrationOutOfRange ? F::Concentration
                                                                                       : F::Temperature)));
        }
        return;
    }
    result_ = *state;
    const std::string& unit = form_.current(field(F::TemperatureUnit));
    Real shownFreezing = state->freezingPoint;
    if (unit == "K") shownFreezing += 273.15L;
    if (unit == "degF") shownFreezing = fahrenheit(state->freezingPoint);
    if (unit == "°R") shownFreezing = state->freezingPoint * 4 / 5;
    form_.setOutput(field(F::FreezingPoint), writeShown(shownFreezing, 1, output_));
    const int densityDecimals = state->density >= 1000 ? 0 : 1;
    const int viscosityDecimals = state->viscosity >= 1000 ? 0 : 1;
    form_.setOutput(field(F::Density),
                    shownDensity(state->density, densityDecimals, densityDecimals + 1, output_));
    form_.setOutput(field(F::Viscosity),
                    shownViscosity(state->viscosity, viscosityDecimals, viscosityDecimals + 3, output_));
}

std::optional<MediumTransfer> BrinePresenter::takeOver() const {
    if (form_.output(field(F::Density)).empty()) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = form_.current(field(F::List)) + " (" + form_.text(field(F::Temperature)) + " " +
                          form_.current(field(F::TemperatureUnit)) + ", " +
                          form_.text(field(F::Concentration)) + " %)";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(F::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(F::Viscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

model::UserMessage BrinePresenter::information() const {
    return {.icon = model::MessageIcon::Information,
            .caption = texts_.text(GlobalText::InformationCaption),
            .text = text(static_cast<int>(BrineText::InfoText1)) + " " +
                    text(static_cast<int>(BrineText::InfoText2))};
}

}  // namespace velmora::media
