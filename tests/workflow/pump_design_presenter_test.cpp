#include <gtest/gtest.h>

#include "support/pump_design_entries.h"
#include "workflow/calc_inputs_filler.h"
#include "workflow/pump_design_inputs.h"
#include "workflow_test_support.h"

namespace velmora::workflow {
namespace {

using P = tools::PumpDesignPresenter;
using tools::PumpFitting;
using tools::PumpSide;
using testing::Language;

std::vector<std::string> linesOf(const std::string& text, char separator) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == separator) lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

int s(int entry) { return P::sideField(PumpSide::Suction, entry); }
int d(int entry) { return P::sideField(PumpSide::Discharge, entry); }

// The main form with a medium of its own and a calculation record filled from it, the pump
// design bound to the form's conversion, and the hand-worked design typed in.
struct PumpBench {
    explicit PumpBench(Language language = Language::German)
        : texts(testing::builtTexts(language)), form(texts), conversion(form), pump(texts, conversion) {
        form.applyFreshStartDefaults();
        form.setText(FormField::MediumName, "Glykol 30 %");
        form.setFlowQuantity(model::FlowQuantity::Mass);
        form.selectUnitLabel(FormField::FlowUnit, "kg/s");
        form.setText(FormField::Flow, "2,5");
        form.setViscosityQuantity(model::ViscosityQuantity::Kinematic);
        form.selectUnitLabel(FormField::ViscosityUnit, "cSt");
        form.setText(FormField::Viscosity, "3,1");
        form.setText(FormField::Slot1, "82,5");
        model::RecordingMessenger quiet;
        fillCalcInputs(form, quiet, inputs);
        pump.created(form.text(FormField::Slot1));
        pump.shown();
        velmora::testing::typeHandWorkedDesign(pump, texts.edition().decimalComma());
        formBefore = form;
        inputsBefore = inputs;
    }
    bool calculate() {
        messenger.clear();
        return pump.calculate(messenger);
    }
    void expectMainFormUntouched(const std::string& path) const {
        EXPECT_TRUE(form == formBefore) << path;
        EXPECT_TRUE(inputs == inputsBefore) << path;
    }
    const lang::TextCatalogue& texts;
    MainForm form;
    model::CalcInputs inputs;
    MainFormMediumConversion conversion;
    P pump;
    model::RecordingMessenger messenger;
    MainForm formBefore{texts};
    model::CalcInputs inputsBefore;
};

TEST(PumpDesignPresenter, HandWorkedDesignThroughTheWindowInGerman) {
    PumpBench bench;
    ASSERT_TRUE(bench.calculate());
    EXPECT_TRUE(bench.messenger.messages().empty());
    const tools::PumpReport& r = bench.pump.report();
    ASSERT_EQ(r.sides.size(), 14u);
    const std::vector<std::vector<std::string>> expected = {
        {"Behälterdruck in bar (abs):", "1,000", "1,000"},
        {"Druckverluste in bar", "", ""},
        {"Geodätische Höhe:", "0,196", "1,469"},  // a suction lift shows as a positive term
        {"Rohrreibung (k= 0,1 mm):", "0,016", "0,299"},
        {"90°-Bögen (2/0):", "0,010", "0"},
        {"Hähne (0/0):", "0", "0"},
        {"Ventile (0/0):", "0", "0"},
        {"Schieber (1/0):", "0,001", "0"},
        {"Rückschlagventile (0/1):", "0", "0,313"},
        {"Rückschlagklappen (0/0):", "0", "0"},
        {"/Filter (1):", "0", "0,058"},
        {"", "", ""},
        {"", "", ""},
        {"Druck am Pumpenstutzen in bar (abs):", "0,776", "3,139"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.sides[i].label, expected[i][0]) << "row " << i + 1;
        EXPECT_EQ(r.sides[i].suction, expected[i][1]) << "row " << i + 1;
        EXPECT_EQ(r.sides[i].discharge, expected[i][2]) << "row " << i + 1;
    }
    // dp 2.3630, H 24.146, NPSH 7.815, P 1.970 (pump_design_reference.py).
    ASSERT_EQ(r.totals.size(), 4u);
    EXPECT_EQ(r.totals[0].label, "Differenzdruck der Pumpe in bar:");
    EXPECT_EQ(r.totals[0].value, "2,363");
    EXPECT_EQ(r.totals[1].value, "24,1");
    EXPECT_EQ(r.totals[2].label, "NPSH-Wert der Anlage m:");
    EXPECT_EQ(r.totals[2].value, "7,8");
    EXPECT_EQ(r.totals[3].value, "2,0");
    bench.expectMainFormUntouched("calculation");
}

TEST(PumpDesignPresenter, UsOutputInEnglish) {
    PumpBench bench(Language::English);
    bench.pump.setSettings({.units = model::UnitSystem::Us, .decimals = 3});
    ASSERT_TRUE(bench.calculate());
    const tools::PumpReport& r = bench.pump.report();
    EXPECT_EQ(r.sides[0].label, "Tank pressure in psi (abs):");
    EXPECT_EQ(r.sides[0].suction, "14.504");
    EXPECT_EQ(r.totals[0].label, "Pump differential pressure in psi:");
    EXPECT_EQ(r.totals[0].value, "34.272");  // 2.36297 bar × 14.50377
    EXPECT_EQ(r.totals[1].label, "Head H in ft.:");
    EXPECT_EQ(r.totals[1].value, "79.2");  // 24.1457 m
    EXPECT_EQ(r.totals[2].label, "NPSH available ft.:");
    EXPECT_EQ(r.totals[3].label, "Hydraulic power in Hp:");
    EXPECT_EQ(r.totals[3].value, "2.6");  // 1.9702 kW
}

TEST(PumpDesignPresenter, CopyTextHasTabsAndCrLfAndEveryGroup) {
    PumpBench bench(Language::English);
    ASSERT_TRUE(bench.calculate());
    const std::string text = tools::pumpCopyText(bench.pump.report());
    const auto lines = linesOf(text, '\n');
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) ASSERT_EQ(lines[i].back(), '\r') << i;
    EXPECT_EQ(lines.back(), "");
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line + "\r") != lines.end();
    };
    EXPECT_TRUE(has("Pump quick design"));
    EXPECT_TRUE(has("Pump designation:\tP-101"));
    EXPECT_TRUE(has("Volume flow in m³/h:\t30"));
    EXPECT_TRUE(has("Dyn.viscos in 10-6 kg/ms:\t1002"));
    EXPECT_TRUE(has("Vapour pressure in bar:\t0.02339"));
    EXPECT_TRUE(has("Inputs\tSuction side\tDischarge side"));
    EXPECT_TRUE(has("Pipe inner diameter in mm:\t82.5\t70.3"));
    EXPECT_TRUE(has("Tank pressure in bar (abs):\t1.000\t1.000"));
    EXPECT_TRUE(has("Head H in m:\t24.1"));
    EXPECT_TRUE(has(""));
}

// Every refusal in its order: the message, the entry that gets the focus, no output, and the
// main form and the calculation record as they were.
TEST(PumpDesignPresenter, RefusalsNameTheirEntryAndLeaveTheMainFormAlone) {
    struct Case {
        const char* what;
        int entry;
        const char* typed;
        const char* named;  // in the message
    } cases[] = {
        {"empty flow", P::Flow, "", "\"Volumenstrom:\""},
        {"flow 0", P::Flow, "0", "\"Volumenstrom:\""},
        {"negative flow", P::Flow, "-3", "\"Volumenstrom:\""},
        {"density text", P::Density, "x", "\"Dichte:\""},
        {"density 0", P::Density, "0", "\"Dichte:\""},
        {"viscosity 0", P::Viscosity, "0", "\"Dyn.Viskos.\""},
        {"empty temperature", P::Temperature, "", "\"Temperatur:\""},
        {"temperature text", P::Temperature, "warm", "\"Temperatur:\""},
        {"empty vapour pressure", P::Vapour, "", "\"Dampfdruck:\""},
        {"vapour pressure 0", P::Vapour, "0", "\"Dampfdruck:\""},
        {"tank text", s(P::TankPressure), "1 bar", "\"Behälterdruck (abs.):\""},
        {"diameter 0", s(P::Diameter), "0", "\"Rohrinnendurchmesser:\""},
        {"diameter text", d(P::Diameter), "DN65", "\"Rohrinnendurchmesser:\""},
        {"negative length", s(P::Length), "-5", "\"Rohrlänge:\""},
        {"roughness text", P::Roughness, "glatt", "\"Rohr-Rauhigkeitswert:\""},
        {"height text", d(P::Height), "hoch", "\"Geodätische Höhe Hp:\""},
        {"count not whole", P::fittingField(PumpSide::Suction, PumpFitting::Bend), "1,5", "\"90°-Bögen:\""},
        {"count negative", P::fittingField(PumpSide::Discharge, PumpFitting::CheckFlap), "-1", "\"Rückschlagklappen:\""},
        {"further count", P::furtherField(PumpSide::Discharge, P::FurtherCount0, 0), "eins", "\"Anzahl 1\""},
        {"further zeta", P::furtherField(PumpSide::Discharge, P::FurtherZeta0, 0), "2,5a", "Widerstandsbeiwert Zeta 1!"},
    };
    for (const Case& c : cases) {
        PumpBench bench;
        bench.pump.form().setText(c.entry, c.typed);
        EXPECT_FALSE(bench.calculate()) << c.what;
        ASSERT_EQ(bench.messenger.messages().size(), 1u) << c.what;
        const model::UserMessage& m = bench.messenger.messages()[0];
        EXPECT_EQ(m.icon, model::MessageIcon::Error) << c.what;
        EXPECT_EQ(m.entry, c.entry) << c.what;
        EXPECT_NE(m.text.find(c.named), std::string::npos) << c.what << ": " << m.text;
        EXPECT_TRUE(bench.pump.report().sides.empty()) << c.what;
        bench.expectMainFormUntouched(c.what);
    }
}

TEST(PumpDesignPresenter, FurtherLossInTheSuctionTankUnit) {
    PumpBench bench;
    const int count = P::furtherField(PumpSide::Suction, P::FurtherCount0, 1);
    const int loss = P::furtherField(PumpSide::Suction, P::FurtherLoss0, 1);
    bench.pump.form().setText(count, "2");
    bench.pump.form().setText(loss, "0,1");
    ASSERT_TRUE(bench.calculate());
    EXPECT_NEAR(bench.pump.result().suction.further[1], 0.2L, 1e-15L);
    // In mbar, and with a gauge unit whose offset does not belong to a difference.
    for (auto [unit, typed, bar] : {std::tuple{"mbar", "100", 0.2L}, std::tuple{"psig", "1", 2 * 0.068947573L}}) {
        bench.pump.form().choice(s(P::TankUnit)).selectLabel(unit);
        bench.pump.chosen(s(P::TankUnit));
        EXPECT_EQ(bench.pump.form().caption(s(P::FurtherLossUnitLabel)), std::string("in ") + unit);
        bench.pump.form().setText(s(P::TankPressure), unit == std::string("mbar") ? "1000" : "0");
        bench.pump.form().setText(loss, typed);
        ASSERT_TRUE(bench.calculate()) << unit;
        EXPECT_NEAR(bench.pump.result().suction.further[1], bar, 1e-6L) << unit;
    }
    // psig tank: (0 + 14.7) psi absolute.
    EXPECT_NEAR(bench.pump.result().suction.tankPressure, 14.7L * 0.068947581976L, 1e-9L);
    // Typing a coefficient empties the loss, and the other way round.
    const int zeta = P::furtherField(PumpSide::Suction, P::FurtherZeta0, 1);
    bench.pump.form().setText(zeta, "3");
    bench.pump.edited(zeta);
    EXPECT_EQ(bench.pump.form().text(loss), "");
    bench.pump.form().setText(loss, "0,2");
    bench.pump.edited(loss);
    EXPECT_EQ(bench.pump.form().text(zeta), "");
}

TEST(PumpDesignPresenter, NoticesDoNotStopTheDesign) {
    PumpBench bench;
    auto& f = bench.pump.form();
    f.setText(P::Viscosity, "80000");  // 80 mPa s: laminar suction and discharge, viscous
    ASSERT_TRUE(bench.calculate());
    const auto& m = bench.messenger.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_NE(m[0].text.find("Saugseite"), std::string::npos);
    EXPECT_NE(m[1].text.find("Druckseite"), std::string::npos);
    EXPECT_NE(m[2].text.find("39 mPa s"), std::string::npos);
    EXPECT_EQ(bench.pump.report().sides[3].label, "Rohrreibung (k= -):");
    // A laminar design does not read the roughness at all.
    f.setText(P::Roughness, "glatt");
    EXPECT_TRUE(bench.calculate());

    // A suction lift too high for the tank: pS negative, a warning, the values all the same.
    f.setText(P::Viscosity, "1002");
    f.setText(P::Roughness, "0,1");
    f.setText(s(P::Height), "-12");
    ASSERT_TRUE(bench.calculate());
    ASSERT_EQ(bench.messenger.messages().size(), 1u);
    EXPECT_EQ(bench.messenger.messages()[0].icon, model::MessageIcon::Warning);
    EXPECT_TRUE(bench.pump.report().negativeSuctionPressure);
    EXPECT_EQ(bench.pump.report().sides[13].suction.front(), '-');
    bench.expectMainFormUntouched("notices");
}

TEST(PumpDesignPresenter, UseDataOfTheMainWindowOnlyReadsIt) {
    PumpBench bench;
    bench.pump.useMainForm(pumpMediumEntries(bench.form));
    const auto& f = bench.pump.form();
    EXPECT_EQ(f.text(P::MediumName), "Glykol 30 %");
    EXPECT_EQ(f.index(P::FlowQuantity), 1);
    EXPECT_EQ(f.current(P::FlowUnit), "kg/s");
    EXPECT_EQ(f.text(P::Flow), "2,5");
    EXPECT_EQ(f.index(P::ViscosityQuantity), 1);
    EXPECT_EQ(f.current(P::ViscosityUnit), "cSt");
    EXPECT_EQ(f.text(P::Viscosity), "3,1");
    ASSERT_TRUE(bench.calculate());
    // 2.5 kg/s of 998.2 kg/m³ is 9.0162 m³/h; 3.1 cSt is 3094.4 10⁻⁶ kg/(m·s).
    const auto& r = bench.pump.result();
    EXPECT_NEAR(r.suction.velocity, 2.5L / 998.2L / (3.14159265358979L * 0.0825L * 0.0825L / 4), 1e-9L);
    EXPECT_NEAR(r.suction.reynolds, r.suction.velocity * 0.0825L / 3.1e-6L, 1e-6L);
    bench.expectMainFormUntouched("use main form");
    EXPECT_EQ(bench.pump.form().text(s(P::Diameter)), "82,5");  // preset from Va1_Edit at creation
}

TEST(PumpDesignPresenter, DataDialogsWriteIntoThePageInFrontThroughTheRouter) {
    PumpBench bench;
    struct MainTarget : pipedata::TakeOverTarget {
        int taken = 0;
        bool takePipe(const pipedata::PipeValues&) override { return ++taken, true; }
    } mainForm;
    pipedata::TakeOverRouter router;
    router.setMainForm(&mainForm);
    router.opened(pipedata::TakeOverRole::PumpDesign, &bench.pump);
    auto& f = bench.pump.form();

    f.choice(P::Page).select(1);
    const pipedata::PipeValues dn50{.rectangular = false, .inside = {"54,5", "2,146"}, .insideHeight = {}, .designation = ""};
    EXPECT_EQ(router.deliver(dn50).windows, std::vector{pipedata::TakeOverRole::PumpDesign});
    EXPECT_EQ(f.text(d(P::Diameter)), "54,5");
    EXPECT_EQ(f.text(s(P::Diameter)), "82,5");
    bench.pump.setSettings({.units = model::UnitSystem::Us, .decimals = 3});
    f.choice(P::Page).select(0);
    router.deliver(dn50);
    EXPECT_EQ(f.text(s(P::Diameter)), "2,146");
    EXPECT_EQ(f.current(s(P::DiameterUnit)), "in.");
    // A duct is no pipe of this tool: the main form takes it.
    const pipedata::PipeValues duct{.rectangular = true, .inside = {"200", "7,874"}, .insideHeight = {"100", "3,937"}, .designation = ""};
    EXPECT_TRUE(router.deliver(duct).mainForm);
    EXPECT_EQ(mainForm.taken, 1);

    f.choice(P::Page).select(1);
    f.setText(P::furtherField(PumpSide::Discharge, P::FurtherLoss0, 2), "0,3");
    pipedata::ZetaValues filter{.maker = "Hersteller", .fitting = "Schmutzfänger", .sizeText = "DN 65",
                                .zetaText = "4,2", .withDesignation = true, .pumpRows = {false, true, true}};
    EXPECT_TRUE(router.deliver(filter).taken());
    for (int e : {1, 2}) {
        EXPECT_EQ(f.text(P::furtherField(PumpSide::Discharge, P::FurtherName0, e)), "Schmutzfänger");
        EXPECT_EQ(f.text(P::furtherField(PumpSide::Discharge, P::FurtherZeta0, e)), "4,2");
    }
    EXPECT_EQ(f.text(P::furtherField(PumpSide::Discharge, P::FurtherLoss0, 2)), "");
    EXPECT_EQ(f.text(P::furtherField(PumpSide::Discharge, P::FurtherName0, 0)), "Filter");
    EXPECT_EQ(f.text(P::furtherField(PumpSide::Suction, P::FurtherName0, 1)), "");

    f.choice(P::RoughnessUnit).select(1);
    EXPECT_TRUE(router.deliver(pipedata::RoughnessValues{"0,05"}).taken());
    EXPECT_EQ(f.text(P::Roughness), "0,05");
    EXPECT_EQ(f.current(P::RoughnessUnit), "mm");

    bench.pump.takeVapourPressure("0,0234", "20");
    EXPECT_EQ(f.text(P::Vapour), "0,0234");
    EXPECT_EQ(f.current(P::VapourUnit), "bar");
    bench.expectMainFormUntouched("take-over");
}

TEST(PumpDesignPresenter, InformationAndTitle) {
    PumpBench bench(Language::English);
    const model::UserMessage info = bench.pump.informationMessage();
    EXPECT_EQ(info.icon, model::MessageIcon::Information);
    const auto paragraphs = linesOf(info.text, '\r');
    ASSERT_EQ(paragraphs.size(), 10u);  // nine paragraphs and the empty line after the second
    EXPECT_EQ(paragraphs[2], "");
    EXPECT_EQ(bench.pump.form().caption(P::WindowTitle), "Pump quick design");
    EXPECT_EQ(bench.pump.form().output(P::Picture), "PUMPEN_AUSLEGUNG_E.bmp");
}

}  // namespace
}  // namespace velmora::workflow
