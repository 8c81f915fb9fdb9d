#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "media/brine_properties.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

// The fields of the brine dialog (TKuehlsolen).
enum class BrineField {
    Title,
    List,  // choice: the ten brines, each "<brine> / <water>"
    ListLabel,
    Concentration,  // entry, mass %
    ConcentrationLabel,
    PercentLabel,
    Temperature,  // entry
    TemperatureLabel,
    TemperatureUnit,  // choice: °C, K, degF, °R
    RangeLabel,
    RangeTemperature,    // output: "Temperature: Freezing point .. 40 °C (104 °F)"
    RangeConcentration,  // output: "Concentration: 0,0 .. 56,0 %"
    ResultsLabel,
    FreezingCaption,  // caption: "Freezing point in °C:"
    FreezingPoint,    // output
    DensityCaption,
    Density,  // output
    ViscosityCaption,
    Viscosity,  // output
    Calculate,  // button
    TakeOver,   // button
    Close,      // button
    Info,       // button
};

// The brine dialog without a toolkit: density, viscosity and freezing point of ten secondary
// refrigerants for a concentration and a temperature, and their transfer into the main form.
class BrinePresenter {
  public:
    explicit BrinePresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Each showing: captions in the current language and units, results cleared; the first
    // showing fills the list and selects the first brine.
    void show(MediumOutput output);
    // The user typed in an entry, or chose a brine or a temperature unit.
    void edited(BrineField field);
    void chosen(BrineField field);
    // "&Berechnen": checks, then the results; the refusals go to `messenger`.
    void calculate(model::Messenger& messenger);
    // "Daten &übernehmen": none while no result is shown.
    std::optional<MediumTransfer> takeOver() const;
    // The information button's box.
    model::UserMessage information() const;

    // The values behind the shown result (none while no result is shown).
    const std::optional<BrineState>& result() const { return result_; }

    // Brine number 1 … 10 of a list position 0 … 9.
    static int brineAt(int position);

  private:
    const std::string& text(int position) const;
    void showRanges();
    void clearResults();
    void setFreezingCaption();
    int selectedBrine() const { return brineAt(form_.index(static_cast<int>(BrineField::List))); }

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    bool filled_ = false;
    std::optional<BrineState> result_;
};

}  // namespace velmora::media
