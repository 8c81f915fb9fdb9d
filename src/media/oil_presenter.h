#pragma once

#include <optional>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/heat_transfer_oils.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

// The fields of the heat-transfer oil dialog (TWaermetraegeroele).
enum class OilField {
    Title,
    List,  // choice: the oils of WT.STW
    ListLabel,
    Description,  // output: the kind of the selected oil
    Temperature,  // entry
    TemperatureLabel,
    TemperatureUnit,  // choice
    RangeNote,
    ResultsLabel,
    DensityCaption,
    Density,  // output
    ViscosityCaption,
    Viscosity,  // output
    Calculate,
    TakeOver,  // button, enabled while a result is shown
    Close,
    Info,
};

// The heat-transfer oil dialog without a toolkit: density and viscosity of an oil of "WT.STW"
// from 0 to 300 °C.
class OilPresenter {
  public:
    explicit OilPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::vector<OilRecord>& oils() const { return oils_; }

    // Reads "WT.STW" (once, when the dialog is created); the data-file message when it cannot.
    std::optional<model::UserMessage> load(const persist::DataFileSet& files);
    // As load, from lines already read (tests, the command line).
    void setOils(std::vector<OilRecord> oils);

    void show(MediumOutput output);
    void edited(OilField field);
    void chosen(OilField field);
    void calculate(model::Messenger& messenger);
    std::optional<MediumTransfer> takeOver() const;
    model::UserMessage information() const;

    // The values behind the shown result (none while no result is shown).
    const std::optional<OilState>& result() const { return result_; }

    // Selects the oil of this name; false when there is none.
    bool select(std::string_view name);

  private:
    const std::string& text(int position) const;
    void clearResults();
    void showDescription();

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    std::vector<OilRecord> oils_;
    MediumOutput output_;
    std::optional<OilState> result_;
};

}  // namespace velmora::media
