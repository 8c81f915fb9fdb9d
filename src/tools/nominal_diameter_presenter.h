#pragma once

#include <string>
#include <vector>

#include "tools/economic_diameter.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

// The texts of the blocks "TNennw_Fl_Dlg" (liquids) and "TNennw_Ga_Dlg" (gases), by position.
enum class NominalDiameterText {
    Title,
    FlowLabel,      // "Volumenstrom:"
    MetricListing,  // check box "Wertausgabe metrisch"
    Heading,        // first line of the listing
    FirstTable,     // heading of the first table, before " (" and the word
    FirstTableWord, // the word inside the first heading's brackets
    SecondTable,    // heading of the second table, before its bracket
    EconomicLine,   // "Wirtschaftlicher Innendurchmesser"
    SizeLine,       // "Nennweite"
    UsWord,         // the word of the US size line ("in Zoll")
    Count
};

// The main form's flow as the dialog takes it when it opens.
struct MainFormFlow {
    bool massFlow = false;
    std::string text;       // the flow entry as typed
    std::string unitLabel;  // the flow unit chosen
};

// The economic pipe size for a liquid (TNennw_Fl_Dlg) or a gas flow (TNennw_Ga_Dlg): the economic
// inner diameters of the medium's two tables and the standard sizes around each, with velocities.
class NominalDiameterPresenter : public ToolPresenter {
  public:
    enum Field { Flow, FlowUnit, FlowLabel, Metric, Listing, Calculate, Close };

    NominalDiameterPresenter(const lang::TextCatalogue& texts, EconomicMedium medium);

    EconomicMedium medium() const { return medium_; }
    // Opening: captions, an empty listing, the main form's flow; a flow that is a number is
    // listed at once.
    void shown(const MainFormFlow& flow, model::Messenger& messenger);
    void edited(int field);
    void chosen(int field, model::Messenger& messenger);
    // "Berechnen": the listing, or the message for a flow that is not a number.
    void calculate(model::Messenger& messenger);

    // The flow units of the dialog: the volume-flow units without the norm units.
    static std::vector<std::string> flowUnits();

  private:
    // The check box "metric listing" not ticked: sizes in inches, velocities in ft/s.
    bool usListing() const { return form_.index(Metric) == 0; }
    std::vector<std::string> tableBlock(const EconomicDiameterTable& table, Real flow) const;
    std::string heading(int which) const;
    std::string sizeText(int size) const;  // "DN 40" or "1.50 in."

    EconomicMedium medium_;
};

}  // namespace velmora::tools
