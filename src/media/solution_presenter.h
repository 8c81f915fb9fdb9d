#pragma once

#include <array>
#include <optional>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/aqueous_solutions.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

inline constexpr int mixtureSlotCount = 4;

// The fields of the aqueous solution dialog (TWaessrigeLoesungen).
enum class SolutionField {
    Title,
    List,  // choice: the solutes of WAESSRIG.STW
    ListLabel,
    Description,  // output
    Temperature,  // entry
    TemperatureLabel,
    TemperatureUnit,  // choice
    Concentration,    // entry, mass %
    ConcentrationLabel,
    ConcentrationUnit,  // caption "Massen %"
    ResultsLabel,
    DensityCaption,
    Density,
    ViscosityCaption,
    Viscosity,
    Calculate,
    TakeOver,
    // The mixture.
    MixtureTitle,
    MixtureConcentrationLabel,
    AddToMixture,
    SlotName1,  // outputs: the solute names of the four slots
    SlotName2,
    SlotName3,
    SlotName4,
    SlotConcentration1,  // entries, mass %
    SlotConcentration2,
    SlotConcentration3,
    SlotConcentration4,
    SlotRemove1,  // buttons
    SlotRemove2,
    SlotRemove3,
    SlotRemove4,
    MixtureTemperature,  // entry
    MixtureTemperatureLabel,
    MixtureTemperatureUnit,  // choice
    MixtureCalculate,
    MixtureResultLabel,
    MixtureDensity,
    MixtureViscosity,
    MixtureTakeOver,
    Close,
    Info,
};

// Field of slot n (0 … 3).
constexpr SolutionField solutionSlotName(int n) {
    return static_cast<SolutionField>(static_cast<int>(SolutionField::SlotName1) + n);
}
constexpr SolutionField solutionSlotConcentration(int n) {
    return static_cast<SolutionField>(static_cast<int>(SolutionField::SlotConcentration1) + n);
}
constexpr SolutionField solutionSlotRemove(int n) {
    return static_cast<SolutionField>(static_cast<int>(SolutionField::SlotRemove1) + n);
}

// The aqueous solution dialog without a toolkit: one solute of "WAESSRIG.STW" at a concentration
// and temperature, or a mixture of two to four.
class SolutionPresenter {
  public:
    explicit SolutionPresenter(const lang::TextCatalogue& texts);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::vector<SoluteRecord>& solutes() const { return solutes_; }

    std::optional<model::UserMessage> load(const persist::DataFileSet& files);
    void setSolutes(std::vector<SoluteRecord> solutes);
    bool select(std::string_view name);

    void show(MediumOutput output);
    void edited(SolutionField field);
    void chosen(SolutionField field);
    // A button of the dialog: calculate, add to the mixture, a remove button, mixture calculate.
    void pressed(SolutionField field, model::Messenger& messenger);
    std::optional<MediumTransfer> takeOver() const;
    std::optional<MediumTransfer> takeOverMixture() const;
    model::UserMessage information() const;

    // The values behind the shown single and mixture results (none while not shown).
    const std::optional<SolutionState>& result() const { return result_; }
    const std::optional<SolutionState>& mixtureResult() const { return mixtureResult_; }

    // The list position of slot n's solute; none for an empty slot.
    std::optional<int> slot(int n) const { return slots_[static_cast<std::size_t>(n)]; }

  private:
    const std::string& text(int position) const;
    void calculate(model::Messenger& messenger);
    void calculateMixture(model::Messenger& messenger);
    void addToMixture();
    void removeFromMixture(int n);
    void clearSingle();
    void clearMixture();
    bool refuse(SolutionRefusal refusal, SolutionField focus, model::Messenger& messenger) const;

    const lang::TextCatalogue& texts_;
    model::DialogForm form_;
    std::vector<SoluteRecord> solutes_;
    std::array<std::optional<int>, mixtureSlotCount> slots_{};
    MediumOutput output_;
    std::optional<SolutionState> result_;
    std::optional<SolutionState> mixtureResult_;
};

}  // namespace velmora::media
