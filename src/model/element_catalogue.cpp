#include "model/element_catalogue.h"

#include <stdexcept>
#include <string>

namespace velmora::model {

namespace {

using G = GlobalText;

// ---- slots ----------------------------------------------------------------------------------

SlotDescription small(G word, std::string_view suffix, std::string_view defaultText = kKeepText) {
    return {.labelWord = word, .suffix = suffix, .unit = SlotUnit::SmallLength, .defaultText = defaultText};
}
SlotDescription longLength(G word, std::string_view suffix, std::string_view defaultText) {
    return {.labelWord = word, .suffix = suffix, .unit = SlotUnit::LongLength, .defaultText = defaultText};
}
SlotDescription angle(G word, std::string_view defaultText) {
    return {.labelWord = word, .suffix = " w:", .unit = SlotUnit::Degree, .defaultText = defaultText};
}

SlotDescription diameter() {
    return small(G::LabelDiameter, " D:");
}
SlotDescription width() {
    return small(G::LabelWidth, " B:");
}
SlotDescription height() {
    return small(G::LabelHeight, " H:");
}
SlotDescription pipeLength() {
    return longLength(G::LabelPipeLength, " L:", "1,0");
}
SlotDescription freeArea() {
    return {
        .labelWord = G::LabelFreeAreaRatio, .suffix = ":", .unit = SlotUnit::Percent, .defaultText = "40"};
}
SlotDescription givenZeta() {
    return {.labelWord = G::LabelResistanceCoefficient,
            .suffix = ":",
            .unit = SlotUnit::None,
            .defaultText = "2"};
}
SlotDescription pipeDiameter() {
    return small(G::LabelPipeDiameter, " D1:");
}
SlotDescription boreDiameter() {
    return small(G::LabelBoreDiameter, " D2:", "50");
}
SlotDescription inletDiameter() {
    return small(G::LabelInletDiameter, " D1:");
}
SlotDescription outletDiameter(std::string_view defaultText) {
    return small(G::LabelOutletDiameter, " D2:", defaultText);
}

// ---- checks ---------------------------------------------------------------------------------

SlotCheck positive(int slot) {
    return {.kind = CheckKind::Positive, .slot = slot};
}
SlotCheck nonNegative(int slot) {
    return {.kind = CheckKind::NonNegative, .slot = slot};
}
SlotCheck below(int slot, Real bound) {
    return {.kind = CheckKind::Below, .slot = slot, .bound = bound};
}
SlotCheck atLeast(int slot, Real bound) {
    return {.kind = CheckKind::AtLeast, .slot = slot, .bound = bound};
}
SlotCheck atMost(int slot, Real bound) {
    return {.kind = CheckKind::AtMost, .slot = slot, .bound = bound};
}

SlotCheck relation(int focusSlot, bool (*refuses)(const SlotValues&), std::vector<G> texts) {
    return {.kind = CheckKind::Relation, .slot = focusSlot, .refuses = refuses, .texts = std::move(texts)};
}

// x > 0 for slots 1 … n, then the further checks.
std::vector<SlotCheck> positives(int n, std::vector<SlotCheck> more = {}) {
    std::vector<SlotCheck> checks;
    for (int slot = 1; slot <= n; ++slot) checks.push_back(positive(slot));
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

bool within(Real x, Real low, Real high) {
    return low <= x && x <= high;
}

// Relations of the kinds; v[0] is va1. A ratio with a zero divisor is infinite or not a number and
// so lies outside every range: the slot's own positivity check has already named the cause.
bool annulusOuterBelowInner(const SlotValues& v) {
    return v[0] < v[1];
}
bool annulusTooNarrow(const SlotValues& v) {
    return v[0] > 0 && v[1] > 0 && v[0] / v[1] > 100;
}
bool annulusDiametersEqual(const SlotValues& v) {
    return v[0] == v[1];
}
bool corrugationDepthToPitchOutside(const SlotValues& v) {
    return !within(v[1] / v[2], 0.2L, 1.2L);
}
bool corrugationDepthToDiameterOutside(const SlotValues& v) {
    return !within(v[1] / v[0], 0.0455L, 1);
}
// The pipe length is in m, the corrugation pitch in mm.
bool shorterThanOnePitch(const SlotValues& v) {
    return v[3] < v[2] / 1000;
}
bool notExpanding(const SlotValues& v) {
    return !(v[0] < v[1]);
}
bool notContracting(const SlotValues& v) {
    return !(v[1] < v[0]);
}
bool bendRadiusBelowDiameter(const SlotValues& v) {
    return v[0] > 0 && v[1] > 0 && v[1] / v[0] < 1;
}
bool castIronSizeOutside(const SlotValues& v) {
    return !within(v[0], 50, 500);
}
bool rectangularBendRadiusBelowWidth(const SlotValues& v) {
    return v[0] > 0 && v[1] > 0 && v[2] > 0 && v[2] / v[0] < 1;
}
bool trouserRadiusOutside(const SlotValues& v) {
    return v[0] > 0 && v[1] > 0 && (v[1] / v[0] < 0.5L || v[1] / v[0] > 2);
}
bool uBendTooLong(const SlotValues& v) {
    return v[0] > 0 && v[1] / v[0] > 10;
}
bool gateOpenedFully(const SlotValues& v) {
    return v[1] >= v[0];
}
bool boreNotSmaller(const SlotValues& v) {
    return !(v[1] < v[0]);
}
bool standardOrificeOutside(const SlotValues& v) {
    return !(within(v[0], 50, 1000) && v[1] >= 12.5L && within(v[1] / v[0], 0.1L, 0.75L));
}
// The ratio limits carry a small allowance so that 0.3 and 0.8 typed as diameters pass.
bool isaNozzleOutside(const SlotValues& v) {
    return !(within(v[0], 50, 500) && within(v[1] / v[0], 0.299999L, 0.800001L));
}
bool longRadiusNozzleOutside(const SlotValues& v) {
    return !(within(v[0], 50, 630) && within(v[1] / v[0], 0.2L, 0.800001L));
}
bool venturiAreaRatioOutside(const SlotValues& v) {
    if (!(v[0] > 0 && v[1] > 0)) return false;
    const Real ratio = (v[1] / v[0]) * (v[1] / v[0]);
    return ratio < 0.1L || ratio > 0.6L;
}

std::vector<SlotCheck> freeAreaChecks(int freeAreaSlot) {
    return positives(freeAreaSlot - 1, {atLeast(freeAreaSlot, 1), below(freeAreaSlot, 99)});
}

const ChoiceDescription inletEdgeChoice{G::InletEdgeTitle,
                                        {{{"", G::InletEdgeSharp}, {"", G::InletEdgeChamfered}}}};
const ChoiceDescription lyreBendChoice{G::LyreBendTitle,
                                       {{{"", G::LyreBendSmooth}, {"", G::LyreBendCreased}}}};
const ChoiceDescription venturiChoice{G::VenturiDivergentTitle,
                                      {{{"15 ", G::DegreeWord}, {"30 ", G::DegreeWord}}}};

std::vector<KindDescription> buildRows() {
    std::vector<KindDescription> rows;
    auto add = [&rows](KindDescription row) { rows.push_back(std::move(row)); };

    // Group 1: straight pipes and ducts.
    add({.kind = {1, 1},
         .slots = {diameter(), pipeLength()},
         .roughness = true,
         .picture = 1601,
         .checks = positives(2)});
    add({.kind = {1, 2},
         .slots = {width(), height(), pipeLength()},
         .roughness = true,
         .picture = 1602,
         .checks = positives(3)});
    add({.kind = {1, 3},
         .slots = {small(G::LabelOuterDiameter, " D:"), small(G::LabelInnerDiameter, " Di:", "50"),
                   pipeLength()},
         .roughness = true,
         .picture = 1603,
         .checks = positives(3, {relation(1, annulusOuterBelowInner, {G::OuterDiameterNotAboveInner}),
                                 relation(1, annulusTooNarrow, {G::AnnulusDiameterRatioTooLarge}),
                                 relation(1, annulusDiametersEqual, {G::AnnulusDiametersEqual})})});
    add({.kind = {1, 4},
         .slots = {small(G::LabelChannelWidth, " B:", "1000"), small(G::LabelChannelHeight, " H:", "1000"),
                   longLength(G::LabelChannelLength, " L:", "1,0")},
         .roughness = true,
         .picture = 1604,
         .checks = positives(3)});
    add({.kind = {1, 5},
         .slots = {small(G::LabelInnerDiameter, " D:"), small(G::LabelCorrugationDepth, " t:", "5"),
                   small(G::LabelCorrugationPitch, " T:", "20"), pipeLength()},
         .picture = 1606,
         .checks =
             positives(4, {relation(2, corrugationDepthToPitchOutside, {G::CorrugationDepthPitchRange}),
                           relation(1, corrugationDepthToDiameterOutside, {G::CorrugationDepthDiameterRange}),
                           relation(4, shorterThanOnePitch, {G::PipeShorterThanPitch})})});
    add({.kind = {1, 6},
         .slots =
             {{.labelWord = G::LabelFlowArea, .suffix = " A:", .unit = SlotUnit::Area, .defaultText = "0,01"},
              longLength(G::LabelWettedPerimeter, ":", "0,4"),
              pipeLength()},
         .roughness = true,
         .picture = 1605,
         .checks = positives(3)});

    // Group 2: inlets.
    add({.kind = {2, 1},
         .slots = {diameter()},
         .choice = inletEdgeChoice,
         .picture = 1701,
         .checks = positives(1)});
    add({.kind = {2, 2}, .slots = {diameter()}, .picture = 1702, .checks = positives(1)});
    add({.kind = {2, 3},
         .slots = {diameter(), angle(G::LabelAngle, "45")},
         .picture = 1703,
         .checks = positives(2, {below(2, 90)})});
    add({.kind = {2, 4},
         .slots = {diameter()},
         .choice = inletEdgeChoice,
         .picture = 1704,
         .checks = positives(1)});

    // Group 3: changes of section.
    add({.kind = {3, 1},
         .slots = {inletDiameter(), outletDiameter("100")},
         .picture = 1801,
         .checks = positives(2, {relation(1, notExpanding, {G::ExpansionNeedsLargerOutlet})})});
    add({.kind = {3, 2},
         .slots = {inletDiameter(), outletDiameter("100"), angle(G::LabelAngle, "45")},
         .roughness = true,
         .picture = 1802,
         .checks = positives(
             2, {relation(1, notExpanding, {G::ExpansionNeedsLargerOutlet}), positive(3), below(3, 90)})});
    add({.kind = {3, 3},
         .slots = {inletDiameter(), outletDiameter("50")},
         .picture = 1803,
         .checks = positives(2, {relation(1, notContracting, {G::ContractionNeedsSmallerOutlet})})});
    // The angle of the confuser is not tested: any angle has a coefficient.
    add({.kind = {3, 4},
         .slots = {inletDiameter(), outletDiameter("50"), angle(G::LabelAngle, "10")},
         .roughness = true,
         .picture = 1804,
         .checks = positives(2, {relation(1, notContracting, {G::ContractionNeedsSmallerOutlet})})});

    // Group 4: bends. Their angle limits accept the limit itself.
    add({.kind = {4, 1},
         .slots = {diameter(), small(G::LabelBendRadius, " R:", "100"), angle(G::LabelBendAngle, "90")},
         .roughness = true,
         .picture = 2101,
         .checks = positives(3, {atMost(3, 180), atLeast(3, 15),
                                 relation(1, bendRadiusBelowDiameter, {G::BendRadiusBelowDiameter})})});
    add({.kind = {4, 2},
         .slots = {diameter(), angle(G::LabelBendAngle, "90")},
         .roughness = true,
         .picture = 2102,
         .checks = positives(2, {atMost(2, 90)})});
    add({.kind = {4, 3},
         .slots = {small(G::LabelNominalDiameter, " DN:")},
         .picture = 2103,
         .checks = positives(
             1, {relation(1, castIronSizeOutside,
                          {G::CastIronBendRange1, G::CastIronBendRange2, G::CastIronBendRange3})})});
    add({.kind = {4, 4},
         .slots = {width(), height(), small(G::LabelBendRadius, " R:", "100"),
                   angle(G::LabelBendAngle, "90")},
         .roughness = true,
         .picture = 2104,
         .checks = positives(
             4, {atMost(4, 180), relation(1, rectangularBendRadiusBelowWidth, {G::BendRadiusBelowWidth})})});
    add({.kind = {4, 5},
         .slots = {diameter(), angle(G::LabelDeflectionAngle, "45")},
         .roughness = true,
         .picture = 2105,
         .checks = positives(2, {atMost(2, 180)})});
    add({.kind = {4, 6},
         .slots = {width(), height(), angle(G::LabelDeflectionAngle, "45")},
         .roughness = true,
         .picture = 2106,
         .checks = positives(3, {atMost(3, 180)})});

    // Group 5: tees and branches.
    add({.kind = {5, 1},
         .slots = {small(G::LabelMainDiameter, " D1:"), small(G::LabelBranchDiameter, " D2:", "50")},
         .picture = 2201,
         .checks = positives(2)});
    add({.kind = {5, 2}, .slots = {diameter()}, .picture = 2202, .checks = positives(1)});
    add({.kind = {5, 3}, .slots = {diameter()}, .picture = 2203, .checks = positives(1)});
    add({.kind = {5, 4}, .slots = {diameter()}, .picture = 2204, .checks = positives(1)});
    const std::vector<SlotDescription> branchSlots = {
        small(G::LabelMainDiameter, " D1:"), small(G::LabelBranchDiameter, " D2:", "50"),
        small(G::LabelEdgeRadius, " R:", "0"), angle(G::LabelBranchAngle, "45")};
    const std::vector<SlotCheck> branchChecks = positives(2, {nonNegative(3), positive(4), below(4, 180)});
    add({.kind = {5, 5}, .slots = branchSlots, .branchFlow = true, .picture = 2205, .checks = branchChecks});
    add({.kind = {5, 6}, .slots = branchSlots, .branchFlow = true, .picture = 2206, .checks = branchChecks});
    add({.kind = {5, 7},
         .slots = {diameter(), angle(G::LabelAngle, "45")},
         .picture = 2207,
         .checks = positives(2, {atMost(2, 90)})});
    add({.kind = {5, 8},
         .slots = {diameter(), small(G::LabelBendRadius, " R:", "100")},
         .picture = 2208,
         .checks = positives(2, {relation(2, trouserRadiusOutside, {G::TrouserBendRadiusRange})})});

    // Group 6: expansion joints.
    add({.kind = {6, 1},
         .slots = {diameter(),
                   {.labelWord = G::LabelCorrugationCount,
                    .suffix = ":",
                    .unit = SlotUnit::Count,
                    .defaultText = "3"}},
         .picture = 2301,
         .checks = positives(2)});
    add({.kind = {6, 2},
         .slots = {diameter()},
         .choice = lyreBendChoice,
         .picture = 2302,
         .checks = positives(1)});
    add({.kind = {6, 3},
         .slots = {diameter(), small(G::LabelLength, " L:", "200")},
         .picture = 2303,
         .checks = positives(1, {relation(1, uBendTooLong, {G::UBendLengthRatio})})});

    // Group 7: valves.
    add({.kind = {7, 1}, .slots = {diameter()}, .picture = 2401, .checks = positives(1)});
    add({.kind = {7, 2}, .slots = {diameter()}, .picture = 2402, .checks = positives(1)});
    add({.kind = {7, 3}, .slots = {diameter()}, .picture = 2403, .checks = positives(1)});
    // An opening at or above the diameter is a fully open gate: told, but calculated.
    SlotCheck gateOpen = relation(1, gateOpenedFully, {G::GateOpeningNotBelowDiameter});
    gateOpen.warnOnly = true;
    add({.kind = {7, 4},
         .slots = {diameter(), small(G::LabelOpeningHeight, " H:", "50")},
         .picture = 2404,
         .checks = positives(2, {gateOpen})});
    add({.kind = {7, 5},
         .slots = {diameter(), angle(G::LabelClosingAngle, "30")},
         .picture = 2405,
         .checks = positives(1, {atMost(2, 50)})});
    add({.kind = {7, 6},
         .slots = {diameter(), angle(G::LabelClosingAngle, "30")},
         .picture = 2406,
         .checks = positives(1, {atMost(2, 70)})});

    // Group 8: check valves.
    add({.kind = {8, 1}, .slots = {diameter()}, .picture = 2501, .checks = positives(1)});
    add({.kind = {8, 2}, .slots = {diameter()}, .picture = 2502, .checks = positives(1)});
    add({.kind = {8, 3}, .slots = {diameter()}, .picture = 2503, .checks = positives(1)});

    // Group 9: orifices and nozzles.
    const SlotCheck boreCheck = relation(1, boreNotSmaller, {G::BoreNotSmallerThanPipe});
    SlotCheck standardOrificeRange = relation(1, standardOrificeOutside,
                                              {G::StandardOrificeRange1, G::StandardOrificeRange2,
                                               G::StandardOrificeRange3, G::StandardOrificeRange4});
    standardOrificeRange.leadText = false;
    add({.kind = {9, 1},
         .slots = {pipeDiameter(), boreDiameter()},
         .picture = 2601,
         .checks = positives(2, {boreCheck, standardOrificeRange})});
    add({.kind = {9, 2},
         .slots = {pipeDiameter(), boreDiameter()},
         .picture = 2602,
         .checks = positives(2, {boreCheck})});
    add({.kind = {9, 3},
         .slots = {pipeDiameter(), boreDiameter(), small(G::LabelEdgeRadius, " R:", "5")},
         .picture = 2603,
         .checks = positives(2, {boreCheck})});
    add({.kind = {9, 4},
         .slots = {pipeDiameter(), boreDiameter(), small(G::LabelDiscThickness, " L:", "10")},
         .picture = 2604,
         .checks = positives(3, {boreCheck})});
    add({.kind = {9, 5},
         .slots = {pipeDiameter(), boreDiameter()},
         .picture = 2605,
         .checks = positives(2, {relation(1, isaNozzleOutside,
                                          {G::IsaNozzleRange1, G::IsaNozzleRange2, G::IsaNozzleRange3})})});
    add({.kind = {9, 6},
         .slots = {pipeDiameter(), boreDiameter()},
         .picture = 26051,
         .checks = positives(2, {relation(1, longRadiusNozzleOutside,
                                          {G::LongRadiusNozzleRange1, G::LongRadiusNozzleRange2,
                                           G::LongRadiusNozzleRange3})})});
    add({.kind = {9, 7},
         .slots = {pipeDiameter(), boreDiameter()},
         .choice = venturiChoice,
         .picture = 2606,
         .checks = positives(2, {relation(1, venturiAreaRatioOutside, {G::VenturiAreaRatioRange})})});

    // Group 10: perforated plates. The free area ratio runs from 1 % up to (not including) 99 %.
    add({.kind = {10, 1}, .slots = {diameter(), freeArea()}, .picture = 3001, .checks = freeAreaChecks(2)});
    add({.kind = {10, 2},
         .slots = {width(), height(), freeArea()},
         .picture = 3002,
         .checks = freeAreaChecks(3)});
    add({.kind = {10, 3},
         .slots = {diameter(), small(G::LabelHoleDiameter, " d:", "5"),
                   small(G::LabelPlateThickness, " a:", "5"), freeArea()},
         .picture = 3003,
         .checks = freeAreaChecks(4)});
    add({.kind = {10, 4},
         .slots = {width(), height(), small(G::LabelHoleDiameter, " d:", "5"),
                   small(G::LabelPlateThickness, " a:", "5"), freeArea()},
         .picture = 3004,
         .checks = freeAreaChecks(5)});

    // Group 11: screens and strainers.
    for (int subgroup = 1; subgroup <= 6; ++subgroup) {
        const bool circular = subgroup % 2 == 1;
        add({.kind = {11, subgroup},
             .slots =
                 circular ? std::vector{diameter(), freeArea()} : std::vector{width(), height(), freeArea()},
             .picture = 3009 + subgroup,
             .checks = freeAreaChecks(circular ? 2 : 3)});
    }
    add({.kind = {11, 7}, .slots = {diameter()}, .picture = 3016, .checks = positives(1)});
    add({.kind = {11, 8}, .slots = {diameter()}, .picture = 3017, .checks = positives(1)});
    add({.kind = {11, 9}, .slots = {diameter()}, .picture = 3018, .checks = positives(1)});

    // Group 12: a given resistance coefficient (any number). No checks.
    add({.kind = {12, 1}, .slots = {small(G::LabelElementDiameter, " D:"), givenZeta()}, .picture = 2802});
    add({.kind = {12, 2}, .slots = {width(), height(), givenZeta()}, .picture = 2802});

    // Group 13: height and velocity changes; a height difference may be negative. No checks.
    add({.kind = {13, 1}, .slots = {longLength(G::LabelHeightDifference, " H:", "10")}, .picture = 2801});
    add({.kind = {13, 2},
         .slots = {inletDiameter(), small(G::LabelOutletDiameter, " D2:")},
         .picture = 3202});
    SlotDescription outletWidth = small(G::LabelWidth, " B2:");
    outletWidth.defaultFromSlot = 1;
    SlotDescription outletHeight = small(G::LabelHeight, " H2:");
    outletHeight.defaultFromSlot = 2;
    add({.kind = {13, 3},
         .slots = {small(G::LabelWidth, " B1:"), small(G::LabelHeight, " H1:"), outletWidth, outletHeight},
         .picture = 3203});
    return rows;
}

const std::vector<KindDescription>& rows() {
    static const std::vector<KindDescription> table = buildRows();
    return table;
}

// Position of each kind's row, addressed by ElementKind::index(); -1 for an unused index.
const std::array<int, kElementKindTableSize>& rowIndex() {
    static const std::array<int, kElementKindTableSize> index = [] {
        std::array<int, kElementKindTableSize> positions{};
        positions.fill(-1);
        const auto& table = rows();
        for (std::size_t i = 0; i < table.size(); ++i)
            positions[static_cast<std::size_t>(table[i].kind.index())] = static_cast<int>(i);
        return positions;
    }();
    return index;
}

bool passes(const SlotCheck& check, Real x) {
    switch (check.kind) {
        case CheckKind::Positive:
            return x > 0;
        case CheckKind::NonNegative:
            return x >= 0;
        case CheckKind::Below:
            return x < check.bound;
        case CheckKind::AtLeast:
            return x >= check.bound;
        case CheckKind::AtMost:
            return x <= check.bound;
        case CheckKind::Relation:
            break;
    }
    return true;
}

}  // namespace

int cataloguePosition(ElementKind kind) {
    if (!isKnownKind(kind))
        throw std::invalid_argument("no element kind " + std::to_string(kind.group) + "/" +
                                    std::to_string(kind.subgroup));
    return rowIndex()[static_cast<std::size_t>(kind.index())];
}

const KindDescription& kindDescription(ElementKind kind) {
    return rows()[static_cast<std::size_t>(cataloguePosition(kind))];
}

std::span<const KindDescription> allKindDescriptions() {
    return rows();
}

std::optional<Quantity> slotUnitList(SlotUnit unit) {
    switch (unit) {
        case SlotUnit::SmallLength:
            return Quantity::SmallLength;
        case SlotUnit::LongLength:
            return Quantity::LongLength;
        case SlotUnit::Area:
            return Quantity::Area;
        default:
            return std::nullopt;
    }
}

std::optional<GlobalText> slotUnitWord(SlotUnit unit) {
    switch (unit) {
        case SlotUnit::Degree:
            return GlobalText::DegreeWord;
        case SlotUnit::Count:
            return GlobalText::CountWord;
        default:
            return std::nullopt;
    }
}

Real convertSlotValue(SlotUnit unit, std::string_view unitLabel, Real value) {
    switch (unit) {
        case SlotUnit::SmallLength:
            return convertSmallLength(unitLabel, value);
        case SlotUnit::LongLength:
            return convertLongLength(unitLabel, value);
        case SlotUnit::Area:
            return convertArea(unitLabel, value);
        default:
            return value;
    }
}

GlobalText boundWording(CheckKind kind) {
    switch (kind) {
        case CheckKind::Positive:
            return GlobalText::MustBeGreater;
        case CheckKind::Below:
            return GlobalText::MustBeSmaller;
        case CheckKind::NonNegative:
        case CheckKind::AtLeast:
            return GlobalText::MustBeAtLeast;
        case CheckKind::AtMost:
            return GlobalText::MustNotExceed;
        case CheckKind::Relation:
            break;
    }
    throw std::invalid_argument("a relation has no bound wording");
}

std::vector<CheckFailure> checkSlots(const std::vector<SlotCheck>& checks, const SlotValues& values) {
    std::vector<CheckFailure> failures;
    for (const SlotCheck& check : checks) {
        if (check.kind == CheckKind::Relation) {
            if (check.refuses(values))
                failures.push_back({.kind = check.kind,
                                    .focusSlot = check.slot,
                                    .texts = check.texts,
                                    .leadText = check.leadText,
                                    .warnOnly = check.warnOnly});
            continue;
        }
        if (!passes(check, values.at(static_cast<std::size_t>(check.slot - 1))))
            failures.push_back({.kind = check.kind,
                                .focusSlot = check.slot,
                                .bound = check.bound,
                                .texts = {boundWording(check.kind)},
                                .warnOnly = check.warnOnly});
    }
    return failures;
}

std::vector<CheckFailure> checkSlots(ElementKind kind, const SlotValues& values) {
    return checkSlots(kindDescription(kind).checks, values);
}

}  // namespace velmora::model
