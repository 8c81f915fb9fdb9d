#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "media/water_saturation_state.h"
#include "media/water_state.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

// The fields of the general water and steam dialog.
enum class WaterSteamField {
    Title,
    PressureLabel,
    Pressure,      // entry, absolute
    PressureUnit,  // choice: the fifteen pressure units
    TemperatureLabel,
    Temperature,      // entry
    TemperatureUnit,  // choice: °C, K, degF, °R
    ResultsLabel,
    DensityCaption,
    Density,  // output
    VolumeCaption,
    Volume,  // output
    ViscosityCaption,
    Viscosity,  // output
    Standard,
    RangeLabel,
    Range1,
    Range2,
    Calculate,  // button
    TakeOver,   // button, enabled while a result is shown
    Close,      // button
    Info,       // button
};

// The general water and steam dialog without a toolkit: density, specific volume and viscosity
// of water or steam at a pressure and a temperature (IAPWS-IF97, IAPWS 1985 viscosity), taken
// over as a liquid in regions 1 and 3 and as a gas in regions 2 and 5.
class WaterSteamPresenter {
  public:
    explicit WaterSteamPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Each showing: captions in the current language and units; the result is cleared, the
    // entries stay.
    void show(MediumOutput output);
    // Any change of an entry or a unit clears the result.
    void edited(WaterSteamField field);
    void chosen(WaterSteamField field);
    void calculate(model::Messenger& messenger);
    // None while no result is shown.
    std::optional<MediumTransfer> takeOver() const;
    model::UserMessage information() const;

    const std::optional<WaterState>& result() const { return result_; }

  private:
    void clearResults();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    std::optional<WaterState> result_;
};

// The fields of the saturated water and steam dialog.
enum class WaterSaturationField {
    Title,
    Given,  // choice (radio group): temperature or pressure given
    TemperatureLabel,
    Temperature,      // entry, enabled while the temperature is given
    TemperatureUnit,  // choice
    PressureLabel,
    Pressure,      // entry, enabled while the pressure is given
    PressureUnit,  // choice
    Range,
    Standard,
    Calculate,      // button
    ResultCaption,  // "Druck in bar:" or "Temperatur in °C:"
    Result,         // output: the saturation pressure or temperature
    VapourColumn,
    LiquidColumn,
    DensityCaption,
    VapourDensity,  // outputs
    LiquidDensity,
    VolumeCaption,
    VapourVolume,
    LiquidVolume,
    ViscosityCaption,
    VapourViscosity,
    LiquidViscosity,
    TakeLiquid,  // buttons, enabled while a result is shown
    TakeVapour,
    Close,
};

// The saturated water and steam dialog without a toolkit: for a given temperature or pressure the
// saturation pressure or temperature and both saturated phases.
class WaterSaturationPresenter {
  public:
    explicit WaterSaturationPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Each showing: captions, and the entries and the result cleared.
    void show(MediumOutput output);
    void edited(WaterSaturationField field);
    // Choosing the other given quantity empties both entries and enables the chosen one.
    void chosen(WaterSaturationField field);
    void calculate(model::Messenger& messenger);
    std::optional<MediumTransfer> takeLiquid() const;
    std::optional<MediumTransfer> takeVapour() const;

    bool temperatureGiven() const { return form_.index(static_cast<int>(WaterSaturationField::Given)) == 0; }
    // The entry that gets the focus after a change of the given quantity.
    WaterSaturationField givenEntry() const {
        return temperatureGiven() ? WaterSaturationField::Temperature : WaterSaturationField::Pressure;
    }
    const std::optional<SaturationState>& result() const { return result_; }

  private:
    void clearResults();
    void applyGiven();
    std::string givenText() const;

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    std::optional<SaturationState> result_;
};

}  // namespace velmora::media
