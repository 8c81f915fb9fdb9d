#include "model/element_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::model {
namespace {

using G = GlobalText;

TEST(ElementCatalogue, HoldsTheSixtyFiveKindsInCatalogueOrder) {
    const auto rows = allKindDescriptions();
    const std::vector<ElementKind> kinds = allElementKinds();
    ASSERT_EQ(rows.size(), 65u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(std::to_string(kinds[i].group) + "/" + std::to_string(kinds[i].subgroup));
        EXPECT_EQ(rows[i].kind, kinds[i]);
        EXPECT_EQ(&kindDescription(kinds[i]), &rows[i]);
        EXPECT_EQ(cataloguePosition(kinds[i]), static_cast<int>(i));
    }
}

TEST(ElementCatalogue, RefusesPairsThatAreNoKind) {
    for (ElementKind kind : {ElementKind{0, 1}, ElementKind{1, 7}, ElementKind{12, 3}, ElementKind{14, 1}}) {
        SCOPED_TRACE(std::to_string(kind.group) + "/" + std::to_string(kind.subgroup));
        EXPECT_THROW(kindDescription(kind), std::invalid_argument);
    }
}

// The picture numbers of the element pictures, group by group.
TEST(ElementCatalogue, PictureNumbers) {
    const std::vector<std::vector<int>> pictures = {
        {1601, 1602, 1603, 1604, 1606, 1605},
        {1701, 1702, 1703, 1704},
        {1801, 1802, 1803, 1804},
        {2101, 2102, 2103, 2104, 2105, 2106},
        {2201, 2202, 2203, 2204, 2205, 2206, 2207, 2208},
        {2301, 2302, 2303},
        {2401, 2402, 2403, 2404, 2405, 2406},
        {2501, 2502, 2503},
        {2601, 2602, 2603, 2604, 2605, 26051, 2606},
        {3001, 3002, 3003, 3004},
        {3010, 3011, 3012, 3013, 3014, 3015, 3016, 3017, 3018},
        {2802, 2802},
        {2801, 3202, 3203},
    };
    for (int group = 1; group <= 13; ++group) {
        const auto& row = pictures[static_cast<std::size_t>(group - 1)];
        ASSERT_EQ(row.size(), static_cast<std::size_t>(kSubgroupCounts[static_cast<std::size_t>(group - 1)]));
        for (int subgroup = 1; subgroup <= static_cast<int>(row.size()); ++subgroup) {
            SCOPED_TRACE(std::to_string(group) + "/" + std::to_string(subgroup));
            EXPECT_EQ(kindDescription({group, subgroup}).picture,
                      row[static_cast<std::size_t>(subgroup - 1)]);
        }
    }
}

// What the form and the calculation rely on in every row.
TEST(ElementCatalogue, EveryRowIsUsableOnTheForm) {
    for (const KindDescription& row : allKindDescriptions()) {
        SCOPED_TRACE(std::to_string(row.kind.group) + "/" + std::to_string(row.kind.subgroup));
        ASSERT_GE(row.slots.size(), 1u);
        ASSERT_LE(row.slots.size(), 5u);
        // Slot 1 is always converted with its unit box.
        EXPECT_TRUE(slotUnitList(row.slots[0].unit).has_value());
        for (std::size_t i = 0; i < row.slots.size(); ++i) {
            const SlotDescription& slot = row.slots[i];
            EXPECT_FALSE(slot.suffix.empty());
            EXPECT_EQ(slot.suffix.back(), ':');
            // Only slots 1 and 2 keep their text; a copied default names an earlier slot.
            if (slot.defaultText == kKeepText && slot.defaultFromSlot == 0) {
                EXPECT_LT(i, 2u);
            }
            if (slot.defaultFromSlot != 0) {
                EXPECT_LT(slot.defaultFromSlot, static_cast<int>(i) + 1);
            }
        }
        for (const SlotCheck& check : row.checks) {
            EXPECT_GE(check.slot, 1);
            EXPECT_LE(check.slot, static_cast<int>(row.slots.size()));
            if (check.kind == CheckKind::Relation) {
                EXPECT_NE(check.refuses, nullptr);
                EXPECT_FALSE(check.texts.empty());
            }
        }
    }
}

TEST(ElementCatalogue, ExtrasOfTheKinds) {
    std::set<std::pair<int, int>> withChoice, withBranch, withRoughness;
    for (const KindDescription& row : allKindDescriptions()) {
        const auto key = std::pair{row.kind.group, row.kind.subgroup};
        if (row.choice) withChoice.insert(key);
        if (row.branchFlow) withBranch.insert(key);
        if (row.roughness) withRoughness.insert(key);
    }
    EXPECT_EQ(withChoice, (std::set<std::pair<int, int>>{{2, 1}, {2, 4}, {6, 2}, {9, 7}}));
    EXPECT_EQ(withBranch, (std::set<std::pair<int, int>>{{5, 5}, {5, 6}}));
    EXPECT_EQ(
        withRoughness,
        (std::set<std::pair<int, int>>{
            {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 6}, {3, 2}, {3, 4}, {4, 1}, {4, 2}, {4, 4}, {4, 5}, {4, 6}}));
    // The venturi nozzle offers "15 " and "30 " followed by the degree word, 15 first.
    const ChoiceDescription& venturi = *kindDescription({9, 7}).choice;
    EXPECT_EQ(venturi.options[0].prefix, "15 ");
    EXPECT_EQ(venturi.options[1].prefix, "30 ");
    EXPECT_EQ(venturi.options[0].word, G::DegreeWord);
    // 2/1 and 2/4 share their pair of options.
    EXPECT_EQ(kindDescription({2, 1}).choice->options[0].word,
              kindDescription({2, 4}).choice->options[0].word);
}

// ---- checks -------------------------------------------------------------------------------------

// A failure as the tests name it: what failed, at which slot, with which bound or texts.
struct Expected {
    CheckKind kind;
    int slot;
    Real bound = 0;
    std::vector<G> texts = {};
    bool leadText = true;
    bool warnOnly = false;
};

struct CheckCase {
    const char* name;
    ElementKind kind;
    SlotValues values;
    std::vector<Expected> failures;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class SlotChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SlotChecks, RefuseExactlyTheFailingChecks) {
    const CheckCase& c = GetParam();
    const std::vector<CheckFailure> failures = checkSlots(c.kind, c.values);
    ASSERT_EQ(failures.size(), c.failures.size());
    for (std::size_t i = 0; i < failures.size(); ++i) {
        SCOPED_TRACE("failure " + std::to_string(i + 1));
        const Expected& want = c.failures[i];
        EXPECT_EQ(failures[i].kind, want.kind);
        EXPECT_EQ(failures[i].focusSlot, want.slot);
        EXPECT_EQ(failures[i].warnOnly, want.warnOnly);
        EXPECT_EQ(failures[i].leadText, want.leadText);
        if (want.kind == CheckKind::Relation) {
            EXPECT_EQ(failures[i].texts, want.texts);
        } else {
            EXPECT_EQ(failures[i].bound, want.bound);
            EXPECT_EQ(failures[i].texts, std::vector<G>{boundWording(want.kind)});
        }
    }
}

const Expected positive1{CheckKind::Positive, 1};
const Expected positive2{CheckKind::Positive, 2};

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SlotChecks,
    ::testing::Values(
        CheckCase{"pipe_accepted", {1, 1}, {100, 1}, {}},
        CheckCase{"pipe_zero_and_negative_refused_each", {1, 1}, {0, -1}, {positive1, positive2}},
        CheckCase{"free_area_99_refused_at_maximum", {10, 1}, {100, 99}, {{CheckKind::Below, 2, 99}}},
        CheckCase{"free_area_1_accepted", {10, 1}, {100, 1}, {}},
        CheckCase{
            "free_area_just_below_1_refused_at_minimum", {10, 1}, {100, 0.99L}, {{CheckKind::AtLeast, 2, 1}}},
        CheckCase{
            "free_area_of_thick_plate_is_slot_5", {10, 4}, {100, 100, 5, 5, 99}, {{CheckKind::Below, 5, 99}}},
        CheckCase{
            "screen_free_area_is_slot_3_of_duct", {11, 4}, {100, 100, 0.5L}, {{CheckKind::AtLeast, 3, 1}}},
        CheckCase{"bend_angle_180_accepted", {4, 1}, {100, 150, 180}, {}},
        CheckCase{"bend_angle_180_5_refused", {4, 1}, {100, 150, 180.5L}, {{CheckKind::AtMost, 3, 180}}},
        CheckCase{"bend_angle_15_accepted", {4, 1}, {100, 150, 15}, {}},
        CheckCase{"bend_angle_below_15_refused", {4, 1}, {100, 150, 14.9L}, {{CheckKind::AtLeast, 3, 15}}},
        CheckCase{"bend_radius_below_diameter",
                  {4, 1},
                  {100, 99, 90},
                  {{CheckKind::Relation, 1, 0, {G::BendRadiusBelowDiameter}}}},
        CheckCase{"segment_bend_angle_90_accepted", {4, 2}, {100, 90}, {}},
        CheckCase{"cast_iron_bend_dn_40_refused_with_three_lines",
                  {4, 3},
                  {40},
                  {{CheckKind::Relation,
                    1,
                    0,
                    {G::CastIronBendRange1, G::CastIronBendRange2, G::CastIronBendRange3}}}},
        CheckCase{"cast_iron_bend_dn_500_accepted", {4, 3}, {500}, {}},
        CheckCase{"rectangular_bend_radius_below_width",
                  {4, 4},
                  {200, 100, 150, 90},
                  {{CheckKind::Relation, 1, 0, {G::BendRadiusBelowWidth}}}},
        CheckCase{"inlet_angle_90_refused", {2, 3}, {100, 90}, {{CheckKind::Below, 2, 90}}},
        CheckCase{"inlet_angle_zero_refused", {2, 3}, {100, 0}, {positive2}},
        CheckCase{"expansion_needs_larger_outlet",
                  {3, 1},
                  {100, 100},
                  {{CheckKind::Relation, 1, 0, {G::ExpansionNeedsLargerOutlet}}}},
        CheckCase{"diffuser_angle_90_refused", {3, 2}, {50, 100, 90}, {{CheckKind::Below, 3, 90}}},
        CheckCase{"contraction_needs_smaller_outlet",
                  {3, 3},
                  {50, 100},
                  {{CheckKind::Relation, 1, 0, {G::ContractionNeedsSmallerOutlet}}}},
        CheckCase{"confuser_angle_not_tested", {3, 4}, {100, 50, 200}, {}},
        CheckCase{"annulus_equal_diameters_only_equality",
                  {1, 3},
                  {50, 50, 1},
                  {{CheckKind::Relation, 1, 0, {G::AnnulusDiametersEqual}}}},
        CheckCase{"annulus_outer_below_inner_only_order",
                  {1, 3},
                  {40, 50, 1},
                  {{CheckKind::Relation, 1, 0, {G::OuterDiameterNotAboveInner}}}},
        CheckCase{"annulus_ratio_above_100",
                  {1, 3},
                  {1000, 9, 1},
                  {{CheckKind::Relation, 1, 0, {G::AnnulusDiameterRatioTooLarge}}}},
        CheckCase{"annulus_without_inner_body_only_positivity", {1, 3}, {50, 0, 1}, {positive2}},
        CheckCase{"corrugated_pipe_accepted", {1, 5}, {100, 5, 20, 1}, {}},
        CheckCase{"corrugated_pipe_shorter_than_one_pitch",
                  {1, 5},
                  {100, 5, 20, 0.019L},
                  {{CheckKind::Relation, 4, 0, {G::PipeShorterThanPitch}}}},
        CheckCase{"corrugated_depth_to_pitch_and_diameter",
                  {1, 5},
                  {100, 4, 40, 1},
                  {{CheckKind::Relation, 2, 0, {G::CorrugationDepthPitchRange}},
                   {CheckKind::Relation, 1, 0, {G::CorrugationDepthDiameterRange}}}},
        CheckCase{"branch_edge_radius_zero_accepted", {5, 5}, {100, 50, 0, 45}, {}},
        CheckCase{
            "branch_edge_radius_negative_refused", {5, 6}, {100, 50, -1, 45}, {{CheckKind::NonNegative, 3}}},
        CheckCase{"branch_angle_180_refused", {5, 5}, {100, 50, 0, 180}, {{CheckKind::Below, 4, 180}}},
        CheckCase{"trouser_pipe_angle_90_accepted", {5, 7}, {100, 90}, {}},
        CheckCase{"trouser_bend_radius_ratio_focus_on_radius",
                  {5, 8},
                  {100, 40},
                  {{CheckKind::Relation, 2, 0, {G::TrouserBendRadiusRange}}}},
        CheckCase{
            "u_bend_length_ratio", {6, 3}, {100, 1001}, {{CheckKind::Relation, 1, 0, {G::UBendLengthRatio}}}},
        CheckCase{"gate_opening_equal_to_diameter_only_warns",
                  {7, 4},
                  {100, 100},
                  {{CheckKind::Relation, 1, 0, {G::GateOpeningNotBelowDiameter}, true, true}}},
        CheckCase{"cock_angle_50_accepted", {7, 5}, {100, 50}, {}},
        CheckCase{"cock_angle_above_50_refused", {7, 5}, {100, 50.5L}, {{CheckKind::AtMost, 2, 50}}},
        CheckCase{"flap_angle_above_70_refused", {7, 6}, {100, 71}, {{CheckKind::AtMost, 2, 70}}},
        CheckCase{"standard_orifice_accepted", {9, 1}, {100, 50}, {}},
        CheckCase{"standard_orifice_range_without_lead_text",
                  {9, 1},
                  {40, 20},
                  {{CheckKind::Relation,
                    1,
                    0,
                    {G::StandardOrificeRange1, G::StandardOrificeRange2, G::StandardOrificeRange3,
                     G::StandardOrificeRange4},
                    false}}},
        CheckCase{"orifice_bore_equal_to_pipe",
                  {9, 2},
                  {100, 100},
                  {{CheckKind::Relation, 1, 0, {G::BoreNotSmallerThanPipe}}}},
        CheckCase{"isa_nozzle_500_ratio_0_8_accepted", {9, 5}, {500, 400}, {}},
        CheckCase{
            "isa_nozzle_500_1_refused",
            {9, 5},
            {500.1L, 400.08L},
            {{CheckKind::Relation, 1, 0, {G::IsaNozzleRange1, G::IsaNozzleRange2, G::IsaNozzleRange3}}}},
        CheckCase{"isa_nozzle_ratio_0_3_accepted", {9, 5}, {100, 30}, {}},
        CheckCase{"long_radius_nozzle_630_accepted", {9, 6}, {630, 200}, {}},
        CheckCase{"long_radius_nozzle_above_630_refused",
                  {9, 6},
                  {631, 200},
                  {{CheckKind::Relation,
                    1,
                    0,
                    {G::LongRadiusNozzleRange1, G::LongRadiusNozzleRange2, G::LongRadiusNozzleRange3}}}},
        CheckCase{"venturi_area_ratio_below_0_1",
                  {9, 7},
                  {100, 30},
                  {{CheckKind::Relation, 1, 0, {G::VenturiAreaRatioRange}}}},
        CheckCase{"venturi_area_ratio_0_25_accepted", {9, 7}, {100, 50}, {}},
        CheckCase{"given_coefficient_takes_any_number", {12, 1}, {-5, -3}, {}},
        CheckCase{"negative_height_difference_accepted", {13, 1}, {-10}, {}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::model
