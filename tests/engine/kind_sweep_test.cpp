#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/element_engine.h"
#include "engine/kind_rules.h"
#include "engine/kind_sweep_cases.h"
#include "model/element_kind.h"

namespace velmora::engine {
namespace {

using model::ElementKind;
using testing::Defaults;
using testing::inputsFor;
using testing::kDefaults;
using testing::kMedia;
using testing::Medium;

TEST(KindSweep, TheDefaultsTableCoversEveryKind) {
    std::map<int, int> seen;
    for (const Defaults& d : kDefaults) ++seen[d.kind.index()];
    const auto kinds = model::allElementKinds();
    ASSERT_EQ(kinds.size(), 65u);
    for (const ElementKind& kind : kinds)
        EXPECT_EQ(seen[kind.index()], 1) << kind.group << "/" << kind.subgroup;
}

class KindSweep : public ::testing::TestWithParam<Medium> {};

TEST_P(KindSweep, EveryKindGivesAFiniteResultForItsDefaultDimensions) {
    const Medium& medium = GetParam();
    for (const Defaults& d : kDefaults) {
        SCOPED_TRACE(std::to_string(d.kind.group) + "/" + std::to_string(d.kind.subgroup));
        const ElementResult r = calculateElement(inputsFor(d, medium));
        // The height difference has no Reynolds number and always runs the laminar engine.
        const bool heightDifference = d.kind == ElementKind{13, 1};
        EXPECT_EQ(r.regime, heightDifference ? FlowRegime::Laminar : medium.regime);
        EXPECT_TRUE(std::isfinite(r.zeta));
        EXPECT_TRUE(std::isfinite(r.pressureLoss));
        EXPECT_FALSE(r.gasLimitExceeded);
        const LossForm form = kindRules(d.kind).loss;
        if (form == LossForm::HeightDifference) {
            EXPECT_GT(r.pressureLoss, 0);
        } else if (form == LossForm::VelocityChange) {
            EXPECT_EQ(r.pressureLoss, 0);  // equal inlet and outlet sections
        } else if (form == LossForm::Tee) {
            EXPECT_TRUE(std::isfinite(r.zetaBranch));  // a combining passage may recover pressure (ζ < 0)
        } else {
            EXPECT_GT(r.zeta, 0);
            EXPECT_GT(r.pressureLoss, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Media, KindSweep, ::testing::ValuesIn(kMedia),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::engine
