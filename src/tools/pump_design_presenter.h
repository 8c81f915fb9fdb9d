#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/pump_design_texts.h"
#include "persist/file_ops.h"
#include "persist/locked_file.h"
#include "pipedata/take_over.h"
#include "tools/pump_design.h"
#include "tools/pump_report.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

enum class PumpSide { Suction, Discharge };

// The medium entries as typed, with their unit labels, as the medium conversion takes them.
struct PumpMediumEntries {
    std::string name;
    bool massFlow = false;
    std::string flow;
    std::string flowUnit;
    std::string density;
    std::string densityUnit;
    bool kinematic = false;
    std::string viscosity;
    std::string viscosityUnit;
};

// The converted medium: m³/h, kg/m³, 10⁻⁶ kg/(m·s).
struct PumpMedium {
    Real flow = 0;
    Real density = 0;
    Real viscosity = 0;
};

// The conversion of a liquid's flow, density and viscosity to internal units, the same the main
// form's calculation uses. nullopt after the conversion's own message.
class PumpMediumConversion {
  public:
    virtual ~PumpMediumConversion() = default;
    virtual std::optional<PumpMedium> convert(const PumpMediumEntries& entries, model::Messenger& messenger) const = 0;
};

// The pump quick design (TPSchnellAuslegung): entries of the medium and of the two sides, the
// calculation with its refusals in order, the report of the output window, the design file and
// the values taken over from the pipe, zeta, roughness and vapour-pressure data dialogs.
class PumpDesignPresenter : public ToolPresenter, public pipedata::TakeOverTarget {
  public:
    enum Field {
        MediumName = 1, FlowQuantity, Flow, FlowUnit, Density, DensityUnit, ViscosityQuantity, Viscosity,
        ViscosityUnit, Temperature, TemperatureUnit, Vapour, VapourUnit, Roughness, RoughnessUnit, PumpName,
        // Labels and buttons.
        MediumPanel, MediumLabel, DensityLabel, TemperatureLabel, VapourLabel, PipelinePanel, RoughnessLabel,
        PumpLabel, SuctionPage, DischargePage, FurtherTitle, CountHeader, NameHeader, ZetaHeader, LossHeader,
        PipeButton, ZetaButton, RoughnessButton, VapourButton, UseMain, Calculate, Information, Clear, SaveAs,
        Save, Open, Close,
        Page,     // choice: the page in front, 0 suction, 1 discharge
        Picture,  // output: the schematic picture's resource name
        WindowTitle,
        SideBase = 100
    };
    // The entries of one side, at sideField(side, entry).
    enum SideEntry {
        TankPressure, TankUnit, Height, HeightUnit, Diameter, DiameterUnit, Length, LengthUnit,
        FittingCount0,  // six counts, in the order of PumpFitting
        FurtherCount0 = FittingCount0 + kPumpFittingCount,
        FurtherName0 = FurtherCount0 + kPumpFurtherCount,
        FurtherZeta0 = FurtherName0 + kPumpFurtherCount,
        FurtherLoss0 = FurtherZeta0 + kPumpFurtherCount,
        TankLabel = FurtherLoss0 + kPumpFurtherCount, HeightLabel, HeightHint, DiameterLabel, LengthLabel,
        FittingLabel0,
        FurtherLossUnitLabel = FittingLabel0 + kPumpFittingCount,  // "in bar" beside the loss entries
        SideEntryCount
    };
    static constexpr int sideField(PumpSide side, int entry) {
        return SideBase + (side == PumpSide::Suction ? 0 : 100) + entry;
    }
    static constexpr int fittingField(PumpSide side, PumpFitting fitting) {
        return sideField(side, FittingCount0 + static_cast<int>(fitting));
    }
    static constexpr int furtherField(PumpSide side, int base, int element) {  // element 0 … 2
        return sideField(side, base + element);
    }

    PumpDesignPresenter(const lang::TextCatalogue& texts, const PumpMediumConversion& conversion);

    // At program start: every entry as at creation, the suction diameter preset with the main
    // form's first element parameter.
    void created(const std::string& firstParameter);
    // Each time the window opens: captions, the loss-unit labels, the title.
    void shown();
    void edited(int field);
    void chosen(int field);

    // "Verwende Daten von Hauptfenster": the main form's medium; the main form is only read.
    void useMainForm(const PumpMediumEntries& medium);
    // "Felder leeren": every entry empty, counts "0", the file let go, the plain title.
    void clear();
    // "Information": the nine paragraphs.
    model::UserMessage informationMessage() const;

    // "Berechnung": true when the output window is to be shown with report().
    bool calculate(model::Messenger& messenger);
    const PumpReport& report() const { return report_; }
    const PumpDesignResult& result() const { return result_; }  // after calculate, US-converted where set

    // The design file. Saving and opening report failures through the messenger and return false.
    std::string fileContent() const;
    // Interprets a file's text (its 70 lines); false after the message for a short file, the
    // entries read so far keeping their new values.
    bool readContent(const std::string& content, const std::string& fileName, model::Messenger& messenger);
    bool saveAs(const std::filesystem::path& path, model::Messenger& messenger,
                persist::FileOps& ops = persist::systemFileOps());
    // "Daten speichern": false without a file named in the title (the caller then asks for one).
    bool hasFileName() const { return !fileName_.empty(); }
    bool save(model::Messenger& messenger, persist::FileOps& ops = persist::systemFileOps());
    bool open(const std::filesystem::path& path, model::Messenger& messenger);
    // The window or the main window closes: the file is let go, the title keeps its name.
    void releaseFile() { held_.reset(); }
    bool holdsFile() const { return held_.has_value(); }
    const std::filesystem::path& filePath() const { return filePath_; }

    // The vapour-pressure database's transfer of the vapour pressure alone (bar) and its
    // temperature entry.
    void takeVapourPressure(const std::string& barText, const std::string& temperatureText);
    // What the data dialogs hand over while the window is open.
    bool takePipe(const pipedata::PipeValues& values) override;
    bool takeZeta(const pipedata::ZetaValues& values) override;
    bool takeRoughness(const pipedata::RoughnessValues& values) override;

    PumpSide pageInFront() const { return form_.index(Page) == 1 ? PumpSide::Discharge : PumpSide::Suction; }

    // The labels of the output and the copy text, from this window's captions.
    static std::string withoutLastCharacter(const std::string& label);

  private:
    using T = model::PumpDesignText;
    void fillSideChoices(PumpSide side);
    void showLossUnitLabel(PumpSide side);
    void setTitle();
    std::optional<Real> numberOf(int entry, int label, model::Messenger& messenger, bool emptyIsError = false,
                                 bool zeroIsError = false) const;
    std::optional<int> countOf(int entry, int label, model::Messenger& messenger) const;
    std::optional<Real> roughnessOf(model::Messenger& messenger);
    bool readSide(PumpSide side, const PumpMedium& medium, PumpSideInput& out,
                  model::Messenger& messenger);
    void buildReport(const PumpDesignResult& shown);
    std::vector<int> numberEntries() const;
    std::vector<int> allEntries() const;

    const PumpMediumConversion* conversion_;
    PumpDesignResult result_;
    PumpReport report_;
    std::optional<Real> roughness_;  // read once per calculation
    std::string fileName_;           // the name shown in the title
    std::filesystem::path filePath_;
    std::optional<persist::LockedFile> held_;
};

}  // namespace velmora::tools
