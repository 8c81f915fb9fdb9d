#include "media/norm_conversion_presenter.h"

#include "lang/dialog_messages.h"
#include "model/norm_conversion_window_text.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"

namespace velmora::media {

namespace {

using F = NormConversionField;
using model::NormConversionText;

int field(F f) {
    return static_cast<int>(f);
}

}  // namespace

NormConversionPresenter::NormConversionPresenter(const lang::TextCatalogue& texts) : texts_(texts) {
    form_.choice(field(F::FlowUnit)) = model::UnitBox({"Nm³/s", "Nm³/min", "Nm³/h"});
    form_.choice(field(F::FlowUnit)).select(2);
    form_.choice(field(F::TemperatureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Temperature));
    form_.choice(field(F::PressureUnit)) = model::UnitBox(model::unitLabels(model::Quantity::Pressure));
}

void NormConversionPresenter::show(bool decimalComma, int decimals, const TextWithUnit& temperature,
                                   const TextWithUnit& pressure) {
    decimalComma_ = decimalComma;
    decimals_ = decimals;
    const auto caption = [&](F f, NormConversionText t) {
        form_.setCaption(field(f), lang::blockText(texts_, model::kNormConversionBlock, t));
    };
    caption(F::Title, NormConversionText::Title);
    caption(F::FlowLabel, NormConversionText::FlowLabel);
    caption(F::TemperatureLabel, NormConversionText::TemperatureLabel);
    caption(F::PressureLabel, NormConversionText::PressureLabel);
    caption(F::ResultLabel, NormConversionText::ResultLabel);
    caption(F::Calculate, NormConversionText::Calculate);
    caption(F::TakeOver, NormConversionText::TakeOver);
    caption(F::Cancel, NormConversionText::Cancel);
    form_.setText(field(F::Temperature), temperature.text);
    form_.choice(field(F::TemperatureUnit)).selectLabel(temperature.unit);
    form_.setText(field(F::Pressure), pressure.text);
    form_.choice(field(F::PressureUnit)).selectLabel(pressure.unit);
    clearResult();
}

void NormConversionPresenter::edited(NormConversionField) {
    clearResult();
}

void NormConversionPresenter::chosen(NormConversionField) {
    clearResult();
}

void NormConversionPresenter::clearResult() {
    form_.clearOutputs({field(F::Result), field(F::ResultGallons)});
    form_.setEnabled(field(F::TakeOver), false);
    result_.reset();
}

void NormConversionPresenter::calculate(model::Messenger& messenger) {
    clearResult();
    const auto outcome =
        convertNormFlow({form_.text(field(F::Flow)), form_.current(field(F::FlowUnit)),
                         form_.text(field(F::Temperature)), form_.current(field(F::TemperatureUnit)),
                         form_.text(field(F::Pressure)), form_.current(field(F::PressureUnit))});
    if (!outcome) {
        const auto refuse = [&](NormConversionText label, F entry) {
            messenger.show(lang::numberEntryError(
                texts_, lang::blockText(texts_, model::kNormConversionBlock, label), field(entry)));
        };
        switch (outcome.reason()) {
            case NormConversionRefusal::NormFlowNotANumber:
                refuse(NormConversionText::FlowLabel, F::Flow);
                break;
            case NormConversionRefusal::TemperatureNotANumber:
                refuse(NormConversionText::TemperatureLabel, F::Temperature);
                break;
            case NormConversionRefusal::PressureNotANumber:
                refuse(NormConversionText::PressureLabel, F::Pressure);
                break;
        }
        return;
    }
    result_ = *outcome;
    form_.setOutput(field(F::Result), model::writeNumber(outcome->operatingFlow, decimals_, decimalComma_) +
                                          " " + outcome->operatingUnit);
    form_.setOutput(
        field(F::ResultGallons),
        "(= " + model::writeNumber(outcome->gallonsPerMinute, decimals_, decimalComma_) + " gal/min)");
    form_.setEnabled(field(F::TakeOver), true);
}

std::optional<NormConversionTransfer> NormConversionPresenter::takeOver() const {
    if (!result_) return std::nullopt;
    NormConversionTransfer transfer;
    transfer.medium.state = model::MediumState::Gas;
    transfer.medium.inletTemperature =
        TextWithUnit{form_.text(field(F::Temperature)), form_.current(field(F::TemperatureUnit))};
    transfer.medium.inletPressure =
        TextWithUnit{form_.text(field(F::Pressure)), form_.current(field(F::PressureUnit))};
    transfer.flow = TextWithUnit{model::writeNumber(result_->operatingFlow, decimals_, decimalComma_),
                                 result_->operatingUnit};
    return transfer;
}

}  // namespace velmora::media
