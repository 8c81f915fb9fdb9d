#include "media/oil_presenter.h"

#include "lang/dialog_messages.h"
#include "model/oil_window_text.h"
#include "persist/data_file_error.h"

namespace velmora::media {

namespace {

using model::GlobalText;
using model::OilText;
using F = OilField;

constexpr const char* window = "TWaermetraegeroele";

int field(F f) {
    return static_cast<int>(f);
}

}  // namespace

OilPresenter::OilPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::TemperatureUnit)) = model::UnitBox(temperatureUnits());
    form_.setEnabled(field(F::TakeOver), false);
}

const std::string& OilPresenter::text(int position) const {
    return lang::blockText(texts_, window, position);
}

std::optional<model::UserMessage> OilPresenter::load(const persist::DataFileSet& files) {
    try {
        setOils(loadOils(files));
        return std::nullopt;
    } catch (const persist::DataFileError&) {
        setOils({});
        return lang::dataFileError(texts_, std::string(oilFileName), lang::FileNameBreak::Blank);
    }
}

void OilPresenter::setOils(std::vector<OilRecord> oils) {
    oils_ = std::move(oils);
    std::vector<std::string> names;
    for (const OilRecord& oil : oils_) names.push_back(oil.name);
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    showDescription();
    clearResults();
}

bool OilPresenter::select(std::string_view name) {
    if (!form_.choice(field(F::List)).selectLabel(name)) return false;
    chosen(F::List);
    return true;
}

void OilPresenter::show(MediumOutput output) {
    output_ = output;
    const auto caption = [&](F f, OilText t) { form_.setCaption(field(f), text(static_cast<int>(t))); };
    caption(F::Title, OilText::Title);
    caption(F::ListLabel, OilText::ListLabel);
    caption(F::TemperatureLabel, OilText::Temperature);
    caption(F::RangeNote, OilText::RangeNote);
    caption(F::ResultsLabel, OilText::Results);
    caption(F::DensityCaption, output.us() ? OilText::DensityUs : OilText::DensityMetric);
    caption(F::ViscosityCaption, output.us() ? OilText::ViscosityUs : OilText::ViscosityMetric);
    caption(F::Calculate, OilText::Calculate);
    caption(F::TakeOver, OilText::TakeOver);
    caption(F::Close, OilText::Close);
    caption(F::Info, OilText::Info);
    showDescription();
    clearResults();
}

void OilPresenter::showDescription() {
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) {
        form_.setOutput(field(F::Description), "");
        return;
    }
    const int kind = oils_[static_cast<std::size_t>(list.index())].kind;
    const OilText description = kind == 1   ? OilText::KindMineral
                                : kind == 2 ? OilText::KindSynthetic
                                            : OilText::KindOther;
    form_.setOutput(field(F::Description), text(static_cast<int>(description)));
}

void OilPresenter::edited(OilField) {
    clearResults();
}

void OilPresenter::chosen(OilField f) {
    if (f == F::List) showDescription();
    clearResults();
}

void OilPresenter::clearResults() {
    form_.clearOutputs({field(F::Density), field(F::Viscosity)});
    form_.setEnabled(field(F::TakeOver), false);
    result_.reset();
}

void OilPresenter::calculate(model::Messenger& messenger) {
    clearResults();
    const model::UnitBox& list = form_.choice(field(F::List));
    if (list.empty()) return;
    const std::optional<Real> kelvin =
        temperatureEntryKelvin(form_.text(field(F::Temperature)), form_.current(field(F::TemperatureUnit)));
    if (!kelvin) {
        messenger.show(lang::numberEntryError(texts_, text(static_cast<int>(OilText::Temperature)),
                                              field(F::Temperature)));
        return;
    }
    const auto state = computeOil(oils_[static_cast<std::size_t>(list.index())], *kelvin);
    if (!state) {
        switch (state.reason()) {
            case OilRefusal::BelowRange:
                messenger.show(lang::plainMessage(texts_, text(static_cast<int>(OilText::BelowRange)),
                                                  field(F::Temperature)));
                break;
            case OilRefusal::AboveRange:
                messenger.show(lang::plainMessage(texts_, text(static_cast<int>(OilText::AboveRange)),
                                                  field(F::Temperature)));
                break;
            case OilRefusal::OutsideValidity:
                messenger.show(
                    noticeBox(texts_, texts_.text(GlobalText::ValueOutsideValidity), field(F::Temperature)));
                break;
        }
        return;
    }
    result_ = *state;
    const std::string& missing = texts_.text(GlobalText::MissingValue);
    form_.setOutput(field(F::Density),
                    state->density < 0 ? missing : shownDensity(state->density, 0, 1, output_));
    form_.setOutput(field(F::Viscosity), state->viscosity && *state->viscosity > 0
                                             ? shownViscosity(*state->viscosity, 0, 4, output_)
                                             : missing);
    form_.setEnabled(field(F::TakeOver), true);
}

std::optional<MediumTransfer> OilPresenter::takeOver() const {
    if (!form_.enabled(field(F::TakeOver))) return std::nullopt;
    MediumTransfer transfer;
    transfer.mediumText = form_.current(field(F::List)) + " (" + form_.text(field(F::Temperature)) + " " +
                          form_.current(field(F::TemperatureUnit)) + ")";
    transfer.state = model::MediumState::Liquid;
    transfer.density = TextWithUnit{form_.output(field(F::Density)), densityTransferUnit(output_)};
    transfer.viscosity = TextWithUnit{form_.output(field(F::Viscosity)), viscosityTransferUnit(output_)};
    return transfer;
}

model::UserMessage OilPresenter::information() const {
    return {.icon = model::MessageIcon::Information,
            .caption = texts_.text(GlobalText::InformationCaption),
            .text = text(static_cast<int>(OilText::InfoText1)) + "\r" +
                    text(static_cast<int>(OilText::InfoText2))};
}

}  // namespace velmora::media
