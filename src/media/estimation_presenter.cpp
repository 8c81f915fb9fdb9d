#include "media/estimation_presenter.h"

#include <cmath>

#include "lang/dialog_messages.h"
#include "model/estimation_window_text.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using model::EstimationText;
using model::GlobalText;
using F = EstimationField;

constexpr const char* window = "TStoffdatenBerechnen";
constexpr Real highestPressure = 1000.0L;  // bar
constexpr Real lowestPressure = 0.1L;      // bar

int field(F f) {
    return static_cast<int>(f);
}

Real fahrenheit(Real celsius) {
    return celsius * 1.8L + 32;
}

// Decimals that follow the size of a value: one at 100 and above, two at 10, else three.
int decimalsFor(Real value) {
    return value >= 100 ? 1 : value >= 10 ? 2 : 3;
}

}  // namespace

EstimationPresenter::EstimationPresenter(const lang::TextCatalogue& texts, lang::Edition edition)
    : texts_(texts), edition_(edition) {
    for (F unit : {F::PressureUnit, F::MixturePressureUnit}) {
        form_.choice(field(unit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
    }
    for (F unit : {F::TemperatureUnit, F::MixtureTemperatureUnit})
        form_.choice(field(unit)) = model::UnitBox(temperatureUnits());
    for (F entry : {F::Pressure, F::MixturePressure})
        form_.setText(field(entry), edition.decimalText("1,013"));
    for (F entry : {F::Temperature, F::MixtureTemperature}) form_.setText(field(entry), "20");
    form_.choice(field(F::SearchKind)) = model::UnitBox({"", "", ""});
    form_.choice(field(F::FractionKind)) = model::UnitBox({"", ""});
    clearSingle();
    clearMixture();
}

const std::string& EstimationPresenter::text(int position) const {
    return lang::blockText(texts_, window, position);
}

std::optional<model::UserMessage> EstimationPresenter::load(const persist::DataFileSet& files) {
    try {
        setRecords(loadEstimationRecords(files));
        return std::nullopt;
    } catch (const persist::DataFileError&) {
        setRecords({});
        return lang::dataFileError(texts_, std::string(estimationFileName), lang::FileNameBreak::Blank);
    }
}

void EstimationPresenter::setRecords(std::vector<EstimationRecord> records) {
    records_ = std::move(records);
    std::vector<std::string> names;
    for (const EstimationRecord& r : records_) names.push_back(r.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    for (int n = 0; n < estimationSlotCount; ++n) removeFromMixture(n);
    showSubstance();
}

bool EstimationPresenter::select(std::string_view name) {
    if (!form_.choice(field(F::List)).selectLabel(name)) return false;
    showSubstance();
    return true;
}

void EstimationPresenter::show(MediumOutput output) {
    output_ = output;
    const auto caption = [&](F f, EstimationText t) {
        form_.setCaption(field(f), text(static_cast<int>(t)));
    };
    caption(F::Title, EstimationText::Title);
    caption(F::SearchLabel, EstimationText::SearchLabel);
    caption(F::SearchButton, EstimationText::SearchButton);
    caption(F::SearchByLabel, EstimationText::SearchBy);
    caption(F::ListLabel, EstimationText::ListLabel);
    caption(F::FormulaLabel, EstimationText::Formula);
    caption(F::CasLabel, EstimationText::CasNumber);
    caption(F::MeltingLabel, EstimationText::MeltingPoint);
    caption(F::BoilingLabel, EstimationText::BoilingPoint);
    caption(F::CriticalLabel, EstimationText::CriticalTemperature);
    caption(F::PressureLabel, EstimationText::Pressure);
    caption(F::BoilingAtPressureLabel, EstimationText::BoilingAtPressure);
    caption(F::TemperatureLabel, EstimationText::Temperature);
    caption(F::StateLabel, EstimationText::State);
    caption(F::DensityCaption, output.us() ? EstimationText::DensityUs : EstimationText::DensityMetric);
    caption(F::ViscosityCaption, output.us() ? EstimationText::ViscosityUs : EstimationText::ViscosityMetric);
    caption(F::Calculate, EstimationText::Calculate);
    caption(F::TakeOver, EstimationText::TakeOver);
    caption(F::Close, EstimationText::Close);
    caption(F::Info, EstimationText::Info);
    caption(F::MixtureTitle, EstimationText::MixtureTitle);
    caption(F::FractionKindLabel, EstimationText::FractionKind);
    caption(F::AddToMixture, EstimationText::AddToMixture);
    for (int n = 0; n < estimationSlotCount; ++n)
        caption(estimationSlotRemove(n), EstimationText::RemoveFromMixture);
    caption(F::MixtureCalculate, EstimationText::MixtureCalculate);
    caption(F::MixtureResultLabel, EstimationText::MixtureResult);
    caption(F::MixtureTakeOver, EstimationText::MixtureTakeOver);

    // The choices' texts follow the language; their selections stay.
    model::UnitBox& kind = form_.choice(field(F::SearchKind));
    const int searchIndex = kind.index();
    kind = model::UnitBox({text(static_cast<int>(EstimationText::SearchFormula)),
                           text(static_cast<int>(EstimationText::SearchCas)),
                           text(static_cast<int>(EstimationText::SearchRefrigerant))});
    kind.select(searchIndex);
    model::UnitBox& fractions = form_.choice(field(F::FractionKind));
    const int fractionIndex = fractions.index();
    fractions = model::UnitBox({text(static_cast<int>(EstimationText::MassFraction)),
                                text(static_cast<int>(EstimationText::MoleFraction))});
    fractions.select(fractionIndex);
    showSubstance();
}

std::string EstimationPresenter::temperatureLine(Real celsius) const {
    return std::to_string(model::roundHalfAway(celsius)) + " °C  (" +
           std::to_string(model::roundHalfAway(fahrenheit(celsius))) + " °F)";
}

void EstimationPresenter::showSubstance() {
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) {
        form_.clearOutputs({field(F::Name), field(F::Formula), field(F::Cas), field(F::Melting),
                            field(F::Boiling), field(F::Critical), field(F::BoilingAtPressure)});
        clearSingle();
        return;
    }
    const EstimationRecord& r = records_[static_cast<std::size_t>(list.index())];
    const bool comma = output_.decimalComma;
    const auto point = [&](Real celsius) {
        return model::writeNumber(celsius, 1, comma) +
               " °C  (= " + model::writeNumber(fahrenheit(celsius), 1, comma) + "°F)";
    };
    form_.setOutput(field(F::Name), r.name);
    form_.setOutput(field(F::Formula), r.formula);
    form_.setOutput(field(F::Cas), r.refrigerant.empty() ? r.cas : r.cas + " / " + r.refrigerant);
    form_.setOutput(field(F::Melting), point(r.substance.meltingPoint));
    form_.setOutput(field(F::Boiling), point(r.substance.normalBoilingPoint));
    form_.setOutput(field(F::Critical), temperatureLine(r.substance.criticalTemperature - 273.15L));
    showBoilingPoint();
    clearSingle();
}

void EstimationPresenter::showBoilingPoint() {
    form_.setOutput(field(F::BoilingAtPressure), "");
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    const std::optional<Real> value = model::readNumber(form_.text(field(F::Pressure)));
    if (!value || !(*value > 0)) return;
    const Real bar = model::convertPressure(form_.current(field(F::PressureUnit)), *value);
    const std::optional<Real> boiling =
        estimatedBoilingPoint(records_[static_cast<std::size_t>(list.index())].substance, bar);
    form_.setOutput(field(F::BoilingAtPressure), boiling
                                                     ? "ca. " + temperatureLine(*boiling)
                                                     : texts_.text(GlobalText::ApproximateWord) + " " +
                                                           texts_.text(GlobalText::BoilingPointUnavailable));
}

void EstimationPresenter::edited(EstimationField f) {
    if (f >= F::SlotFraction1 && f <= F::MixtureTemperatureUnit) {
        clearMixture();
        return;
    }
    clearSingle();
    if (f == F::Pressure) showBoilingPoint();
}

void EstimationPresenter::chosen(EstimationField f) {
    if (f == F::List) showSubstance();
    if (f == F::PressureUnit) showBoilingPoint();
    if (f == F::FractionKind || f == F::MixturePressureUnit || f == F::MixtureTemperatureUnit) clearMixture();
    if (f == F::PressureUnit || f == F::TemperatureUnit) clearSingle();
}

void EstimationPresenter::clearSingle() {
    form_.clearOutputs({field(F::State), field(F::Density), field(F::Viscosity)});
    form_.setEnabled(field(F::TakeOver), false);
    result_.reset();
}

void EstimationPresenter::clearMixture() {
    form_.clearOutputs({field(F::MixtureState), field(F::MixtureBoiling), field(F::MixtureCritical),
                        field(F::MixtureDensity), field(F::MixtureViscosity)});
    form_.setEnabled(field(F::MixtureTakeOver), false);
    mixtureResult_.reset();
}

void EstimationPresenter::pressed(EstimationField f, model::Messenger& messenger) {
    if (f == F::SearchButton) search(messenger);
    if (f == F::Calculate) calculate(messenger);
    if (f == F::MixtureCalculate) calculateMixture(messenger);
    if (f == F::AddToMixture) addToMixture();
    for (int n = 0; n < estimationSlotCount; ++n)
        if (f == estimationSlotRemove(n)) removeFromMixture(n);
}

void EstimationPresenter::search(model::Messenger& messenger) {
    const auto key = static_cast<SearchKey>(form_.index(field(F::SearchKind)));
    const int found = findSubstance(records_, key, form_.text(field(F::SearchText)));
    if (found < 0) {
        messenger.show(lang::plainMessage(texts_, text(static_cast<int>(EstimationText::NotFound)),
                                          field(F::SearchText)));
        return;
    }
    form_.choice(field(F::List)).select(found);
    showSubstance();
}

void EstimationPresenter::addToMixture() {
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    for (int n = 0; n < estimationSlotCount; ++n) {
        if (slots_[static_cast<std::size_t>(n)]) continue;
        slots_[static_cast<std::size_t>(n)] = list.index();
        form_.setOutput(field(estimationSlotName(n)), list.current());
        clearMixture();
        return;
    }
}

void EstimationPresenter::removeFromMixture(int n) {
    slots_[static_cast<std::size_t>(n)].reset();
    form_.setOutput(field(estimationSlotName(n)), "");
    clearMixture();
}

std::optional<std::pair<Real, Real>> EstimationPresenter::readState(EstimationField pressure,
                                                                    EstimationField pressureUnit,
                                                                    EstimationField temperature,
                                                                    EstimationField temperatureUnit,
                                                                    model::Messenger& messenger) {
    const std::optional<Real> value = model::readNumber(form_.text(field(pressure)));
    if (!value) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(EstimationText::Pressure)),
                                              field(pressure)));
        return std::nullopt;
    }
    const Real bar = model::convertPressure(form_.current(field(pressureUnit)), *value);
    if (!(bar >= lowestPressure)) {
        showRefusal(EstimationRefusal::PressureBelowRange, pressure, messenger);
        return std::nullopt;
    }
    if (bar > highestPressure) {
        showRefusal(EstimationRefusal::PressureAboveRange, pressure, messenger);
        return std::nullopt;
    }
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(temperature)), form_.current(field(temperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(EstimationText::Temperature)),
                                              field(temperature)));
        return std::nullopt;
    }
    if (*kelvin < 0) {
        showRefusal(EstimationRefusal::NegativeTemperature, temperature, messenger);
        return std::nullopt;
    }
    return std::pair{bar, *kelvin};
}

void EstimationPresenter::showRefusal(EstimationRefusal refusal, EstimationField focus,
                                      model::Messenger& messenger) {
    const auto plain = [&](EstimationText t) {
        messenger.show(lang::plainMessage(texts_, text(static_cast<int>(t)), field(focus)));
    };
    const bool mixture = focus >= F::MixtureTitle;
    switch (refusal) {
        case EstimationRefusal::PressureBelowRange:
            plain(EstimationText::PressureBelow);
            break;
        case EstimationRefusal::PressureAboveRange:
            mixture ? clearMixture() : clearSingle();
            messenger.show(noticeBox(texts_, text(static_cast<int>(EstimationText::PressureAbove))));
            break;
        case EstimationRefusal::NegativeTemperature:
            plain(EstimationText::NegativeTemperature);
            break;
        case EstimationRefusal::BelowMeltingPoint:
            plain(EstimationText::BelowMelting);
            break;
        case EstimationRefusal::TooFewSubstances:
            plain(EstimationText::TooFewSubstances);
            break;
        case EstimationRefusal::FractionSumNot100:
            plain(EstimationText::SumNot100);
            break;
        case EstimationRefusal::MixtureNotComputable:
            clearMixture();
            plain(EstimationText::NotComputable);
            break;
        case EstimationRefusal::OutsideRangeOfValidity:
            mixture ? clearMixture() : clearSingle();
            messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity)));
            break;
    }
}

void EstimationPresenter::showProperties(const EstimatedProperties& p, EstimationField state,
                                         EstimationField density, EstimationField viscosity) {
    const std::string& missing = texts_.text(GlobalText::MissingValue);
    form_.setOutput(field(state), p.supercritical ? text(static_cast<int>(EstimationText::Supercritical))
                                  : p.phase == EstimatedPhase::Liquid
                                      ? texts_.text(GlobalText::StateLiquid)
                                      : texts_.text(GlobalText::StateGaseous));
    form_.setOutput(field(density), p.density ? shownDensity(*p.density, decimalsFor(*p.density),
                                                             decimalsFor(*p.density) + 2, output_)
                                              : missing);
    std::string shown = missing;
    if (p.viscosity) {
        shown =
            shownViscosity(*p.viscosity, decimalsFor(*p.viscosity), decimalsFor(*p.viscosity) + 3, output_);
        if (p.viscosityApproximate) shown = texts_.text(GlobalText::ApproximateWord) + " " + shown;
    }
    form_.setOutput(field(viscosity), shown);
}

void EstimationPresenter::calculate(model::Messenger& messenger) {
    clearSingle();
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    const auto state = readState(F::Pressure, F::PressureUnit, F::Temperature, F::TemperatureUnit, messenger);
    if (!state) return;
    const EstimationRecord& r = records_[static_cast<std::size_t>(list.index())];
    const auto estimate = estimateSubstance(r.substance, state->second, state->first);
    if (!estimate) {
        showRefusal(estimate.reason(), F::Temperature, messenger);
        return;
    }
    result_ = *estimate;
    showProperties(estimate->properties, F::State, F::Density, F::Viscosity);
    singleLiquid_ =
        estimate->properties.phase == EstimatedPhase::Liquid && !estimate->properties.supercritical;
    form_.setEnabled(field(F::TakeOver), true);
}

void EstimationPresenter::calculateMixture(model::Messenger& messenger) {
    clearMixture();
    const auto state = readState(F::MixturePressure, F::MixturePressureUnit, F::MixtureTemperature,
                                 F::MixtureTemperatureUnit, messenger);
    if (!state) return;
    int filled = 0;
    for (const auto& s : slots_) filled += s ? 1 : 0;
    if (filled < 2) {
        showRefusal(EstimationRefusal::TooFewSubstances, F::AddToMixture, messenger);
        return;
    }
    std::vector<MixtureComponent> components;
    for (int n = 0; n < estimationSlotCount; ++n) {
        const F entry = estimationSlotFraction(n);
        if (!slots_[static_cast<std::size_t>(n)]) {
            form_.setText(field(entry), "");
            continue;
        }
        const std::optional<Real> fraction = model::readNumber(form_.text(field(entry)));
        if (!fraction) {
            messenger.show(
                lang::numberEntryError(texts_, form_.current(field(F::FractionKind)), field(entry)));
            return;
        }
        components.push_back(
            {&records_[static_cast<std::size_t>(*slots_[static_cast<std::size_t>(n)])].substance, *fraction});
    }
    const FractionKind kind =
        form_.index(field(F::FractionKind)) == 0 ? FractionKind::MassPercent : FractionKind::MolePercent;
    const auto estimate = estimateMixture(components, kind, state->second, state->first);
    if (!estimate) {
        showRefusal(estimate.reason(), F::SlotFraction1, messenger);
        return;
    }
    mixtureResult_ = *estimate;
    showProperties(estimate->properties, F::MixtureState, F::MixtureDensity, F::MixtureViscosity);
    form_.setOutput(field(F::MixtureBoiling), estimate->boilingPoint
                                                  ? "ca. " + temperatureLine(*estimate->boilingPoint)
                                                  : texts_.text(GlobalText::ApproximateWord) + " " +
                                                        texts_.text(GlobalText::BoilingPointUnavailable));
    form_.setOutput(field(F::MixtureCritical), temperatureLine(estimate->criticalTemperature - 273.15L));
    mixtureLiquid_ =
        estimate->properties.phase == EstimatedPhase::Liquid && !estimate->properties.supercritical;
    form_.setEnabled(field(F::MixtureTakeOver), true);
}

MediumTransfer EstimationPresenter::transfer(std::string name, EstimationField state, EstimationField density,
                                             EstimationField viscosity, EstimationField pressure,
                                             EstimationField pressureUnit, EstimationField temperature,
                                             EstimationField temperatureUnit) const {
    const std::string approximate = texts_.text(GlobalText::ApproximateWord) + " ";
    std::string shownViscosityText = form_.output(field(viscosity));
    if (shownViscosityText.starts_with(approximate)) shownViscosityText.erase(0, approximate.size());
    MediumTransfer t;
    t.mediumText = std::move(name) + " (" + form_.text(field(pressure)) + " " +
                   form_.current(field(pressureUnit)) + ", " + form_.text(field(temperature)) + " " +
                   form_.current(field(temperatureUnit)) + ")";
    const bool liquid = state == F::State ? singleLiquid_ : mixtureLiquid_;
    t.state = liquid ? model::MediumState::Liquid : model::MediumState::Gas;
    t.density = TextWithUnit{form_.output(field(density)), densityTransferUnit(output_)};
    t.viscosity = TextWithUnit{shownViscosityText, viscosityTransferUnit(output_)};
    if (!liquid) {
        const TextWithUnit temperatureEntry{form_.text(field(temperature)),
                                            form_.current(field(temperatureUnit))};
        t.inletPressure = TextWithUnit{form_.text(field(pressure)), form_.current(field(pressureUnit))};
        t.inletTemperature = temperatureEntry;
        t.outletTemperature = temperatureEntry;
    }
    return t;
}

std::optional<MediumTransfer> EstimationPresenter::takeOver() const {
    if (!form_.enabled(field(F::TakeOver))) return std::nullopt;
    return transfer(form_.current(field(F::List)), F::State, F::Density, F::Viscosity, F::Pressure,
                    F::PressureUnit, F::Temperature, F::TemperatureUnit);
}

std::optional<MediumTransfer> EstimationPresenter::takeOverMixture() const {
    if (!form_.enabled(field(F::MixtureTakeOver))) return std::nullopt;
    return transfer(texts_.text(GlobalText::MixtureWord), F::MixtureState, F::MixtureDensity,
                    F::MixtureViscosity, F::MixturePressure, F::MixturePressureUnit, F::MixtureTemperature,
                    F::MixtureTemperatureUnit);
}

model::UserMessage EstimationPresenter::information() const {
    return {.icon = model::MessageIcon::Information,
            .caption = texts_.text(GlobalText::InformationCaption),
            .text = text(static_cast<int>(EstimationText::InfoText1)) + "\r" +
                    text(static_cast<int>(EstimationText::InfoText2))};
}

}  // namespace velmora::media
