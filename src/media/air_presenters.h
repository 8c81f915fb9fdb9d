#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "media/dry_air.h"
#include "media/humid_air.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "media/saturated_air.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

// The three air dialogs without a toolkit: dry air (Lemmon et al. 2000 equation of state), humid
// air (CIPM-81/91) and saturated air. Every showing and every change of an entry or a unit clears
// the result and disables the take-over buttons; the entries are kept between openings.
namespace velmora::media {

enum class DryAirField {
    Title,
    PressureLabel,
    Pressure,      // entry, absolute
    PressureUnit,  // choice: the fifteen pressure units
    PressureNote,
    TemperatureLabel,
    Temperature,      // entry
    TemperatureUnit,  // choice: °C, K, degF, °R
    TemperatureNote,
    StateLabel,
    State,  // output: solid, liquid or gaseous
    DensityCaption,
    Density,  // output
    VolumeCaption,
    Volume,  // output
    ViscosityCaption,
    Viscosity,  // output
    Calculate,
    TakeOver,  // enabled while a fluid result is shown
    Close,
    Info,
};

class DryAirPresenter {
  public:
    explicit DryAirPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    void show(MediumOutput output);
    void edited(DryAirField field);
    void chosen(DryAirField field);
    void calculate(model::Messenger& messenger);
    // None while no density is shown (no result, or solid air).
    std::optional<MediumTransfer> takeOver() const;
    model::UserMessage information() const;

    const std::optional<DryAirResult>& result() const { return result_; }

  private:
    void clearResults();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    std::optional<DryAirResult> result_;
};

enum class HumidAirField {
    Title,
    PressureLabel,
    Pressure,
    PressureUnit,
    PressureNote,
    TemperatureLabel,
    Temperature,
    TemperatureUnit,
    TemperatureNote,
    HumidityKind,  // choice: relative humidity in % or moisture content in kg/kg
    Humidity,      // entry
    ResultsLabel,
    RelativeCaption,
    Relative,  // outputs from here to Viscosity
    ContentCaption,
    Content,
    SaturationCaption,
    SaturationContent,
    DegreeCaption,
    Degree,
    MoleCaption,
    MoleFraction,
    DewPointCaption,
    DewPoint,
    DensityCaption,
    Density,
    VolumeCaption,
    Volume,
    ViscosityCaption,
    Viscosity,
    Calculate,
    TakeOver,
    Close,
    Info,
};

class HumidAirPresenter {
  public:
    explicit HumidAirPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    void show(MediumOutput output);
    void edited(HumidAirField field);
    // The kind of humidity changes only how the entry is read; the result stays.
    void chosen(HumidAirField field);
    void calculate(model::Messenger& messenger);
    std::optional<MediumTransfer> takeOver() const;
    model::UserMessage information() const;

    const std::optional<HumidAirResult>& result() const { return result_; }

  private:
    void clearResults();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    std::optional<HumidAirResult> result_;
};

enum class SaturatedAirField {
    Title,
    TemperatureLabel,
    Temperature,
    TemperatureUnit,
    TemperatureNote,
    VapourColumn,
    LiquidColumn,
    PressureCaption,
    VapourPressure,  // output: the dew pressure
    LiquidPressure,  // output: the bubble pressure
    DensityCaption,
    VapourDensity,
    LiquidDensity,
    VolumeCaption,
    VapourVolume,
    LiquidVolume,
    ViscosityCaption,
    VapourViscosity,
    LiquidViscosity,
    Calculate,
    TakeLiquid,
    TakeVapour,
    Close,
};

class SaturatedAirPresenter {
  public:
    explicit SaturatedAirPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    void show(MediumOutput output);
    void edited(SaturatedAirField field);
    void chosen(SaturatedAirField field);
    void calculate(model::Messenger& messenger);
    std::optional<MediumTransfer> takeLiquid() const;
    std::optional<MediumTransfer> takeVapour() const;

    const std::optional<SaturatedAirResult>& result() const { return result_; }

  private:
    void clearResults();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    std::optional<SaturatedAirResult> result_;
};

}  // namespace velmora::media
