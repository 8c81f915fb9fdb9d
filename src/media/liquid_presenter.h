#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/liquid_database.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

enum class LiquidField {
    Title,
    ListLabel,
    List,  // choice: the liquids in file order
    Name,  // caption, bold
    Description,
    MeltingLabel,
    Melting,  // output: "-97.68 °C  (= -143.8°F)"
    BoilingLabel,
    Boiling,
    MeasuredLabel,
    TemperatureListLabel,
    Temperatures,           // choice: the tabulated temperatures, °C
    TemperatureFahrenheit,  // output: "(= 68 °F)"
    DensityCaption,
    Density,  // output: the measured value
    ViscosityCaption,
    Viscosity,
    TakeMeasured,
    InterpolationLabel,
    InterpolationTemperatureLabel,
    InterpolationTemperature,  // entry
    InterpolationUnit,         // choice: °C, K, degF, °R
    Interpolate,
    InterpolatedDensityCaption,
    InterpolatedDensity,
    InterpolatedViscosityCaption,
    InterpolatedViscosity,
    TakeInterpolated,  // enabled after a successful interpolation
    Close,
};

// Interpolated values (kg/m³, 10⁻⁶ kg/(m·s)).
struct LiquidValues {
    Real density;
    Real viscosity;
};

// The liquids database dialog without a toolkit: measured density and viscosity of a liquid at a
// tabulated temperature, or linearly interpolated between two of them.
class LiquidPresenter {
  public:
    explicit LiquidPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Reads MEDIEN.STW once; the data-file message (name on a line of its own) when it cannot.
    std::optional<model::UserMessage> load(const persist::DataFileSet& files);
    void setRecords(std::vector<LiquidRecord> records);

    void show(MediumOutput output);
    void chosen(LiquidField field);
    void edited(LiquidField field);
    void interpolate(model::Messenger& messenger);

    std::optional<MediumTransfer> takeMeasured() const;
    std::optional<MediumTransfer> takeInterpolated() const;

    const std::vector<LiquidRecord>& records() const { return records_; }
    const std::optional<LiquidValues>& interpolated() const { return interpolated_; }
    // The selected measuring point, if any.
    const LiquidPoint* selectedPoint() const;

  private:
    const LiquidRecord* selected() const;
    void showLiquid();
    void showMeasured();
    void clearInterpolation();
    const std::string& text(int position) const;

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    bool shown_ = false;
    std::vector<LiquidRecord> records_;
    std::optional<LiquidValues> interpolated_;
};

}  // namespace velmora::media
