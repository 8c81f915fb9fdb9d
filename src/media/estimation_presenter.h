#pragma once

#include <array>
#include <optional>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/estimation_table.h"
#include "media/medium_display.h"
#include "media/medium_transfer.h"
#include "media/mixture_estimate.h"
#include "media/substance_estimate.h"
#include "model/dialog_form.h"
#include "model/messenger.h"

namespace velmora::media {

inline constexpr int estimationSlotCount = 4;

// The fields of the property estimation dialog (TStoffdatenBerechnen).
enum class EstimationField {
    Title,
    SearchLabel,
    SearchText,  // entry
    SearchButton,
    SearchByLabel,
    SearchKind,  // choice: formula, CAS number, refrigerant number
    ListLabel,
    List,  // choice: the substances of STBERE.STW
    Name,  // output, shown in bold
    FormulaLabel,
    Formula,  // output
    CasLabel,
    Cas,  // output: "CAS / R-Nr."
    MeltingLabel,
    Melting,  // output: "-95,3 °C (= -139,5°F)"
    BoilingLabel,
    Boiling,
    CriticalLabel,
    Critical,  // output: "234 °C  (454 °F)"
    PressureLabel,
    Pressure,      // entry
    PressureUnit,  // choice: the fifteen pressure units
    BoilingAtPressureLabel,
    BoilingAtPressure,  // output
    TemperatureLabel,
    Temperature,      // entry
    TemperatureUnit,  // choice
    StateLabel,
    State,  // output
    DensityCaption,
    Density,
    ViscosityCaption,
    Viscosity,
    Calculate,
    TakeOver,
    Close,
    Info,
    // The mixture.
    MixtureTitle,
    FractionKindLabel,
    FractionKind,  // choice: mass or mole fractions
    AddToMixture,
    SlotName1,
    SlotName2,
    SlotName3,
    SlotName4,
    SlotFraction1,  // entries, %
    SlotFraction2,
    SlotFraction3,
    SlotFraction4,
    SlotRemove1,
    SlotRemove2,
    SlotRemove3,
    SlotRemove4,
    MixturePressure,
    MixturePressureUnit,
    MixtureTemperature,
    MixtureTemperatureUnit,
    MixtureCalculate,
    MixtureResultLabel,
    MixtureState,
    MixtureBoiling,
    MixtureCritical,
    MixtureDensity,
    MixtureViscosity,
    MixtureTakeOver,
};

constexpr EstimationField estimationSlotName(int n) {
    return static_cast<EstimationField>(static_cast<int>(EstimationField::SlotName1) + n);
}
constexpr EstimationField estimationSlotFraction(int n) {
    return static_cast<EstimationField>(static_cast<int>(EstimationField::SlotFraction1) + n);
}
constexpr EstimationField estimationSlotRemove(int n) {
    return static_cast<EstimationField>(static_cast<int>(EstimationField::SlotRemove1) + n);
}

// The property estimation dialog without a toolkit: state, boiling point, density and viscosity
// of a substance of "STBERE.STW", or of a mixture of two to four, estimated from critical data.
class EstimationPresenter {
  public:
    EstimationPresenter(const lang::TextCatalogue& texts, lang::Edition edition);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    const std::vector<EstimationRecord>& records() const { return records_; }

    std::optional<model::UserMessage> load(const persist::DataFileSet& files);
    void setRecords(std::vector<EstimationRecord> records);
    bool select(std::string_view name);

    void show(MediumOutput output);
    void edited(EstimationField field);
    void chosen(EstimationField field);
    // Search, calculate, add to the mixture, a remove button, mixture calculate.
    void pressed(EstimationField field, model::Messenger& messenger);
    std::optional<MediumTransfer> takeOver() const;
    std::optional<MediumTransfer> takeOverMixture() const;
    model::UserMessage information() const;

    // The values behind the shown single and mixture results (none while not shown).
    const std::optional<SubstanceEstimate>& result() const { return result_; }
    const std::optional<MixtureEstimate>& mixtureResult() const { return mixtureResult_; }

    std::optional<int> slot(int n) const { return slots_[static_cast<std::size_t>(n)]; }

  private:
    const std::string& text(int position) const;
    void showSubstance();
    void showBoilingPoint();
    void clearSingle();
    void clearMixture();
    void search(model::Messenger& messenger);
    void calculate(model::Messenger& messenger);
    void calculateMixture(model::Messenger& messenger);
    void addToMixture();
    void removeFromMixture(int n);
    // Pressure (bar) and temperature (K) of the single or the mixture part, with their messages;
    // none after a refusal.
    std::optional<std::pair<Real, Real>> readState(EstimationField pressure, EstimationField pressureUnit,
                                                   EstimationField temperature,
                                                   EstimationField temperatureUnit,
                                                   model::Messenger& messenger);
    void showRefusal(EstimationRefusal refusal, EstimationField focus, model::Messenger& messenger);
    void showProperties(const EstimatedProperties& properties, EstimationField state, EstimationField density,
                        EstimationField viscosity);
    MediumTransfer transfer(std::string name, EstimationField state, EstimationField density,
                            EstimationField viscosity, EstimationField pressure, EstimationField pressureUnit,
                            EstimationField temperature, EstimationField temperatureUnit) const;
    std::string temperatureLine(Real celsius) const;

    const lang::TextCatalogue& texts_;
    lang::Edition edition_;
    model::DialogForm form_;
    std::vector<EstimationRecord> records_;
    std::array<std::optional<int>, estimationSlotCount> slots_{};
    MediumOutput output_;
    std::optional<SubstanceEstimate> result_;
    std::optional<MixtureEstimate> mixtureResult_;
    bool singleLiquid_ = false;   // the state of the shown single result
    bool mixtureLiquid_ = false;  // the state of the shown mixture result
};

}  // namespace velmora::media
