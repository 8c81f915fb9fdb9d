// One answer per input: pressing Calculate with the same entries must behave the same every time,
// whatever was calculated before. For every kind, entries that each of its checks refuses (and a
// few that pass) are pressed twice on a window that has calculated other things first, and once on
// a fresh window holding the same form; the messages and the column must be the same each time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/element_catalogue.h"
#include "workflow/calculation_bench.h"

namespace velmora::workflow {
namespace {

using model::ElementKind;
using testing::CalculationBench;

// What one press did, as far as the user can see it.
struct PressOutcome {
    CalculationStop stop = CalculationStop::Entries;
    std::vector<UserMessage> messages;
    std::vector<std::string> cells;  // the appended column without its number, if any

    friend bool operator==(const PressOutcome&, const PressOutcome&) = default;
};

std::string describe(const PressOutcome& outcome) {
    std::string text = "stop " + std::to_string(static_cast<int>(outcome.stop));
    for (const UserMessage& message : outcome.messages) text += "\n  " + logLine(message);
    if (!outcome.cells.empty()) text += "\n  loss " + outcome.cells[row::lossSmall - 1];
    return text;
}

PressOutcome press(CalculationBench& bench) {
    bench.messenger.clear();
    PressOutcome outcome;
    outcome.stop = bench.calculate().stop;
    outcome.messages = bench.messenger.messages();
    if (outcome.stop == CalculationStop::Appended) {
        const ResultColumn& column = bench.table.column(bench.table.elementCount());
        outcome.cells.assign(column.cells.begin() + 1, column.cells.end());
    }
    return outcome;
}

// Leaves as much behind as a calculation can: a gas through a dividing tee with its branch flow,
// a rough wall, three elements, then a rectangular bend with five slots.
void calculateOtherThingsFirst(CalculationBench& bench) {
    bench.gas("400", "7.13", "18.2", "6", "20", "10");
    bench.element({5, 5}, {"100", "80", "90"});
    bench.form.setText(FormField::BranchFlow, "150");
    bench.form.setText(FormField::Roughness, "0.5");
    bench.form.setText(FormField::ElementCount, "3");
    bench.calculate();
    bench.liquid("30", "998.2", "1002");
    bench.element({4, 4}, {"200", "100", "300", "90", "2"});
    bench.calculate();
    bench.form.setText(FormField::ElementCount, "1");
    bench.form.setText(FormField::Roughness, "0.1");
}

struct Probe {
    std::string name;
    std::vector<std::pair<FormField, std::string>> entries;
    bool gas = false;
};

// Entries every check of a kind can refuse: each shown slot at 0, below 0, not a number and far
// too large, one slot against the others (each slot at ten times the first), the count and the
// flow at 0; and the same at the gate valve.
std::vector<Probe> probesFor(const MainForm& form) {
    std::vector<Probe> probes{{"as set up", {}}};
    for (int n = 1; n <= 5; ++n) {
        if (!form.slot(n).visible) continue;
        const std::string slot = "slot " + std::to_string(n);
        for (const char* text : {"0", "-1", "x", "1e7", "1000", "0.001"})
            probes.push_back({slot + " = " + text, {{slotField(n), text}}});
    }
    probes.push_back({"count 0", {{FormField::ElementCount, "0"}}});
    probes.push_back({"count 2.5", {{FormField::ElementCount, "2.5"}}});
    probes.push_back({"flow 0", {{FormField::Flow, "0"}}});
    probes.push_back({"slot 1 = 0 in a gas", {{slotField(1), "0"}}, true});
    probes.push_back({"as set up in a gas", {}, true});
    return probes;
}

void applyProbe(CalculationBench& bench, const Probe& probe) {
    if (probe.gas)
        bench.gas("100", "1.2", "18", "2", "20", "20");
    else
        bench.liquid("30", "998.2", "1002");
    for (const auto& [field, text] : probe.entries) bench.form.setText(field, text);
}

TEST(RepeatedPress, TheSameEntriesGiveTheSameAnswerEveryTime) {
    int refusals = 0;
    int appended = 0;
    for (const ElementKind kind : model::allElementKinds()) {
        CalculationBench setUp;
        setUp.element(kind, {});
        for (const Probe& probe : probesFor(setUp.form)) {
            SCOPED_TRACE("kind " + std::to_string(kind.group) + "/" + std::to_string(kind.subgroup) + ", " +
                         probe.name);
            CalculationBench used;
            calculateOtherThingsFirst(used);
            used.form.setUpKind(kind);
            applyProbe(used, probe);
            CalculationBench fresh;
            fresh.form = used.form;

            const PressOutcome first = press(used);
            const PressOutcome second = press(used);
            const PressOutcome alone = press(fresh);
            EXPECT_EQ(first, second) << "first press: " << describe(first) << "\nsecond: " << describe(second);
            EXPECT_EQ(first, alone) << "after other calculations: " << describe(first)
                                    << "\non a fresh window: " << describe(alone);
            (first.stop == CalculationStop::Appended ? appended : refusals) += 1;
        }
    }
    // The probes reach both ends: many refusals and many columns.
    EXPECT_GT(refusals, 200);
    EXPECT_GT(appended, 200);
}

// The gate valve: D = 100 mm with an opening of 150 mm is told and calculated as the
// fully open gate at every press; D = 0 is refused with the same message at every press.
TEST(RepeatedPress, GateValveOpenedBeyondItsBoreAnswersAlike) {
    struct Case {
        const char* name;
        std::vector<std::string> slots;
        bool appends;
    };
    for (const Case& c : {Case{"H above D", {"100", "150"}, true}, Case{"D = 0", {"0", "150"}, false}}) {
        SCOPED_TRACE(c.name);
        CalculationBench bench;
        bench.liquid("30", "998.2", "1002");
        bench.element({7, 4}, c.slots);
        const PressOutcome first = press(bench);
        ASSERT_FALSE(first.messages.empty());
        EXPECT_EQ(first.stop == CalculationStop::Appended, c.appends);
        for (int n = 0; n < 3; ++n) EXPECT_EQ(press(bench), first) << describe(first);
    }
}

}  // namespace
}  // namespace velmora::workflow
