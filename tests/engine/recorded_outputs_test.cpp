#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calc_error.h"
#include "engine/element_engine.h"
#include "engine/kind_rules.h"
#include "engine/kind_sweep_cases.h"

// Every output of the engine over all 65 kinds, laminar and turbulent, liquid and gas, against the
// values recorded from the engine before its arithmetic was reorganised for speed. Rewriting a
// formula into a faster but equivalent form (an integer power by multiplication, a power through
// exp/log, an invariant hoisted out of an iteration) must leave every result within 1e-15 of the
// recorded one; a changed branch, a lost term or a wrong constant moves it far more.
//
// The recorded file holds one line per case: the case's key, then each output as a hexadecimal
// floating-point literal (exact in extended precision). To record it again after a deliberate
// change of a correlation, run this test with VELMORA_RECORD_ENGINE_OUTPUTS=<file> and replace only
// the lines of the kind whose correlation changed.
namespace velmora::engine {
namespace {

using model::CalcInputs;
using model::Real;
using testing::Defaults;
using testing::inputsFor;
using testing::kDefaults;
using testing::kMedia;
using testing::Medium;

const char* const kRecordedFile = VELMORA_SOURCE_DIR "/tests/engine/recorded_engine_outputs.txt";

// The turbulent media run again over a smooth and a finely rough wall, so that the bends' four
// roughness regimes and both friction-factor start values are all recorded.
struct Wall {
    const char* name;
    Real roughness;  // mm
    bool turbulentOnly;
};
const Wall kWalls[] = {{"k0.1", 0.1L, false}, {"k0", 0, true}, {"k0.01", 0.01L, true}};

struct Case {
    std::string key;
    CalcInputs inputs;
};

std::vector<Case> sweepCases() {
    std::vector<Case> cases;
    for (const Defaults& d : kDefaults) {
        const bool twoOptions = kindRules(d.kind).readsVariant;
        for (const Medium& m : kMedia) {
            for (const Wall& wall : kWalls) {
                if (wall.turbulentOnly && m.regime != FlowRegime::Turbulent) continue;
                for (int variant = 0; variant < (twoOptions ? 2 : 1); ++variant) {
                    CalcInputs in = inputsFor(d, m);
                    in.roughness = wall.roughness;
                    in.variantChoice = variant;
                    in.elementCount = 3;
                    std::ostringstream key;
                    key << d.kind.group << '/' << d.kind.subgroup << ':' << m.name << ':' << wall.name << ":v"
                        << variant;
                    cases.push_back({key.str(), in});
                }
            }
        }
    }
    return cases;
}

// The outputs of one case in a fixed order; a case the engine refuses records no value but "error".
struct Outputs {
    bool refused = false;
    std::vector<Real> values;
    std::string flags;  // regime, gas limit and the notice kinds
};

Outputs outputsOf(const CalcInputs& in) {
    Outputs out;
    try {
        const ElementResult r = calculateElement(in);
        out.values = {r.velocity, r.velocity2,    r.hydraulicDiameter, r.reynolds,     r.reynolds2,
                      r.frictionFactor, r.zeta, r.zetaBranch,        r.pressureLoss, r.branchPressureLoss};
        std::ostringstream flags;
        flags << (r.regime == FlowRegime::Laminar ? 'L' : 'T') << (r.gasLimitExceeded ? 'G' : '-');
        for (const Notice& n : r.notices) {
            flags << 'n' << static_cast<int>(n.kind) << '.' << static_cast<int>(n.argument);
            out.values.push_back(n.value);
            out.values.push_back(n.heldAt);
        }
        out.flags = flags.str();
    } catch (const CalcError&) {
        out.refused = true;
        out.flags = "error";
    }
    return out;
}

std::string hex(Real x) {
    char text[64];
    std::snprintf(text, sizeof text, "%La", x);
    return text;
}

struct Recorded {
    std::string flags;
    std::vector<Real> values;
};

std::map<std::string, Recorded> readRecorded() {
    std::map<std::string, Recorded> recorded;
    std::ifstream file(kRecordedFile);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string key;
        Recorded r;
        fields >> key >> r.flags;
        std::string number;
        while (fields >> number) r.values.push_back(std::strtold(number.c_str(), nullptr));
        recorded[key] = r;
    }
    return recorded;
}

TEST(RecordedOutputs, EveryOutputOfEveryKindAgreesWithTheRecordedEngineTo1e15) {
    const std::vector<Case> cases = sweepCases();
    if (const char* target = std::getenv("VELMORA_RECORD_ENGINE_OUTPUTS")) {
        std::ofstream file(target);
        file << "# Engine outputs per case: kind:medium:wall:option flags velocity velocity2 Dh Re Re2\n"
                "# lambda zeta zetaBranch pressureLoss branchPressureLoss [notice value heldAt ...],\n"
                "# hexadecimal long double literals. Three elements per column.\n";
        for (const Case& c : cases) {
            const Outputs out = outputsOf(c.inputs);
            file << c.key << ' ' << out.flags;
            for (const Real v : out.values) file << ' ' << hex(v);
            file << '\n';
        }
        GTEST_SKIP() << "recorded " << cases.size() << " cases into " << target;
    }

    const std::map<std::string, Recorded> recorded = readRecorded();
    ASSERT_EQ(recorded.size(), cases.size()) << "cases missing from " << kRecordedFile;
    const char* names[] = {"velocity", "velocity2",    "hydraulic diameter", "Re",           "Re2",
                           "lambda",   "zeta",         "zeta branch",        "pressure loss", "branch loss"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const auto found = recorded.find(c.key);
        ASSERT_NE(found, recorded.end());
        const Outputs out = outputsOf(c.inputs);
        EXPECT_EQ(out.flags, found->second.flags);
        ASSERT_EQ(out.values.size(), found->second.values.size());
        for (std::size_t i = 0; i < out.values.size(); ++i) {
            const Real expected = found->second.values[i];
            const Real tolerance = std::fabs(expected) * 1e-15L;
            // In extended precision: a double comparison would itself round at 1.1e-16.
            EXPECT_LE(std::fabs(out.values[i] - expected), tolerance)
                << (i < std::size(names) ? names[i] : "notice value") << ": " << hex(out.values[i])
                << " recorded " << hex(expected);
        }
    }
}

}  // namespace
}  // namespace velmora::engine
