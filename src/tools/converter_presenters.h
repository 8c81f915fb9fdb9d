#pragma once

#include <optional>
#include <string>

#include "tools/tool_presenter.h"

namespace velmora::tools {

// The texts of the small converters' blocks ("Tkv_in_Zeta_Dlg", "TCv_in_ZetaDlg",
// "TFoerderhoehe_Dlg", "Tgeschw_v", "Tv_geschw"): title, the two entry labels, the result label.
enum class ConverterText { Title, FirstLabel, SecondLabel, ResultLabel, Count };

// The fields every converter has: two entries with units, one or two result lines.
enum ConverterField {
    First, FirstUnit, FirstLabel,
    Second, SecondUnit, SecondLabel,
    Result, Result2, ResultLabel,
    Calculate, TakeOver, Close
};

// A text and the unit label chosen beside it, as the main form holds them.
struct EntryWithUnit {
    std::string text;
    std::string unit;
};

// ζ of a fitting of known flow coefficient: kv in m³/h (Tkv_in_Zeta_Dlg) or Cv in US gal/min
// (TCv_in_ZetaDlg, kv = 0.86 Cv), in a pipe of inner diameter d: ζ = 0.0016 · d[mm]⁴ / kv².
class KvZetaPresenter : public ToolPresenter {
  public:
    enum class Coefficient { Kv, Cv };

    KvZetaPresenter(const lang::TextCatalogue& texts, Coefficient coefficient);

    // Opening: the diameter from the main form's first parameter (its unit when that is mm or in.).
    void shown(const EntryWithUnit& firstParameter);
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);

    // What "Daten übernehmen" writes into the main form (kind 12/1): nothing while no ζ is shown.
    struct Transfer {
        EntryWithUnit diameter;
        std::string zeta;
    };
    std::optional<Transfer> takeOver() const;

    static Real zeta(Real kv, Real diameterMm);

  private:
    Coefficient coefficient_;
};

// Pressure loss to head (TFoerderhoehe_Dlg): H = Δp / (ρ g).
class HeadPresenter : public ToolPresenter {
  public:
    explicit HeadPresenter(const lang::TextCatalogue& texts);

    // Opening: the results table's total loss (bar, or psi with the US unit system) and the main
    // form's density; computed at once when the density is a number.
    void shown(Real totalLossBar, const std::string& density, int densityUnit, model::Messenger& messenger);
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);
};

// Velocity to volume flow (Tgeschw_v) in a circular pipe.
class VelocityToFlowPresenter : public ToolPresenter {
  public:
    explicit VelocityToFlowPresenter(const lang::TextCatalogue& texts);

    // Opening: the velocity unit of the unit system, the main form's first parameter as diameter,
    // the mean velocity of the last calculation (m/s), if any, computed at once.
    void shown(const EntryWithUnit& firstParameter, std::optional<Real> lastVelocity, model::Messenger& messenger);
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);
    // The flow in m³/h as shown, for the main form's flow entry; nothing while none is shown.
    std::optional<std::string> takeOver() const;

  private:
    std::string flowText_;
};

// Volume flow to velocity (Tv_geschw) in a circular pipe.
class FlowToVelocityPresenter : public ToolPresenter {
  public:
    explicit FlowToVelocityPresenter(const lang::TextCatalogue& texts);

    // Opening: the main form's flow (empty in m³/h for a mass or norm flow) and first parameter.
    void shown(bool massFlow, const EntryWithUnit& flow, const EntryWithUnit& firstParameter,
               model::Messenger& messenger);
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);
};

}  // namespace velmora::tools
