#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/medium_display.h"
#include "media/vapour_pressure_database.h"
#include "model/dialog_form.h"
#include "model/user_message.h"
#include "persist/data_file_set.h"

namespace velmora::media {

enum class VapourPressureField {
    Title,
    ListLabel,
    List,  // choice: the substances in file order
    Name,  // caption, bold
    Description,
    MolarMassLabel,
    MolarMass,  // output
    MeltingLabel,
    Melting,  // output
    BoilingLabel,
    Boiling,  // output
    RangeLabel1,
    RangeLabel2,
    MinimumLabel,
    Minimum,  // output, °C
    MaximumLabel,
    Maximum,  // output, °C
    TemperatureLabel,
    Temperature,  // entry: whole degrees Celsius inside [minimum, maximum]
    Fahrenheit,   // output: "(= 68 °F)"
    PressureCaption,
    Pressure,  // output, bar
    DensityCaption,
    Density,  // output, kg/m³
    Note1,
    Note2,
    TakeBoth,      // button: into the NPSH tool
    TakePressure,  // button: into the pump quick design when it is open, else the NPSH tool
    TakeDensity,   // button: into the NPSH tool
    Cancel,
};

// The tool that opened the dialog, as far as the dialog needs to know it.
struct VapourPressureCaller {
    bool pumpDesign = false;          // the pump quick design is open
    std::string pumpMediumText;       // its medium text ("Toluene (20 °C)")
    std::string pumpTemperatureText;  // its temperature entry, °C
};

// What goes back into the calling tool: texts for its entries, with unit item 0 ("bar",
// "kg/m³"). The pump design also gets the temperature in whole °C.
struct VapourPressureTransfer {
    bool toPumpDesign = false;
    std::optional<std::string> vapourPressure;  // bar
    std::optional<std::string> density;         // kg/m³
    std::optional<std::string> temperature;     // °C, pump design only
};

// The vapour-pressure and density database without a toolkit. The file is read on every showing
// and dropped on hiding.
class VapourPressurePresenter {
  public:
    explicit VapourPressurePresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Captions, the file read, the first substance (or the pump design's medium) shown and computed.
    // The data-file message when DADRU.DAD cannot be read; the dialog then stays empty.
    std::optional<model::UserMessage> show(MediumOutput output, const persist::DataFileSet& files,
                                           const VapourPressureCaller& caller = {});
    void hide();

    void chosen(VapourPressureField field);  // another substance
    void edited(VapourPressureField field);  // the temperature typed
    // The up/down control: the temperature moved by `delta` degrees, kept inside the range.
    void step(int delta);
    // The step while the up/down button is held: 1, then 2, 5, 10 and 20 after each further
    // 300 ms (`ticks` counts them), never more.
    static int heldStep(int ticks);

    std::optional<VapourPressureTransfer> takeBoth() const;
    std::optional<VapourPressureTransfer> takePressure() const;
    std::optional<VapourPressureTransfer> takeDensity() const;

    const std::vector<VapourPressureRecord>& records() const { return records_; }
    const std::optional<VapourPressurePoint>& result() const { return result_; }

  private:
    const VapourPressureRecord* selected() const;
    void showSubstance();
    void setTemperature(int celsius);
    void compute();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    MediumOutput output_;
    VapourPressureCaller caller_;
    std::vector<VapourPressureRecord> records_;
    std::optional<VapourPressurePoint> result_;
    std::optional<int> temperature_;  // °C of the shown result
};

}  // namespace velmora::media
