#include "pipedata/take_over.h"

#include <gtest/gtest.h>

namespace velmora::pipedata {
namespace {

// A window that records what it was given and takes only the kinds of value it has a place for.
struct RecordingWindow : TakeOverTarget {
    bool takesPipes = true, takesFittings = false, takesZeta = false, takesRoughness = false;
    std::optional<int> tee;
    std::vector<std::string> received;

    bool takePipe(const PipeValues& v) override { return record(takesPipes, "pipe " + v.inside.mm); }
    bool takeFitting(const FittingValues& v) override {
        return record(takesFittings, "fitting " + std::to_string(v.group) + "/" + std::to_string(v.subgroup));
    }
    bool takeZeta(const ZetaValues& v) override { return record(takesZeta, "zeta " + v.zetaText); }
    bool takeRoughness(const RoughnessValues& v) override { return record(takesRoughness, "k " + v.mm); }
    std::optional<int> fixedTeeSubgroup() const override { return tee; }

    bool record(bool takes, std::string what) {
        if (takes) received.push_back(std::move(what));
        return takes;
    }
};

PipeValues pipe(std::string mm) { return {false, {std::move(mm), ""}, {}, "DIN"}; }

TEST(TakeOverRouter, MainFormReceivesOnlyWhenNoOpenWindowTakes) {
    TakeOverRouter router;
    RecordingWindow mainForm, pump;
    mainForm.takesFittings = true;
    router.setMainForm(&mainForm);

    EXPECT_TRUE(router.deliver(pipe("82.5")).mainForm);

    router.opened(TakeOverRole::PumpDesign, &pump);
    TakeOverReceipt toPump = router.deliver(pipe("70.3"));
    EXPECT_FALSE(toPump.mainForm);
    EXPECT_EQ(toPump.windows, std::vector{TakeOverRole::PumpDesign});

    // The pump design has no place for a standard fitting, so the main form still gets it.
    EXPECT_TRUE(router.deliver(FittingValues{4, 1, {}, "DIN 2605"}).mainForm);

    router.closed(TakeOverRole::PumpDesign);
    router.deliver(pipe("107.1"));
    EXPECT_EQ(mainForm.received, (std::vector<std::string>{"pipe 82.5", "fitting 4/1", "pipe 107.1"}));
    EXPECT_EQ(pump.received, std::vector<std::string>{"pipe 70.3"});
}

TEST(TakeOverRouter, EveryOpenWindowThatTakesReceives) {
    TakeOverRouter router;
    RecordingWindow mainForm, pump, table, column;
    router.setMainForm(&mainForm);
    router.opened(TakeOverRole::PumpDesign, &pump);
    router.opened(TakeOverRole::TableChange, &table);
    router.opened(TakeOverRole::ColumnChange, &column);
    table.takesPipes = false;  // say, a rectangular table-change that wants both dimensions

    TakeOverReceipt receipt = router.deliver(pipe("54.5"));
    EXPECT_EQ(receipt.windows, (std::vector{TakeOverRole::PumpDesign, TakeOverRole::ColumnChange}));
    EXPECT_TRUE(mainForm.received.empty());
    EXPECT_TRUE(table.received.empty());
}

TEST(TakeOverRouter, NothingTakenWithoutReceivers) {
    TakeOverRouter router;
    EXPECT_FALSE(router.deliver(RoughnessValues{"0,03"}).taken());
    RecordingWindow column;
    router.opened(TakeOverRole::ColumnChange, &column);
    EXPECT_FALSE(router.deliver(RoughnessValues{"0,03"}).taken());
    column.takesRoughness = true;
    EXPECT_TRUE(router.deliver(RoughnessValues{"0,03"}).taken());
}

TEST(TakeOverRouter, TeeUseFixedByTheColumnBeingChanged) {
    TakeOverRouter router;
    RecordingWindow column;
    EXPECT_EQ(router.fixedTeeSubgroup(), std::nullopt);
    router.opened(TakeOverRole::ColumnChange, &column);
    EXPECT_EQ(router.fixedTeeSubgroup(), std::nullopt);
    column.tee = 6;
    EXPECT_EQ(router.fixedTeeSubgroup(), 6);
    router.closed(TakeOverRole::ColumnChange);
    EXPECT_EQ(router.fixedTeeSubgroup(), std::nullopt);
}

}  // namespace
}  // namespace velmora::pipedata
