// The main form as the receiver of the pipe and fitting data dialogs (when no other window is open).
#include "workflow/main_form_take_over.h"

#include <gtest/gtest.h>

#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::UnitSystem;
using testing::builtTexts;
using testing::Language;

struct TakeOverFixture : ::testing::Test {
    MainForm form{builtTexts(Language::English)};
    UnitSystem units = UnitSystem::Metric;
    MainFormTakeOver target{form, units};
    pipedata::TakeOverRouter router;
    TakeOverFixture() {
        router.setMainForm(&target);
        form.setUpKind({4, 1});
    }
};

pipedata::PipeValues circular(std::string mm, std::string inch) {
    return {false, {std::move(mm), std::move(inch)}, {}, "DIN 2448"};
}

// The kind becomes the straight pipe; the inside diameter in the unit system's unit, its unit box
// set to match; an empty designation receives the standard's, a typed one stays.
TEST_F(TakeOverFixture, PipeSetsUpTheStraightPipeInTheUnitSystemsUnit) {
    form.selectUnit(FormField::Slot1Unit, 1);
    EXPECT_TRUE(router.deliver(circular("82.5", "3.248")).mainForm);
    EXPECT_EQ(form.kind(), (model::ElementKind{1, 1}));
    EXPECT_EQ(form.text(FormField::Slot1), "82.5");
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).current(), "mm");
    EXPECT_EQ(form.text(FormField::Designation), "DIN 2448");

    units = UnitSystem::Us;
    form.setText(FormField::Designation, "Line 4");
    router.deliver(circular("82.5", "3.248"));
    EXPECT_EQ(form.text(FormField::Slot1), "3.248");
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).current(), "in.");
    EXPECT_EQ(form.text(FormField::Designation), "Line 4");
}

TEST_F(TakeOverFixture, RectangularPipeFillsWidthAndHeight) {
    pipedata::PipeValues values{true, {"92.0", "3.622"}, {"42.0", "1.654"}, "DIN 59411"};
    router.deliver(values);
    EXPECT_EQ(form.kind(), (model::ElementKind{1, 2}));
    EXPECT_EQ(form.text(FormField::Slot1), "92.0");
    EXPECT_EQ(form.text(FormField::Slot2), "42.0");
}

// A standard bend: its kind, the slots with their units, the standard's name as designation.
TEST_F(TakeOverFixture, FittingSetsItsKindAndSlots) {
    pipedata::FittingValues bend{4, 1, {{"159.3", "mm"}, {"228.6", "mm"}, {"90", ""}}, "DIN 2605-1"};
    router.deliver(bend);
    EXPECT_EQ(form.kind(), (model::ElementKind{4, 1}));
    EXPECT_EQ(form.text(FormField::Slot1), "159.3");
    EXPECT_EQ(form.text(FormField::Slot2), "228.6");
    EXPECT_EQ(form.text(FormField::Slot3), "90");
    EXPECT_EQ(form.text(FormField::Designation), "DIN 2605-1");
}

// A maker's fitting: the known-zeta element, the size as diameter (its unit box untouched), the
// zeta, and maker + fitting as designation when the option is on.
TEST_F(TakeOverFixture, ZetaSetsUpTheKnownZetaElement) {
    pipedata::ZetaValues zeta{"CRANE", "Gate valve", "50", "0.16"};
    router.deliver(zeta);
    EXPECT_EQ(form.kind(), (model::ElementKind{12, 1}));
    EXPECT_EQ(form.text(FormField::Slot1), "50");
    EXPECT_EQ(form.text(FormField::Slot2), "0.16");
    EXPECT_EQ(form.text(FormField::Designation), "CRANE Gate valve");
    zeta.withDesignation = false;
    form.setText(FormField::Designation, "mine");
    router.deliver(zeta);
    EXPECT_EQ(form.text(FormField::Designation), "mine");
}

TEST_F(TakeOverFixture, RoughnessFillsTheEntryInMillimetres) {
    form.selectUnit(FormField::RoughnessUnit, 1);
    router.deliver(pipedata::RoughnessValues{"0.0015"});
    EXPECT_EQ(form.text(FormField::Roughness), "0.0015");
    EXPECT_EQ(form.unitBox(FormField::RoughnessUnit).current(), "mm");
    EXPECT_EQ(form.kind(), (model::ElementKind{4, 1}));
}

}  // namespace
}  // namespace velmora::workflow
