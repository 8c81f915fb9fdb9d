#include "engine/kind_rules.h"

#include <array>
#include <stdexcept>
#include <string>

#include "engine/bend_zeta.h"
#include "engine/checked_math.h"
#include "engine/friction_factor.h"
#include "engine/orifice_zeta.h"
#include "engine/screen_zeta.h"
#include "engine/section_change_zeta.h"
#include "engine/tee_zeta.h"
#include "engine/valve_zeta.h"

namespace velmora::engine {
namespace {

using model::ElementKind;

// Colebrook λ at diameter d (mm) with the element's Reynolds number and roughness, kept for the
// results table.
Real colebrook(ZetaContext& c, Real diameter) {
    c.frictionFactor = colebrookFrictionFactor(diameter, c.re(), c.in.roughness);
    return c.frictionFactor;
}

// Inlets: the laminar engine adds 30 / Re to the turbulent value.
Real inlet(const ZetaContext& c) {
    return inletZeta(c.in.kind.subgroup, c.variant, c.slot(2));
}
Real laminarInlet(ZetaContext& c) {
    return inlet(c) + checkedDivide(30.0L, c.re(), "inletZeta");
}
Real turbulentInlet(ZetaContext& c) {
    return inlet(c);
}

TeeGeometry tee(const ZetaContext& c) {
    return {c.slot(1), c.slot(2), c.slot(3), c.slot(4)};
}
Real branchRatio(const ZetaContext& c) {
    return checkedDivide(c.in.branchFlow, c.in.volumeFlow, "tee flow ratio");
}

Real turbulentDividingTee(ZetaContext& c) {
    c.zetaBranch = dividingTeeZeta(TeePath::Branch, tee(c), branchRatio(c));
    return dividingTeeZeta(TeePath::Passage, tee(c), branchRatio(c));
}
Real laminarDividingTee(ZetaContext& c) {
    const Real passage = dividingTeeZeta(TeePath::Passage, tee(c), branchRatio(c));
    const Real branch = dividingTeeZeta(TeePath::Branch, tee(c), branchRatio(c));
    c.zetaBranch = laminarDividingTeeZeta(TeePath::Branch, c.re(), branch, tee(c), branchRatio(c), c.notices);
    return laminarDividingTeeZeta(TeePath::Passage, c.re(), passage, tee(c), branchRatio(c), c.notices);
}
Real turbulentCombiningTee(ZetaContext& c) {
    c.zetaBranch = combiningTeeZeta(TeePath::Branch, tee(c), branchRatio(c));
    return combiningTeeZeta(TeePath::Passage, tee(c), branchRatio(c));
}
Real laminarCombiningTee(ZetaContext& c) {
    const Real passage = combiningTeeZeta(TeePath::Passage, tee(c), branchRatio(c));
    const Real branch = combiningTeeZeta(TeePath::Branch, tee(c), branchRatio(c));
    c.zetaBranch = laminarCombiningTeeZeta(TeePath::Branch, c.re(), branch, tee(c), branchRatio(c));
    return laminarCombiningTeeZeta(TeePath::Passage, c.re(), passage, tee(c), branchRatio(c));
}

Real noCoefficient(ZetaContext&) {
    return 0;
}

using enum LossVelocity;
using enum LossForm;

// One row per kind, in catalogue order. Straight sections (group 1) yield λ; every other routine
// yields ζ referred to the velocity of its engine's column.
const KindRules kRows[] = {
    // Group 1: straight pipes and ducts.
    {.kind = {1, 1},
     .section = Section::Circular,
     .laminar = [](ZetaContext& c) { return laminarCircularFactor(c.re()); },
     .turbulent = [](ZetaContext& c) { return colebrookFrictionFactor(c.slot(1), c.re(), c.in.roughness); },
     .loss = StraightPipe,
     .lengthSlot = 2,
     .showsRoughness = true,
     .frictionRow = FrictionRow::Always},
    {.kind = {1, 2},
     .section = Section::Rectangular,
     .laminar =
         [](ZetaContext& c) { return laminarRectangleFactor(c.slot(1), c.slot(2), c.re(), c.notices); },
     .turbulent = [](ZetaContext& c) { return colebrookFrictionFactor(c.dh(), c.re(), c.in.roughness); },
     .loss = StraightPipe,
     .lengthSlot = 3,
     .showsRoughness = true,
     .frictionRow = FrictionRow::Always},
    {.kind = {1, 3},
     .section = Section::Annulus,
     .laminar = [](ZetaContext& c) { return laminarAnnulusFactor(c.slot(2), c.slot(1), c.re(), c.notices); },
     .turbulent = [](ZetaContext& c) { return colebrookFrictionFactor(c.dh(), c.re(), c.in.roughness); },
     .loss = StraightPipe,
     .lengthSlot = 3,
     .showsRoughness = true,
     .frictionRow = FrictionRow::Always},
    {.kind = {1, 4},
     .section = Section::Rectangular,
     .laminar =
         [](ZetaContext& c) { return laminarRectangleFactor(c.slot(1), c.slot(2), c.re(), c.notices); },
     .turbulent = [](ZetaContext& c) { return colebrookFrictionFactor(c.dh(), c.re(), c.in.roughness); },
     .loss = StraightPipe,
     .lengthSlot = 3,
     .showsRoughness = true,
     .frictionRow = FrictionRow::Always},
    {.kind = {1, 5},
     .section = Section::Circular,
     .laminar = [](ZetaContext& c) { return laminarCircularFactor(c.re()); },
     .turbulent =
         [](ZetaContext& c) { return profiledPipeFrictionFactor(c.re(), c.slot(3), c.slot(2), c.slot(1)); },
     .loss = StraightPipe,
     .lengthSlot = 4,
     .frictionRow = FrictionRow::Always},
    {.kind = {1, 6},
     .section = Section::FreeSection,
     .laminar = [](ZetaContext& c) { return laminarCircularFactor(c.re()); },
     .turbulent = [](ZetaContext& c) { return colebrookFrictionFactor(c.dh(), c.re(), c.in.roughness); },
     .loss = StraightPipe,
     .lengthSlot = 3,
     .showsRoughness = true,
     .frictionRow = FrictionRow::Always},

    // Group 2: inlets.
    {.kind = {2, 1}, .readsVariant = true, .laminar = laminarInlet, .turbulent = turbulentInlet},
    {.kind = {2, 2}, .laminar = laminarInlet, .turbulent = turbulentInlet},
    {.kind = {2, 3}, .laminar = laminarInlet, .turbulent = turbulentInlet},
    {.kind = {2, 4}, .readsVariant = true, .laminar = laminarInlet, .turbulent = turbulentInlet},

    // Group 3: changes of section. Laminar coefficients refer to the outlet velocity.
    {.kind = {3, 1},
     .second = SecondSection::CircularOutlet,
     .laminar = [](ZetaContext& c) { return laminarExpansionZeta(c.slot(2), c.slot(1), c.re()); },
     .turbulent = [](ZetaContext& c) { return expansionZeta(c.slot(1), c.slot(2)); },
     .laminarVelocity = Second},
    {.kind = {3, 2},
     .second = SecondSection::CircularOutlet,
     .laminar = [](ZetaContext& c) { return laminarDiffuserZeta(c.re(), c.slot(3), c.slot(2), c.slot(1)); },
     .turbulent =
         [](ZetaContext& c) {
             return diffuserZeta(colebrook(c, c.slot(1)), c.slot(3), c.slot(2), c.slot(1));
         },
     .laminarVelocity = Second,
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},
    {.kind = {3, 3},
     .second = SecondSection::CircularOutlet,
     .regimeFromSecond = true,
     .laminar = [](ZetaContext& c) { return laminarContractionZeta(c.slot(2), c.slot(1), c.re2()); },
     .turbulent = [](ZetaContext& c) { return contractionZeta(c.slot(2), c.slot(1)); },
     .laminarVelocity = Second},
    {.kind = {3, 4},
     .second = SecondSection::CircularOutlet,
     .regimeFromSecond = true,
     .laminar = [](ZetaContext& c) { return laminarConfuserZeta(c.re2(), c.slot(3), c.slot(2), c.slot(1)); },
     .turbulent =
         [](ZetaContext& c) {
             return confuserZeta(colebrook(c, c.slot(1)), c.slot(3), c.slot(2), c.slot(1));
         },
     .laminarVelocity = Second,
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},

    // Group 4: bends.
    {.kind = {4, 1},
     .laminar = [](ZetaContext& c) { return laminarBendZeta(c.re(), c.slot(3), c.slot(2), c.slot(1)); },
     .turbulent =
         [](ZetaContext& c) {
             return bendZeta(colebrook(c, c.slot(1)), c.in.roughness, c.slot(3), c.slot(2), c.slot(1), c.re(),
                             c.notices);
         },
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},
    {.kind = {4, 2},
     .laminar = [](ZetaContext& c) { return bendAngleTableZeta(c.slot(2), c.notices); },
     .laminarNotice = true},
    {.kind = {4, 3},
     .laminar = [](ZetaContext& c) { return bendSizeTableZeta(c.slot(1), c.notices); },
     .laminarNotice = true},
    {.kind = {4, 4},
     .section = Section::Rectangular,
     .laminar = [](ZetaContext& c) { return laminarBendZeta(c.re(), c.slot(4), c.slot(3), c.dh()); },
     .turbulent =
         [](ZetaContext& c) {
             return rectangularBendZeta(colebrook(c, c.dh()), c.in.roughness, c.dh(), c.slot(4), c.slot(3),
                                        c.slot(2), c.slot(1), c.re(), c.notices);
         },
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},
    {.kind = {4, 5},
     .laminar =
         [](ZetaContext& c) { return laminarMitreBendZeta(c.re(), c.slot(1), c.slot(2), c.in.roughness); },
     .turbulent =
         [](ZetaContext& c) {
             colebrook(c, c.slot(1));  // shown beside the coefficient only
             return mitreBendZeta(c.re(), c.in.roughness, c.slot(1), c.slot(2));
         },
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},
    {.kind = {4, 6},
     .section = Section::Rectangular,
     .laminar =
         [](ZetaContext& c) { return laminarMitreBendZeta(c.re(), c.dh(), c.slot(3), c.in.roughness); },
     .turbulent =
         [](ZetaContext& c) {
             colebrook(c, c.dh());  // shown beside the coefficient only
             return mitreBendZeta(c.re(), c.in.roughness, c.dh(), c.slot(3));
         },
     .showsRoughness = true,
     .frictionRow = FrictionRow::TurbulentOnly},

    // Group 5: tees and branches.
    {.kind = {5, 1},
     .second = SecondSection::CircularHalfFlow,
     .laminar = [](ZetaContext& c) { return splitTeeZeta(c.slot(1), c.slot(2)); },
     .laminarNotice = true},
    {.kind = {5, 2}, .laminar = [](ZetaContext&) { return 5.0L; }, .laminarNotice = true},
    {.kind = {5, 3}, .laminar = [](ZetaContext&) { return 0.7L; }, .laminarNotice = true},
    {.kind = {5, 4}, .laminar = [](ZetaContext&) { return 0.9L; }, .laminarNotice = true},
    {.kind = {5, 5},
     .second = SecondSection::CircularBranch,
     .laminar = laminarDividingTee,
     .turbulent = turbulentDividingTee,
     .loss = Tee},
    {.kind = {5, 6},
     .second = SecondSection::CircularBranch,
     .laminar = laminarCombiningTee,
     .turbulent = turbulentCombiningTee,
     .loss = Tee},
    {.kind = {5, 7},
     .laminar = [](ZetaContext& c) { return teeAngleTableZeta(c.slot(2), c.notices); },
     .laminarNotice = true},
    {.kind = {5, 8},
     .laminar = [](ZetaContext& c) { return teeRadiusTableZeta(c.slot(2), c.slot(1), c.notices); },
     .laminarNotice = true},

    // Group 6: expansion joints.
    {.kind = {6, 1}, .laminar = [](ZetaContext& c) { return bellowsZeta(c.slot(2)); }, .laminarNotice = true},
    {.kind = {6, 2},
     .readsVariant = true,
     .laminar = [](ZetaContext& c) { return lyreBendZeta(c.variant); },
     .laminarNotice = true},
    {.kind = {6, 3},
     .laminar = [](ZetaContext& c) { return lengthRatioTableZeta(c.slot(2), c.slot(1), c.notices); },
     .laminarNotice = true},

    // Group 7: valves.
    {.kind = {7, 1},
     .laminar =
         [](ZetaContext& c) {
             return twoKZeta(c.re(), c.slot(1), {1500, 4});
         }},
    {.kind = {7, 2},
     .laminar =
         [](ZetaContext& c) {
             return twoKZeta(c.re(), c.slot(1), {1000, 2});
         }},
    {.kind = {7, 3},
     .laminar = [](ZetaContext& c) { return sizeFrictionZeta(c.slot(1), 150); },
     .laminarNotice = true},
    {.kind = {7, 4},
     .laminar = [](ZetaContext& c) { return gateOpeningZeta(c.slot(2), c.slot(1), c.notices); },
     .laminarNotice = true},
    {.kind = {7, 5},
     .laminar = [](ZetaContext& c) { return cockAngleZeta(c.slot(2), c.notices); },
     .laminarNotice = true},
    {.kind = {7, 6},
     .laminar = [](ZetaContext& c) { return flapAngleZeta(c.slot(2), c.notices); },
     .laminarNotice = true},

    // Group 8: check valves.
    {.kind = {8, 1},
     .laminar =
         [](ZetaContext& c) {
             return twoKZeta(c.re(), c.slot(1), {2000, 10});
         }},
    {.kind = {8, 2},
     .laminar = [](ZetaContext& c) { return sizeFrictionZeta(c.slot(1), 55); },
     .laminarNotice = true},
    {.kind = {8, 3},
     .laminar =
         [](ZetaContext& c) {
             return twoKZeta(c.re(), c.slot(1), {1500, 1.5L});
         }},

    // Group 9: orifices, nozzles and venturis.
    {.kind = {9, 1},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return orificePlateZeta(c.re(), c.slot(2), c.slot(1)); },
     .laminarNotice = true,
     .rangeCheck = ReynoldsRangeCheck::OrificePlate},
    {.kind = {9, 2},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return sharpOrificeZeta(c.slot(2), c.slot(1)); },
     .laminarNotice = true,
     .rangeCheck = ReynoldsRangeCheck::SharpOrifice},
    {.kind = {9, 3},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return roundedOrificeZeta(c.slot(3), c.slot(2), c.slot(1)); },
     .laminarNotice = true,
     .rangeCheck = ReynoldsRangeCheck::RoundedOrifice},
    {.kind = {9, 4},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return thickOrificeZeta(c.re2(), c.slot(3), c.slot(2), c.slot(1)); },
     .rangeCheck = ReynoldsRangeCheck::ThickOrifice},
    {.kind = {9, 5},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return isaNozzleZeta(c.re(), c.slot(2), c.slot(1)); },
     .laminarNotice = true},
    {.kind = {9, 6},
     .second = SecondSection::OrificeBore,
     .laminar = [](ZetaContext& c) { return longRadiusNozzleZeta(c.re(), c.slot(2), c.slot(1)); },
     .laminarNotice = true},
    {.kind = {9, 7},
     .second = SecondSection::OrificeBore,
     .readsVariant = true,
     .laminar = [](ZetaContext& c) { return venturiZeta(c.variant == 0, c.slot(2), c.slot(1), c.notices); },
     .laminarNotice = true},

    // Group 10: perforated plates.
    {.kind = {10, 1},
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 2,
     .laminar = [](ZetaContext& c) { return laminarPerforatedPlateZeta(c.re(), c.freeArea(2)); },
     .turbulent = [](ZetaContext& c) { return perforatedPlateZeta(c.freeArea(2)); }},
    {.kind = {10, 2},
     .section = Section::Rectangular,
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 3,
     .laminar = [](ZetaContext& c) { return laminarPerforatedPlateZeta(c.re(), c.freeArea(3)); },
     .turbulent = [](ZetaContext& c) { return perforatedPlateZeta(c.freeArea(3)); }},
    {.kind = {10, 3},
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 4,
     .laminar =
         [](ZetaContext& c) {
             return thickPerforatedPlateZeta(c.re(), c.freeArea(4), c.slot(3), c.slot(2));
         }},
    {.kind = {10, 4},
     .section = Section::Rectangular,
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 5,
     .laminar =
         [](ZetaContext& c) {
             return thickPerforatedPlateZeta(c.re(), c.freeArea(5), c.slot(4), c.slot(3));
         }},

    // Group 11: screens, grilles and strainers.
    {.kind = {11, 1},
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 2,
     .laminar = [](ZetaContext& c) { return laminarPerforatedPlateZeta(c.re(), c.freeArea(2)); },
     .turbulent = [](ZetaContext& c) { return perforatedPlateZeta(c.freeArea(2)); }},
    {.kind = {11, 2},
     .section = Section::Rectangular,
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 3,
     .laminar = [](ZetaContext& c) { return laminarPerforatedPlateZeta(c.re(), c.freeArea(3)); },
     .turbulent = [](ZetaContext& c) { return perforatedPlateZeta(c.freeArea(3)); }},
    {.kind = {11, 3},
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 2,
     .laminar = [](ZetaContext& c) { return laminarScreenZeta(c.re(), c.freeArea(2)); },
     .turbulent = [](ZetaContext& c) { return screenZeta(c.freeArea(2)); }},
    {.kind = {11, 4},
     .section = Section::Rectangular,
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 3,
     .laminar = [](ZetaContext& c) { return laminarScreenZeta(c.re(), c.freeArea(3)); },
     .turbulent = [](ZetaContext& c) { return screenZeta(c.freeArea(3)); }},
    {.kind = {11, 5},
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 2,
     .laminar = [](ZetaContext& c) { return grilleZeta(c.freeArea(2)); },
     .laminarNotice = true},
    {.kind = {11, 6},
     .section = Section::Rectangular,
     .second = SecondSection::FreeArea,
     .freeAreaSlot = 3,
     .laminar = [](ZetaContext& c) { return grilleZeta(c.freeArea(3)); },
     .laminarNotice = true},
    {.kind = {11, 7},
     .laminar = [](ZetaContext& c) { return diameterTableZeta(c.slot(1)); },
     .laminarNotice = true},
    {.kind = {11, 8}, .laminar = [](ZetaContext&) { return 1.7L; }, .laminarNotice = true},
    {.kind = {11, 9}, .laminar = [](ZetaContext&) { return 4.0L; }, .laminarNotice = true},

    // Group 12: known coefficient.
    {.kind = {12, 1}, .laminar = [](ZetaContext& c) { return c.slot(2); }},
    {.kind = {12, 2}, .section = Section::Rectangular, .laminar = [](ZetaContext& c) { return c.slot(3); }},

    // Group 13: reversible changes (height, velocity).
    {.kind = {13, 1}, .section = Section::None, .laminar = noCoefficient, .loss = HeightDifference},
    {.kind = {13, 2},
     .second = SecondSection::CircularOutlet,
     .laminar = noCoefficient,
     .loss = VelocityChange},
    {.kind = {13, 3},
     .section = Section::Rectangular,
     .second = SecondSection::RectangularOutlet,
     .laminar = noCoefficient,
     .loss = VelocityChange},
};

// kRows indexed by ElementKind::index().
const std::array<const KindRules*, model::kElementKindTableSize> kByIndex = [] {
    std::array<const KindRules*, model::kElementKindTableSize> table{};
    for (const KindRules& row : kRows) table[static_cast<std::size_t>(row.kind.index())] = &row;
    return table;
}();

}  // namespace

const KindRules& kindRules(ElementKind kind) {
    if (!model::isKnownKind(kind)) {
        throw std::invalid_argument("unknown element kind " + std::to_string(kind.group) + "/" +
                                    std::to_string(kind.subgroup));
    }
    return *kByIndex[static_cast<std::size_t>(kind.index())];
}

ResultRows resultRows(ElementKind kind, FlowRegime regime) {
    const KindRules& rules = kindRules(kind);
    const bool turbulent = regime == FlowRegime::Turbulent;
    ResultRows rows;
    if (rules.section == Section::None) {
        // A height difference has no flow section: no velocity, Reynolds number, regime or coefficient.
        rows.velocity = rows.reynolds = rows.regime = rows.zeta = false;
        return rows;
    }
    rows.velocity2 = rules.second != SecondSection::None;
    rows.reynolds2 = rows.velocity2 && rules.second != SecondSection::FreeArea;
    rows.roughness = rules.showsRoughness && turbulent;
    rows.frictionFactor = rules.frictionRow == FrictionRow::Always ||
                          (rules.frictionRow == FrictionRow::TurbulentOnly && turbulent);
    rows.branch = rules.loss == LossForm::Tee;
    return rows;
}

}  // namespace velmora::engine
