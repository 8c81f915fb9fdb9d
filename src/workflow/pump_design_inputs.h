#pragma once

#include "tools/pump_design_presenter.h"
#include "workflow/main_form.h"

// What the pump quick design takes from the main form: the medium for "Verwende Daten von
// Hauptfenster", the first element parameter as the suction diameter, and the main form's medium
// conversion for its own entries. None of them changes the main form.
namespace velmora::workflow {

tools::PumpMediumEntries pumpMediumEntries(const MainForm& form);

// The liquid conversion of the main form's calculation (stage 2 of the fill), run on a copy of
// the form that carries the tool's medium entries and into a record of its own.
class MainFormMediumConversion : public tools::PumpMediumConversion {
  public:
    explicit MainFormMediumConversion(const MainForm& form) : form_(&form) {}
    std::optional<tools::PumpMedium> convert(const tools::PumpMediumEntries& entries,
                                             model::Messenger& messenger) const override;

  private:
    const MainForm* form_;
};

}  // namespace velmora::workflow
