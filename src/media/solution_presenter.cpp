#include "media/solution_presenter.h"

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/solution_window_text.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using model::GlobalText;
using model::SolutionText;
using F = SolutionField;

constexpr const char* window = "TWaessrigeLoesungen";

int field(F f) {
    return static_cast<int>(f);
}

}  // namespace

SolutionPresenter::SolutionPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.choice(field(F::MixtureTemperatureUnit)) = model::UnitBox(temperatureUnits());
    clearSingle();
    clearMixture();
}

const std::string& SolutionPresenter::text(int position) const {
    return lang::blockText(texts_, window, position);
}

std::optional<model::UserMessage> SolutionPresenter::load(const persist::DataFileSet& files) {
    try {
        setSolutes(loadSolutes(files));
        return std::nullopt;
    } catch (const persist::DataFileError&) {
        setSolutes({});
        return lang::dataFileError(texts_, std::string(solutionFileName), lang::FileNameBreak::Blank);
    }
}

void SolutionPresenter::setSolutes(std::vector<SoluteRecord> solutes) {
    solutes_ = std::move(solutes);
    std::vector<std::string> names;
    for (const SoluteRecord& s : solutes_) names.push_back(s.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    for (int n = 0; n < mixtureSlotCount; ++n) removeFromMixture(n);
    chosen(F::List);
}

bool SolutionPresenter::select(std::string_view name) {
    if (!form_.choice(field(F::List)).selectLabel(name)) return false;
    chosen(F::List);
    return true;
}

void SolutionPresenter::show(MediumOutput output) {
    output_ = output;
    const auto caption = [&](F f, SolutionText t) { form_.setCaption(field(f), text(static_cast<int>(t))); };
    caption(F::Title, SolutionText::Title);
    caption(F::ListLabel, SolutionText::ListLabel);
    caption(F::TemperatureLabel, SolutionText::Temperature);
    caption(F::ConcentrationLabel, SolutionText::Concentration);
    caption(F::ConcentrationUnit, SolutionText::ConcentrationUnit);
    caption(F::ResultsLabel, SolutionText::Results);
    caption(F::DensityCaption, output.us() ? SolutionText::DensityUs : SolutionText::DensityMetric);
    caption(F::ViscosityCaption, output.us() ? SolutionText::ViscosityUs : SolutionText::ViscosityMetric);
    caption(F::Calculate, SolutionText::Calculate);
    caption(F::TakeOver, SolutionText::TakeOver);
    caption(F::MixtureTitle, SolutionText::MixtureTitle);
    caption(F::MixtureConcentrationLabel, SolutionText::MixtureConcentration);
    caption(F::AddToMixture, SolutionText::AddToMixture);
    for (int n = 0; n < mixtureSlotCount; ++n)
        caption(solutionSlotRemove(n), SolutionText::RemoveFromMixture);
    caption(F::MixtureTemperatureLabel, SolutionText::MixtureTemperature);
    caption(F::MixtureCalculate, SolutionText::MixtureCalculate);
    caption(F::MixtureResultLabel, SolutionText::MixtureResult);
    caption(F::MixtureTakeOver, SolutionText::MixtureTakeOver);
    caption(F::Close, SolutionText::Close);
    caption(F::Info, SolutionText::Info);
    clearSingle();
    clearMixture();
}

void SolutionPresenter::edited(SolutionField f) {
    const bool mixture = f >= F::SlotConcentration1 && f <= F::MixtureTemperatureUnit;
    mixture ? clearMixture() : clearSingle();
}

void SolutionPresenter::chosen(SolutionField f) {
    if (f == F::MixtureTemperatureUnit) {
        clearMixture();
        return;
    }
    clearSingle();
    if (f == F::List) {
        const model::UnitBox& list = form_.choice(field(F::List));
        form_.setOutput(field(F::Description),
                        list.empty() ? "" : solutes_[static_cast<std::size_t>(list.index())].description);
    }
}

void SolutionPresenter::pressed(SolutionField f, model::Messenger& messenger) {
    if (f == F::Calculate) calculate(messenger);
    if (f == F::MixtureCalculate) calculateMixture(messenger);
    if (f == F::AddToMixture) addToMixture();
    for (int n = 0; n < mixtureSlotCount; ++n)
        if (f == solutionSlotRemove(n)) removeFromMixture(n);
}

void SolutionPresenter::clearSingle() {
    form_.clearOutputs({field(F::Density), field(F::Viscosity)});
    form_.setEnabled(field(F::TakeOver), false);
    result_.reset();
}

void SolutionPresenter::clearMixture() {
    form_.clearOutputs({field(F::MixtureDensity), field(F::MixtureViscosity)});
    form_.setEnabled(field(F::MixtureTakeOver), false);
    mixtureResult_.reset();
}

void SolutionPresenter::addToMixture() {
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    for (int n = 0; n < mixtureSlotCount; ++n) {
        if (slots_[static_cast<std::size_t>(n)]) continue;
        slots_[static_cast<std::size_t>(n)] = list.index();
        form_.setOutput(field(solutionSlotName(n)), list.current());
        clearMixture();
        return;
    }
}

void SolutionPresenter::removeFromMixture(int n) {
    slots_[static_cast<std::size_t>(n)].reset();
    form_.setOutput(field(solutionSlotName(n)), "");
    clearMixture();
}

bool SolutionPresenter::refuse(SolutionRefusal refusal, SolutionField focus,
                               model::Messenger& messenger) const {
    const auto plain = [&](SolutionText t) {
        messenger.show(lang::plainMessage(texts_, text(static_cast<int>(t)), field(focus)));
    };
    switch (refusal) {
        case SolutionRefusal::BelowRange:
            plain(SolutionText::BelowRange);
            break;
        case SolutionRefusal::AboveRange:
            plain(SolutionText::AboveRange);
            break;
        case SolutionRefusal::ConcentrationTooHigh:
            plain(SolutionText::ConcentrationTooHigh);
            break;
        case SolutionRefusal::TooFewSubstances:
            plain(SolutionText::TooFewSubstances);
            break;
        case SolutionRefusal::SumTooHigh:
            plain(SolutionText::SumTooHigh);
            break;
        case SolutionRefusal::OutsideValidity:
            messenger.show(noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity)));
            break;
    }
    return false;
}

void SolutionPresenter::calculate(model::Messenger& messenger) {
    clearSingle();
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(F::Temperature)), form_.current(field(F::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(SolutionText::Temperature)),
                                              field(F::Temperature)));
        return;
    }
    if (auto refusal = solutionTemperatureRefusal(*kelvin)) {
        refuse(*refusal, F::Temperature, messenger);
        return;
    }
    const std::optional<Real> w = model::readNumber(form_.text(field(F::Concentration)));
    if (!w) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(SolutionText::Concentration)),
                                              field(F::Concentration)));
        return;
    }
    const auto state = computeSolution(solutes_[static_cast<std::size_t>(list.index())], *w, *kelvin);
    if (!state) {
        refuse(state.reason(), F::Concentration, messenger);
        return;
    }
    result_ = *state;
    form_.setOutput(field(F::Density), shownDensity(state->density, 0, 1, output_));
    form_.setOutput(field(F::Viscosity), shownViscosity(state->viscosity, 0, 4, output_));
    form_.setEnabled(field(F::TakeOver), true);
}

void SolutionPresenter::calculateMixture(model::Messenger& messenger) {
    clearMixture();
    const std::optional<Real> kelvin = temperatureEntryKelvin(
        form_.text(field(F::MixtureTemperature)), form_.current(field(F::MixtureTemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(
            texts_, text(static_cast<int>(SolutionText::MixtureTemperature)), field(F::MixtureTemperature)));
        return;
    }
    if (auto refusal = solutionTemperatureRefusal(*kelvin)) {
        refuse(*refusal, F::MixtureTemperature, messenger);
        return;
    }
    int filled = 0;
    for (const auto& s : slots_) filled += s ? 1 : 0;
    if (filled < 2) {
        refuse(SolutionRefusal::TooFewSubstances, F::AddToMixture, messenger);
        return;
    }
    std::vector<SoluteShare> shares;
    for (int n = 0; n < mixtureSlotCount; ++n) {
        const F entry = solutionSlotConcentration(n);
        if (!slots_[static_cast<std::size_t>(n)]) {
            form_.setText(field(entry), "");
            continue;
        }
        const std::optional<Real> w = model::readNumber(form_.text(field(entry)));
        if (!w) {
            messenger.show(lang::numberEntryError(
                texts_, text(static_cast<int>(SolutionText::MixtureConcentration)), field(entry)));
            return;
        }
        shares.push_back({&solutes_[static_cast<std::size_t>(*slots_[static_cast<std::size_t>(n)])], *w});
    }
    const auto state = computeSolutionMixture(shares, *kelvin);
    if (!state) {
        refuse(state.reason(), F::SlotConcentration1, messenger);
        return;
    }
    mixtureResult_ = *state;
    form_.setOutput(field(F::MixtureDensity), shownDensity(state->density, 0, 1, output_));
    form_.setOutput(field(F::MixtureViscosity), shownViscosity(state->viscosity, 0, 4, output_));
    form_.setEnabled(field(F::MixtureTakeOver), true);
}

std::optional<MediumTransfer> SolutionPresenter::takeOver() const {
    if (!form_.enabled(field(F::TakeOver))) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = form_.current(field(F::List)) + " (" + form_.text(field(F::Temperature)) + " " +
                          form_.current(field(F::TemperatureUnit)) + ", " +
                          form_.text(field(F::Concentration)) + " " +
                          text(static_cast<int>(SolutionText::ConcentrationUnit)) + ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(F::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(F::Viscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

std::optional<MediumTransfer> SolutionPresenter::takeOverMixture() const {
    if (!form_.enabled(field(F::MixtureTakeOver))) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = texts_.text(GlobalText::MixtureWord) + " (" +
                          form_.text(field(F::MixtureTemperature)) + " " +
                          form_.current(field(F::MixtureTemperatureUnit)) + ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(F::MixtureDensity)), densityTransferUnit(output_)};
    transfer.viscosity =
        TextWithUnit{form_.output(field(F::MixtureViscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

model::UserMessage SolutionPresenter::information() const {
    std::string all;
    for (SolutionText t :
         {SolutionText::InfoText1, SolutionText::InfoText2, SolutionText::InfoText3, SolutionText::InfoText4})
        all += (all.empty() ? "" : "\r") + text(static_cast<int>(t));
    return {.icon = model::MessageIcon::Information,
            .caption = texts_.text(GlobalText::InformationCaption),
            .text = all};
}

}  // namespace velmora::media
