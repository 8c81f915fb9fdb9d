#include <gtest/gtest.h>

#include "tools/converter_presenters.h"
#include "tools/pipe_content.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

TEST(KvToZeta, HandWorked) {
    model::RecordingMessenger messenger;
    KvZetaPresenter kv(testing::englishTexts(), KvZetaPresenter::Coefficient::Kv);
    kv.shown({"50", "mm"});
    kv.form().setText(First, "10");
    kv.calculate(messenger);
    // ζ = 0.0016 · 50⁴ / 10² = 100.
    EXPECT_EQ(kv.form().output(Result), "100.000");
    const auto transfer = kv.takeOver();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->diameter.text, "50");
    EXPECT_EQ(transfer->diameter.unit, "mm");
    EXPECT_EQ(transfer->zeta, "100.000");

    KvZetaPresenter cv(testing::germanTexts(), KvZetaPresenter::Coefficient::Cv);
    cv.setSettings({.decimals = 1});
    cv.shown({"1,9685", "in."});  // 50 mm
    cv.form().setText(First, "10");
    cv.calculate(messenger);
    // kv = 8.6; ζ = 0.0016 · 50⁴ / 8.6² = 135.2.
    EXPECT_EQ(cv.form().output(Result), "135,2");
    EXPECT_TRUE(messenger.messages().empty());
    // Zero is refused, naming the label; no transfer without a result.
    cv.form().setText(First, "0");
    cv.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].text, "Keine gültige Zahl im Feld\r\"Cv-Wert in gal/min:\"!");
    EXPECT_FALSE(cv.takeOver());
    // A unit the dialog does not list leaves its unit box.
    cv.shown({"10", "m"});
    EXPECT_EQ(cv.form().current(SecondUnit), "in.");
}

TEST(Head, OneBarOfWater) {
    model::RecordingMessenger messenger;
    HeadPresenter head(testing::germanTexts());
    head.shown(1, "998,2", 0, messenger);
    EXPECT_EQ(head.form().text(First), "1,000");
    // H = 1 bar / 998.2 / 9.81 · 10⁵ = 10.212 m = 33.50 ft.
    EXPECT_EQ(head.form().output(Result), "10,2 m");
    EXPECT_EQ(head.form().output(Result2), "(= 33,5 ft.)");
    head.setSettings({.units = model::UnitSystem::Us});
    head.shown(1, "62.3", 8, messenger);  // lb./cu.ft.
    EXPECT_EQ(head.form().current(FirstUnit), "psia");
    EXPECT_EQ(head.form().text(First), "14,504");
    EXPECT_EQ(head.form().output(Result), "10,2 m");
    // A density of 0 shows nothing and no message.
    head.form().setText(Second, "0");
    head.calculate(messenger);
    EXPECT_EQ(head.form().output(Result), "");
    EXPECT_TRUE(messenger.messages().empty());
}

TEST(VelocityAndFlow, BothWays) {
    model::RecordingMessenger messenger;
    VelocityToFlowPresenter toFlow(testing::englishTexts());
    toFlow.shown({"100", "mm"}, 1, messenger);
    EXPECT_EQ(toFlow.form().text(First), "1.00");
    // Q = 100² π · 1 · 0.0036 / 4 = 28.274 m³/h = 124.49 gal/min.
    EXPECT_EQ(toFlow.form().output(Result), "28.27 m³/h");
    EXPECT_EQ(toFlow.form().output(Result2), "(= 124.49 gal/min)");
    EXPECT_EQ(toFlow.takeOver(), "28.27");
    toFlow.edited(First);
    EXPECT_FALSE(toFlow.takeOver());
    toFlow.shown({"100", "mm"}, std::nullopt, messenger);
    EXPECT_EQ(toFlow.form().text(First), "");
    EXPECT_EQ(toFlow.form().output(Result), "");
    toFlow.setSettings({.units = model::UnitSystem::Us});
    toFlow.shown({"4", "in."}, 0.3048L, messenger);
    EXPECT_EQ(toFlow.form().current(FirstUnit), "ft./s");
    EXPECT_EQ(toFlow.form().text(First), "1.00");

    FlowToVelocityPresenter toVelocity(testing::englishTexts());
    toVelocity.shown(false, {"28.27", "m³/h"}, {"100", "mm"}, messenger);
    EXPECT_EQ(toVelocity.form().output(Result), "1.00 m/s");
    EXPECT_EQ(toVelocity.form().output(Result2), "(= 3.28 ft./s)");
    toVelocity.shown(true, {"500", "kg/h"}, {"100", "mm"}, messenger);
    EXPECT_EQ(toVelocity.form().text(First), "");
    EXPECT_EQ(toVelocity.form().current(FirstUnit), "m³/h");
    toVelocity.shown(false, {"2", "l/s"}, {"0", "mm"}, messenger);
    EXPECT_EQ(toVelocity.form().current(FirstUnit), "l/s");
    EXPECT_EQ(toVelocity.form().output(Result), "");  // no diameter: no result, no message
    EXPECT_TRUE(messenger.messages().empty());
}

ContentColumn pipe(int subgroup, std::array<Real, 4> slots, Real count = 1) {
    return {.kind = model::ElementKind{1, subgroup}, .count = count, .slots = slots};
}

TEST(PipeContent, ColumnsByKind) {
    constexpr Real pi = 3.14159265358979323846L;
    EXPECT_NEAR(columnContent(pipe(1, {100, 10, 0, 0})), pi / 4 * 0.01L * 10, 1e-15);
    EXPECT_NEAR(columnContent(pipe(2, {200, 100, 5, 0}, 2)), 0.2L, 1e-15);
    EXPECT_NEAR(columnContent(pipe(3, {100, 50, 4, 0})), pi / 4 * (0.01L - 0.0025L) * 4, 1e-15);
    EXPECT_NEAR(columnContent(pipe(4, {1000, 500, 3, 0})), 1.5L, 1e-15);
    EXPECT_NEAR(columnContent(pipe(5, {80, 5, 20, 6})), pi / 4 * 0.0064L * 6, 1e-15);  // corrugated: D, L
    EXPECT_NEAR(columnContent(pipe(6, {0.05L, 0.9L, 12, 0})), 0.6L, 1e-15);
    EXPECT_EQ(columnContent({.kind = model::ElementKind{4, 1}, .slots = {100, 100, 90, 0}}), 0);
    EXPECT_EQ(columnContent({}), 0);
}

TEST(PipeContent, ContentAndFillTime) {
    model::RecordingMessenger messenger;
    PipeContentPresenter dialog(testing::englishTexts());
    dialog.shown({pipe(1, {100, 10, 0, 0}), {.kind = model::ElementKind{4, 1}}}, "10.000", messenger);
    EXPECT_EQ(dialog.form().text(PipeContentPresenter::LastColumn), "2");
    // 0.0785 m³ shown in litres; 0.00785 h at 10 m³/h is 28.27 s.
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Content), "78.54 l");
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Time), "28.27 s");
    // The range reversed is swapped; a range of fittings only holds nothing.
    dialog.form().setText(PipeContentPresenter::FirstColumn, "2");
    dialog.form().setText(PipeContentPresenter::LastColumn, "2");
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Content), "0.00 l");
    dialog.form().setText(PipeContentPresenter::FirstColumn, "2");
    dialog.form().setText(PipeContentPresenter::LastColumn, "1");
    dialog.form().setText(PipeContentPresenter::Flow, "0,1");
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Time), "47.12 min");
    dialog.form().setText(PipeContentPresenter::Flow, "0.05");
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Time), "1.57 h");
    dialog.form().setText(PipeContentPresenter::Flow, "0");
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Time), "");
    dialog.form().setText(PipeContentPresenter::Flow, "x");
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].text, "Not a valid number in the field\r\"Volume flow:\"!");

    dialog.setSettings({.units = model::UnitSystem::Us});
    dialog.shown({pipe(4, {1000, 1000, 10, 0})}, "44.02", messenger);
    EXPECT_EQ(dialog.form().current(PipeContentPresenter::FlowUnit), "gal/min");
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Content), "353.15 ft³");  // 10 m³
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Time), "1.00 h");          // 44.02 gal/min = 9.998 m³/h
    dialog.shown({pipe(1, {1000, 100, 0, 0})}, "10", messenger);
    dialog.setSettings({});
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(PipeContentPresenter::Content), "78.54 m³");
}

}  // namespace
}  // namespace velmora::tools
