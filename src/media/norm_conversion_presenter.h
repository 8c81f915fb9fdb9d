#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "media/gas_norm_conversion.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

enum class NormConversionField {
    Title,
    FlowLabel,
    Flow,      // entry: standard volume flow at 0 °C and 1.01325 bar
    FlowUnit,  // choice: Nm³/s, Nm³/min, Nm³/h
    TemperatureLabel,
    Temperature,      // entry, operating temperature
    TemperatureUnit,  // choice: °C, K, degF, °R
    PressureLabel,
    Pressure,      // entry, operating pressure (absolute; gauge with psig)
    PressureUnit,  // choice: the fifteen pressure units
    ResultLabel,
    Result,         // output: operating flow and its unit
    ResultGallons,  // output: "(= … gal/min)"
    Calculate,
    TakeOver,
    Cancel,
};

// What the conversion writes into the main form: the gas state with its inlet temperature and
// pressure, and the operating volume flow with its unit ("m³/h", "m³/min" or "m³/s") and the flow
// quantity set to volume flow. Density and viscosity are not touched.
struct NormConversionTransfer {
    MediumTransfer medium;
    TextWithUnit flow;
};

// The standard-to-operating volume flow conversion without a toolkit.
class NormConversionPresenter {
  public:
    explicit NormConversionPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Each showing: captions, the gas inlet temperature and pressure of the main form with their
    // units, the result cleared. `decimals` is the setting for numbers of the results table.
    void show(bool decimalComma, int decimals, const TextWithUnit& temperature, const TextWithUnit& pressure);
    void edited(NormConversionField field);
    void chosen(NormConversionField field);
    void calculate(model::Messenger& messenger);
    std::optional<NormConversionTransfer> takeOver() const;

  private:
    void clearResult();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    bool decimalComma_ = false;
    int decimals_ = 3;
    std::optional<NormConversionResult> result_;
};

}  // namespace velmora::media
