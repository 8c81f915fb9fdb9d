#pragma once

#include <string>

#include "tools/orifice_sizing.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

// The texts of the block "TDrosselblendeDlg".
enum class OrificeText {
    Title,
    Note,  // "(Die Daten sind aus dem Hauptfenster übernommen.)"
    MediumTitle,
    MediumLabel,
    KindTitle,
    SharpOrifice,
    RoundedOrifice,
    PerforatedPlate,
    PipeDiameterLabel,
    PressureLossLabel,
    ResultText,  // before the bore diameter
    NoBore,
    NoBoreCaption,
    Printscreen,
    RestrictionTitle,
    Count
};

// The medium of the main form as the dialog takes it when it opens.
struct OrificeMedium {
    std::string name;
    bool massFlow = false;
    std::string flow;
    std::string flowUnit;  // label
    std::string density;
    int densityUnit = 0;  // position in the density list
    bool kinematic = false;
    std::string viscosity;
    int viscosityUnit = 0;  // position in the dynamic or kinematic list
};

// Orifice sizing (TDrosselblendeDlg): the bore of a sharp-edged or rounded orifice or of a
// perforated plate that gives a wanted pressure loss.
class OrificePresenter : public ToolPresenter {
  public:
    enum Field {
        MediumName, MediumLabel, MediumTitle, Note,
        FlowQuantity, Flow, FlowUnit,
        Density, DensityUnit, DensityLabel,
        ViscosityQuantity, Viscosity, ViscosityUnit,
        Kind, KindTitle, RestrictionTitle,
        PipeDiameter, PipeDiameterUnit, PipeDiameterLabel,
        Second, SecondUnit, SecondLabel,
        PressureLoss, PressureLossUnit, PressureLossLabel,
        Calculate, Printscreen, Close,
        Result,
        Picture
    };

    explicit OrificePresenter(const lang::TextCatalogue& texts);

    void shown(const OrificeMedium& medium);
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);

    // The last computation (after calculate), for the command line.
    const OrificeSizing& sizing() const { return sizing_; }

  private:
    RestrictionKind kind() const { return static_cast<RestrictionKind>(form_.index(Kind)); }
    void showKind();
    std::optional<Real> read(int entry, int label, model::Messenger& messenger, bool zeroAllowed) const;

    OrificeSizing sizing_;
};

}  // namespace velmora::tools
