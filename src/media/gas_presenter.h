#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/gas_database.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

enum class GasField {
    Title,
    ListLabel,
    List,  // choice: the gases in file order
    Name,  // caption, bold
    Description,
    CasLabel,
    Cas,  // output
    MeltingLabel,
    Melting,  // output: "-210 °C  (= -346.0°F)"
    BoilingLabel,
    Boiling,
    PressureLabel,
    Pressure,      // entry, absolute
    PressureUnit,  // choice: the fifteen pressure units
    BoilingAtPressureLabel,
    BoilingAtPressure,  // output
    CriticalLabel,
    Critical,  // output
    MeasuredLabel,
    TemperatureListLabel,
    Temperatures,           // choice: the tabulated temperatures, °C
    TemperatureFahrenheit,  // output: "(= 68 °F)"
    DensityCaption,
    Density,  // output, at the selected temperature and the entered pressure
    ViscosityCaption,
    Viscosity,
    TakeMeasured,   // button
    LiquidWarning,  // caption, visible only while the medium is liquid
    InterpolationLabel,
    InterpolationTemperatureLabel,
    InterpolationTemperature,  // entry
    InterpolationUnit,         // choice: °C, K, degF, °R
    Interpolate,               // button
    InterpolatedDensityCaption,
    InterpolatedDensity,
    InterpolatedViscosityCaption,
    InterpolatedViscosity,
    TakeInterpolated,  // button, enabled after a successful interpolation
    Note,              // output: the explanatory note, one line a paragraph
    Close,
};

// Density (kg/m³) and viscosity (10⁻⁶ kg/(m·s)) behind a shown result.
struct GasValues {
    Real density;
    Real viscosity;
};

// The gas database dialog without a toolkit: SRK density and Gardner-corrected viscosity of a gas
// at a tabulated or an interpolated temperature and an entered pressure, with the check whether
// the medium is liquid there.
class GasPresenter {
  public:
    explicit GasPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Reads GASE.STW once; the data-file message when it cannot be read (the dialog stays empty).
    std::optional<model::UserMessage> load(const persist::DataFileSet& files);
    void setRecords(std::vector<GasRecord> records);

    // Each showing: captions; after a change of the output units the measured values again.
    void show(MediumOutput output, model::Messenger& messenger);
    // A gas, a tabulated temperature or a unit chosen; the pressure or the interpolation
    // temperature typed. Messages (an unreadable pressure, …) go to `messenger`.
    void chosen(GasField field, model::Messenger& messenger);
    void edited(GasField field, model::Messenger& messenger);
    void interpolate(model::Messenger& messenger);

    std::optional<MediumTransfer> takeMeasured() const;
    std::optional<MediumTransfer> takeInterpolated() const;

    const std::vector<GasRecord>& records() const { return records_; }
    bool liquid() const { return liquid_; }
    const std::optional<GasValues>& measured() const { return measured_; }
    const std::optional<GasValues>& interpolated() const { return interpolated_; }
    // The boiling temperature at the entered pressure (°C); none at or above the critical pressure.
    const std::optional<Real>& boilingAtPressure() const { return boilingAtPressure_; }

  private:
    const GasRecord* selected() const;
    void showGas();
    void computeMeasured(model::Messenger& messenger);
    void clearInterpolation();
    std::optional<Real> pressureBar() const;
    const std::string& text(int position) const;

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    bool shown_ = false;
    std::vector<GasRecord> records_;
    std::optional<Real> boilingAtPressure_;  // °C, the last estimate at the entered pressure
    bool liquid_ = false;
    std::optional<GasValues> measured_;
    std::optional<GasValues> interpolated_;
};

}  // namespace velmora::media
