#pragma once

#include "engine/element_result.h"
#include "engine/notice.h"
#include "model/calc_inputs.h"
#include "model/element_kind.h"

// What each of the 65 element kinds does in the engines: its sections, which coefficient routine
// each engine calls, which velocity the loss refers to, which notices go with it and which result
// rows it fills. One row per kind; the engines switch on the fields of the row.
namespace velmora::engine {

using model::Real;

// Shape of the first (inlet) section.
enum class Section {
    None,         // no flow section: height difference
    Circular,     // diameter va1
    Rectangular,  // sides va1 × va2, hydraulic diameter 2BH / (B + H)
    Annulus,      // outer diameter va1, inner diameter va2, hydraulic diameter D − Di
    FreeSection,  // area va1 (m²), wetted perimeter va2 (m), hydraulic diameter 4A / U
};

// The second velocity and Reynolds number of a kind.
enum class SecondSection {
    None,
    CircularOutlet,     // circular va2 with the full flow (changes of section, velocity change)
    CircularHalfFlow,   // circular va2 with half the flow (tee splitting the flow in two)
    CircularBranch,     // circular va2 with the branch flow (tees with a branch)
    OrificeBore,        // circular va2 with the full flow; Re₂ = Re · va1 / va2
    FreeArea,           // velocity / (free-area % in `freeAreaSlot`) · 100; no Re₂
    RectangularOutlet,  // rectangular va3 × va4; the outlet's hydraulic diameter replaces the inlet's
};

// How the pressure loss follows from the coefficient.
enum class LossForm {
    Fitting,           // ζ ρ w² / 2
    StraightPipe,      // the routine yields λ; ζ = λ L / d, loss by Darcy–Weisbach
    Tee,               // passage and branch, both with the main-pipe velocity
    HeightDifference,  // ρ g h, h = va1 in m
    VelocityChange,    // ρ (w₂² − w₁²) / 2
};

enum class LossVelocity { First, Second };

// Reynolds-number ranges of the orifice correlations, checked in turbulent flow.
enum class ReynoldsRangeCheck { None, OrificePlate, SharpOrifice, RoundedOrifice, ThickOrifice };

enum class FrictionRow { Hidden, Always, TurbulentOnly };

// What a coefficient routine of the table sees and may set besides its returned ζ (or λ).
struct ZetaContext {
    const model::CalcInputs& in;
    const ElementResult& flow;  // velocities and Reynolds numbers from the flow preparation
    int variant;                // 0 = first option of the two-option kinds
    Notices* notices;           // nullptr when no notice is to be reported
    Real frictionFactor = 0;    // λ where the kind computes one
    Real zetaBranch = 0;        // tees with a branch

    Real re() const { return flow.reynolds; }
    Real re2() const { return flow.reynolds2; }
    Real slot(int n) const { return in.slot(n); }
    Real freeArea(int n) const { return in.slot(n) / 100.0L; }  // % entry as a ratio
    Real dh() const { return flow.hydraulicDiameter; }
};

using ZetaRoutine = Real (*)(ZetaContext&);

struct KindRules {
    model::ElementKind kind;
    Section section = Section::Circular;
    SecondSection second = SecondSection::None;
    int freeAreaSlot = 0;           // SecondSection::FreeArea
    bool regimeFromSecond = false;  // the contractions choose the engine by Re₂
    bool readsVariant = false;      // has the two-option choice
    ZetaRoutine laminar = nullptr;
    ZetaRoutine turbulent = nullptr;  // nullptr: the laminar routine serves both engines
    LossVelocity laminarVelocity = LossVelocity::First;
    LossVelocity turbulentVelocity = LossVelocity::First;
    bool laminarNotice = false;  // laminar engine uses a turbulent value unchanged or extrapolated
    ReynoldsRangeCheck rangeCheck = ReynoldsRangeCheck::None;
    LossForm loss = LossForm::Fitting;
    int lengthSlot = 0;           // StraightPipe: the slot holding the length in m
    bool showsRoughness = false;  // in turbulent flow
    FrictionRow frictionRow = FrictionRow::Hidden;
};

// The row of a kind; std::invalid_argument for a pair that is not one of the 65 kinds.
const KindRules& kindRules(model::ElementKind kind);

// Which result rows a column of the kind fills after a calculation in the given regime.
struct ResultRows {
    bool velocity = true;
    bool reynolds = true;
    bool velocity2 = false;
    bool reynolds2 = false;
    bool regime = true;
    bool roughness = false;
    bool frictionFactor = false;
    bool zeta = true;     // the cell stays empty when ζ is 0
    bool branch = false;  // branch coefficient and branch loss of the tees
};

ResultRows resultRows(model::ElementKind kind, FlowRegime regime);

}  // namespace velmora::engine
