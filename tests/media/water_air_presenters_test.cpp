// The water, steam and air dialogs through their presenters: what they show, what they take over
// into the main form and what they refuse. Reference values from python3-iapws (IAPWS97 and the
// Lemmon et al. air equation of iapws.humidAir), worked out beside each case.
#include <gtest/gtest.h>

#include "lang/dialog_messages.h"
#include "media/air_presenters.h"
#include "media/water_steam_presenters.h"
#include "media_dialog_support.h"
#include "model/number_text.h"
#include "model/water_air_window_text.h"

namespace velmora::media {
namespace {

using model::GlobalText;
using model::MessageIcon;

constexpr MediumOutput metricComma{model::UnitSystem::Metric, true};
constexpr MediumOutput metricPoint{model::UnitSystem::Metric, false};
constexpr MediumOutput usPoint{model::UnitSystem::Us, false};

Real number(const std::string& text) {
    return model::readNumber(text).value_or(-1e30L);
}

int decimalsOf(const std::string& text) {
    const auto mark = text.find_first_of(",.");
    return mark == std::string::npos ? 0 : static_cast<int>(text.size() - mark - 1);
}

// ---- General water and steam ----

using G = WaterSteamField;

void enter(WaterSteamPresenter& p, const std::string& pressure, const std::string& temperature,
           const std::string& temperatureUnit = "°C") {
    p.form().setText(static_cast<int>(G::Pressure), pressure);
    p.form().setText(static_cast<int>(G::Temperature), temperature);
    p.form().choice(static_cast<int>(G::TemperatureUnit)).selectLabel(temperatureUnit);
}

TEST(WaterSteamDialog, LiquidAndSteamStatesShowIf97ValuesAndTakeOverByRegion) {
    WaterSteamPresenter p{testing::germanTexts()};
    model::RecordingMessenger messages;
    p.show(metricComma);
    EXPECT_EQ(p.form().text(static_cast<int>(G::Pressure)), "1,013");
    EXPECT_FALSE(p.form().enabled(static_cast<int>(G::TakeOver)));

    // 20 °C, 1.013 bar: region 1, IF97 998.2061 kg/m³, 1001.6 µPa·s (2008 release; 1985 within 0.5 %).
    enter(p, "1,013", "20");
    p.calculate(messages);
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(G::Density)), "998,206");
    EXPECT_EQ(decimalsOf(p.form().output(static_cast<int>(G::Volume))), 6);  // v ≤ 1 m³/kg
    EXPECT_NEAR(number(p.form().output(static_cast<int>(G::Volume))), 0.0010018L, 1e-6L);
    EXPECT_NEAR(number(p.form().output(static_cast<int>(G::Viscosity))), 1001.6L, 5.0L);
    EXPECT_EQ(decimalsOf(p.form().output(static_cast<int>(G::Viscosity))), 2);
    EXPECT_TRUE(p.form().enabled(static_cast<int>(G::TakeOver)));
    const auto liquid = p.takeOver();
    ASSERT_TRUE(liquid);
    EXPECT_EQ(liquid->mediumText, "Wasser (1,013 bar, 20 °C)");
    EXPECT_EQ(liquid->state, model::MediumState::Liquid);
    EXPECT_EQ(liquid->density, (TextWithUnit{"998,206", "kg/m³"}));
    EXPECT_EQ(liquid->viscosity->unit, "10-6 kg/ms");
    EXPECT_FALSE(liquid->inletPressure);  // a liquid leaves the gas entries alone

    // 200 °C, 10 bar: region 2, IF97 4.85428 kg/m³, v 0.206004 m³/kg, 15.876 µPa·s.
    enter(p, "10", "200");
    p.edited(G::Pressure);
    EXPECT_FALSE(p.form().enabled(static_cast<int>(G::TakeOver)));
    p.calculate(messages);
    EXPECT_NEAR(number(p.form().output(static_cast<int>(G::Density))), 4.85428L, 5e-4L);
    EXPECT_EQ(decimalsOf(p.form().output(static_cast<int>(G::Density))), 3);
    EXPECT_EQ(p.form().output(static_cast<int>(G::Volume)), "0,206004");
    EXPECT_NEAR(number(p.form().output(static_cast<int>(G::Viscosity))), 15.876L, 0.1L);
    const auto steam = p.takeOver();
    ASSERT_TRUE(steam);
    EXPECT_EQ(steam->state, model::MediumState::Gas);
    EXPECT_EQ(steam->inletPressure, (TextWithUnit{"10", "bar"}));
    EXPECT_EQ(steam->inletTemperature, (TextWithUnit{"200", "°C"}));
    EXPECT_EQ(steam->outletTemperature, steam->inletTemperature);
}

TEST(WaterSteamDialog, UsOutputConvertsAndShowingAgainClearsTheResult) {
    WaterSteamPresenter p{testing::englishTexts()};
    model::RecordingMessenger messages;
    p.show(usPoint);
    EXPECT_EQ(p.form().text(static_cast<int>(G::Pressure)), "1.013");
    EXPECT_EQ(p.form().caption(static_cast<int>(G::DensityCaption)), "Density in lb./cu.ft.:");
    enter(p, "1.013", "68", "degF");  // 68 °F = 20 °C
    p.calculate(messages);
    // 998.206 kg/m³ = 62.3159 lb./cu.ft.; 1.00180e-3 m³/kg = 0.016047 cu.ft./lb.; ≈ 1.0016 cP.
    EXPECT_EQ(p.form().output(static_cast<int>(G::Density)), "62.3159");
    EXPECT_EQ(p.form().output(static_cast<int>(G::Volume)), "0.01605");
    EXPECT_NEAR(number(p.form().output(static_cast<int>(G::Viscosity))), 1.0016L, 0.005L);
    EXPECT_EQ(p.takeOver()->density, (TextWithUnit{"62.3159", "lb./cu.ft."}));
    EXPECT_EQ(p.takeOver()->viscosity->unit, "cP");
    p.show(usPoint);
    EXPECT_TRUE(p.form().output(static_cast<int>(G::Density)).empty());
    EXPECT_FALSE(p.takeOver());
    EXPECT_EQ(p.form().text(static_cast<int>(G::Temperature)), "68");  // entries are kept
}

TEST(WaterSteamDialog, RefusalsNameTheirEntryAndLeaveNoResult) {
    const lang::TextCatalogue& texts = testing::englishTexts();
    const std::string outside = texts.text(GlobalText::ValueOutsideValidity);
    struct Row {
        const char* name;
        const char* pressure;
        const char* temperature;
        MessageIcon icon;
        std::string text;
        G focus;
    };
    const Row rows[] = {
        {"temperature not a number", "1", "2o", MessageIcon::Error,
         texts.text(GlobalText::InvalidNumber) + "\r\"Temperature:\"!", G::Temperature},
        {"pressure not a number", "1..0", "20", MessageIcon::Error,
         texts.text(GlobalText::InvalidNumber) + "\r\"Pressure (abs.):\"!", G::Pressure},
        {"850 °C above 100 bar", "100.1", "850", MessageIcon::None, outside, G::Pressure},
        {"below 0 °C", "1", "-1", MessageIcon::None, outside, G::Pressure},
        {"zero pressure", "0", "20", MessageIcon::None, outside, G::Pressure},
        {"above 1000 bar", "1000.1", "20", MessageIcon::None, outside, G::Pressure},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaterSteamPresenter p{texts};
        model::RecordingMessenger messages;
        p.show(metricPoint);
        enter(p, row.pressure, row.temperature);
        p.calculate(messages);
        ASSERT_EQ(messages.messages().size(), 1U);
        EXPECT_EQ(messages.messages()[0].icon, row.icon);
        EXPECT_EQ(messages.messages()[0].text, row.text);
        EXPECT_EQ(messages.messages()[0].entry, static_cast<int>(row.focus));
        EXPECT_TRUE(p.form().output(static_cast<int>(G::Density)).empty());
        EXPECT_FALSE(p.takeOver());
    }
}

// ---- Saturated water and steam ----

using S = WaterSaturationField;

TEST(WaterSaturationDialog, GivenTemperatureOrPressureShowsBothPhases) {
    WaterSaturationPresenter p{testing::englishTexts()};
    model::RecordingMessenger messages;
    p.show(metricPoint);
    EXPECT_TRUE(p.form().enabled(static_cast<int>(S::Temperature)));
    EXPECT_FALSE(p.form().enabled(static_cast<int>(S::Pressure)));
    EXPECT_EQ(p.form().caption(static_cast<int>(S::ResultCaption)), "Pressure in bar:");

    // 100 °C: ps 1.01418 bar, ρ′ 958.354, ρ″ 0.598136 kg/m³ (IF97).
    p.form().setText(static_cast<int>(S::Temperature), "100");
    p.calculate(messages);
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(S::Result)), "1.01418");
    EXPECT_EQ(p.form().output(static_cast<int>(S::LiquidDensity)), "958.354");
    EXPECT_EQ(p.form().output(static_cast<int>(S::VapourDensity)), "0.598136");
    EXPECT_NEAR(number(p.form().output(static_cast<int>(S::VapourVolume))), 1 / 0.598136L, 2e-5L);
    EXPECT_EQ(decimalsOf(p.form().output(static_cast<int>(S::VapourVolume))), 5);
    EXPECT_NEAR(number(p.form().output(static_cast<int>(S::LiquidViscosity))), 281.6L, 1.5L);
    const auto vapour = p.takeVapour();
    ASSERT_TRUE(vapour);
    EXPECT_EQ(vapour->mediumText, "Saturated steam (100 °C)");
    EXPECT_EQ(vapour->state, model::MediumState::Gas);
    EXPECT_EQ(vapour->inletPressure, (TextWithUnit{"1.01418", "bar"}));
    EXPECT_EQ(vapour->inletTemperature, (TextWithUnit{"100", "°C"}));
    EXPECT_EQ(p.takeLiquid()->state, model::MediumState::Liquid);
    EXPECT_EQ(p.takeLiquid()->density, (TextWithUnit{"958.354", "kg/m³"}));

    // Choosing the pressure empties both entries and turns the enabled entry round.
    p.form().choice(static_cast<int>(S::Given)).select(1);
    p.chosen(S::Given);
    EXPECT_TRUE(p.form().text(static_cast<int>(S::Temperature)).empty());
    EXPECT_FALSE(p.form().enabled(static_cast<int>(S::Temperature)));
    EXPECT_TRUE(p.form().enabled(static_cast<int>(S::Pressure)));
    EXPECT_EQ(p.givenEntry(), S::Pressure);
    EXPECT_FALSE(p.takeVapour());
    EXPECT_EQ(p.form().caption(static_cast<int>(S::ResultCaption)), "Temperature in °C:");

    // 10 bar: Ts 179.89 °C, ρ″ 5.14539 kg/m³ (IF97).
    p.form().setText(static_cast<int>(S::Pressure), "10");
    p.calculate(messages);
    EXPECT_EQ(p.form().output(static_cast<int>(S::Result)), "179.9");
    EXPECT_EQ(p.form().output(static_cast<int>(S::VapourDensity)), "5.14539");
    const auto steam = p.takeVapour();
    EXPECT_EQ(steam->mediumText, "Saturated steam (10 bar)");
    EXPECT_EQ(steam->inletPressure, (TextWithUnit{"10", "bar"}));
    EXPECT_EQ(steam->inletTemperature, (TextWithUnit{"179.9", "°C"}));
}

TEST(WaterSaturationDialog, RangeEndsAndUsUnits) {
    struct Row {
        const char* name;
        int given;  // 0 temperature, 1 pressure
        const char* entry;
        bool accepted;
    };
    const Row rows[] = {
        {"373 °C accepted", 0, "373", true},      {"374 °C refused", 0, "374", false},
        {"0 °C accepted", 0, "0", true},          {"-0.1 °C refused", 0, "-0.1", false},
        {"0.007 bar accepted", 1, "0.007", true}, {"0.0069 bar refused", 1, "0.0069", false},
        {"220 bar accepted", 1, "220", true},     {"220.1 bar refused", 1, "220.1", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaterSaturationPresenter p{testing::englishTexts()};
        model::RecordingMessenger messages;
        p.show(metricPoint);
        p.form().choice(static_cast<int>(S::Given)).select(row.given);
        p.chosen(S::Given);
        p.form().setText(static_cast<int>(p.givenEntry()), row.entry);
        p.calculate(messages);
        EXPECT_EQ(p.takeLiquid().has_value(), row.accepted);
        if (!row.accepted) {
            ASSERT_EQ(messages.messages().size(), 1U);
            EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Information);
            EXPECT_EQ(messages.messages()[0].entry, static_cast<int>(p.givenEntry()));
        }
    }
    // US output: 100 °C gives 14.70948 psi; the vapour goes over with "psia".
    WaterSaturationPresenter us{testing::englishTexts()};
    model::RecordingMessenger messages;
    us.show(usPoint);
    EXPECT_EQ(us.form().caption(static_cast<int>(S::ResultCaption)), "Pressure in psi:");
    us.form().setText(static_cast<int>(S::Temperature), "100");
    us.calculate(messages);
    EXPECT_NEAR(number(us.form().output(static_cast<int>(S::Result))), 1.0141798L / 0.068947581976L, 2e-5L);
    EXPECT_EQ(us.takeVapour()->inletPressure->unit, "psia");
}

// ---- Dry air ----

using D = DryAirField;

TEST(DryAirDialog, StatesAndTheirTransfers) {
    DryAirPresenter p{testing::germanTexts()};
    model::RecordingMessenger messages;
    p.show(metricComma);
    EXPECT_EQ(p.form().text(static_cast<int>(D::Pressure)), "1,0");

    // 20 °C, 1 bar: gaseous, 1.18853 kg/m³ with the equation's molar mass 28.9586 g/mol (iapws'
    // Air gives 1.18882 with 28.96546), 18.205 µPa·s (Lemmon and Jacobsen).
    p.form().setText(static_cast<int>(D::Temperature), "20");
    p.calculate(messages);
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(D::State)), "gasförmig");
    EXPECT_EQ(p.form().output(static_cast<int>(D::Density)), "1,1885");
    EXPECT_NEAR(number(p.form().output(static_cast<int>(D::Viscosity))), 18.205L, 0.01L);
    const auto gas = p.takeOver();
    ASSERT_TRUE(gas);
    EXPECT_EQ(gas->mediumText, "Luft (1,0 bar, 20 °C)");
    EXPECT_EQ(gas->state, model::MediumState::Gas);
    EXPECT_EQ(gas->inletPressure, (TextWithUnit{"1,0", "bar"}));
    EXPECT_EQ(gas->outletTemperature, (TextWithUnit{"20", "°C"}));

    // 80 K, 10 bar: liquid, 872.40 kg/m³.
    p.form().setText(static_cast<int>(D::Pressure), "10");
    p.form().setText(static_cast<int>(D::Temperature), "80");
    p.form().choice(static_cast<int>(D::TemperatureUnit)).selectLabel("K");
    p.chosen(D::TemperatureUnit);
    p.calculate(messages);
    EXPECT_EQ(p.form().output(static_cast<int>(D::State)), "flüssig");
    EXPECT_NEAR(number(p.form().output(static_cast<int>(D::Density))), 872.40L, 0.5L);
    EXPECT_EQ(p.takeOver()->state, model::MediumState::Liquid);
    EXPECT_FALSE(p.takeOver()->inletPressure);

    // 50 K, 10 bar: solid, nothing to take over.
    p.form().setText(static_cast<int>(D::Temperature), "50");
    p.calculate(messages);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(D::State)), "fest");
    EXPECT_TRUE(p.form().output(static_cast<int>(D::Density)).empty());
    EXPECT_FALSE(p.form().enabled(static_cast<int>(D::TakeOver)));
    EXPECT_FALSE(p.takeOver());
}

TEST(DryAirDialog, RefusalsInTheOrderOfTheEntries) {
    const lang::TextCatalogue& texts = testing::englishTexts();
    const std::string& temperatureRange =
        lang::blockText(texts, model::kDryAirBlock, model::DryAirText::TemperatureRange);
    const std::string& pressureRange =
        lang::blockText(texts, model::kDryAirBlock, model::DryAirText::PressureRange);
    struct Row {
        const char* name;
        const char* pressure;
        const char* temperature;
        std::string text;
        D focus;
    };
    const Row rows[] = {
        {"2000.1 K refused", "1", "2000.1", temperatureRange, D::Temperature},
        {"the temperature first, before an unreadable pressure", "x", "3000", temperatureRange,
         D::Temperature},
        {"pressure not a number", "x", "2000",
         texts.text(GlobalText::InvalidNumber) + "\r\"Pressure (abs.):\"!", D::Pressure},
        {"20 000.1 bar refused", "20000.1", "300", pressureRange, D::Pressure},
        {"0 bar refused", "0", "300", pressureRange, D::Pressure},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DryAirPresenter p{texts};
        model::RecordingMessenger messages;
        p.show(metricPoint);
        p.form().setText(static_cast<int>(D::Pressure), row.pressure);
        p.form().setText(static_cast<int>(D::Temperature), row.temperature);
        p.form().choice(static_cast<int>(D::TemperatureUnit)).selectLabel("K");
        p.calculate(messages);
        ASSERT_EQ(messages.messages().size(), 1U);
        EXPECT_EQ(messages.messages()[0].text, row.text);
        EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(messages.messages()[0].entry, static_cast<int>(row.focus));
        EXPECT_FALSE(p.takeOver());
    }
}

// ---- Humid air ----

using H = HumidAirField;

void enter(HumidAirPresenter& p, const char* pressure, const char* temperature, int kind,
           const char* humidity) {
    p.form().setText(static_cast<int>(H::Pressure), pressure);
    p.form().setText(static_cast<int>(H::Temperature), temperature);
    p.form().choice(static_cast<int>(H::HumidityKind)).select(kind);
    p.form().setText(static_cast<int>(H::Humidity), humidity);
}

TEST(HumidAirDialog, SaturatedAndHotAirAndTheTransfer) {
    HumidAirPresenter p{testing::englishTexts()};
    model::RecordingMessenger messages;
    p.show(metricPoint);
    EXPECT_EQ(p.form().text(static_cast<int>(H::Pressure)), "1.013");

    enter(p, "1.013", "20", 0, "100");
    p.calculate(messages);
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(H::Degree)), "1.00");
    EXPECT_EQ(p.form().output(static_cast<int>(H::Relative)), "100.0");
    // ps(20 °C) = 23.39 mbar: x = 0.6222·23.39/(1013 − 23.39) = 0.0147; dew point 20 °C.
    EXPECT_EQ(p.form().output(static_cast<int>(H::Content)), "0.0147");
    EXPECT_EQ(p.form().output(static_cast<int>(H::DewPoint)), "20.0");
    const auto transfer = p.takeOver();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->mediumText, "Air (1.013 bar, 20 °C, Relative humidity in %: 100.0)");
    EXPECT_EQ(transfer->state, model::MediumState::Gas);
    EXPECT_EQ(transfer->inletPressure, (TextWithUnit{"1.013", "bar"}));

    // Changing the kind of humidity keeps the result; changing an entry clears it.
    p.form().choice(static_cast<int>(H::HumidityKind)).select(1);
    p.chosen(H::HumidityKind);
    EXPECT_TRUE(p.takeOver());
    p.edited(H::Humidity);
    EXPECT_FALSE(p.takeOver());

    // 150 °C, 1.013 bar: ps 4.76 bar lies above p, so xs and ψ have no value.
    enter(p, "1.013", "150", 0, "10");
    p.calculate(messages);
    EXPECT_EQ(p.form().output(static_cast<int>(H::SaturationContent)), "-");
    EXPECT_EQ(p.form().output(static_cast<int>(H::Degree)), "-");
}

TEST(HumidAirDialog, HumidityAndRangeRefusals) {
    const lang::TextCatalogue& texts = testing::englishTexts();
    const auto block = [&](model::HumidAirText t) {
        return lang::blockText(texts, model::kHumidAirBlock, t);
    };
    struct Row {
        const char* name;
        const char* pressure;
        const char* temperature;
        int kind;
        const char* humidity;
        std::string text;
        H focus;
    };
    const Row rows[] = {
        {"moisture content beyond saturation", "1.013", "20", 1, "0.02",
         block(model::HumidAirText::HumidityRange), H::Humidity},
        {"relative humidity above 100 %", "1.013", "20", 0, "100.1",
         block(model::HumidAirText::HumidityRange), H::Humidity},
        {"relative humidity 0", "1.013", "20", 0, "0", block(model::HumidAirText::HumidityRange),
         H::Humidity},
        {"200.1 °C", "1.013", "200.1", 0, "50", block(model::HumidAirText::TemperatureRange), H::Temperature},
        {"100.1 bar", "100.1", "20", 0, "50", block(model::HumidAirText::PressureRange), H::Pressure},
        {"the pressure range before an unreadable humidity", "100.1", "20", 0, "x",
         block(model::HumidAirText::PressureRange), H::Pressure},
        {"humidity not a number", "1", "20", 0, "x",
         texts.text(GlobalText::InvalidNumber) + "\r\"Relative humidity in %:\"!", H::Humidity},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HumidAirPresenter p{texts};
        model::RecordingMessenger messages;
        p.show(metricPoint);
        enter(p, row.pressure, row.temperature, row.kind, row.humidity);
        p.calculate(messages);
        ASSERT_EQ(messages.messages().size(), 1U);
        EXPECT_EQ(messages.messages()[0].text, row.text);
        EXPECT_EQ(messages.messages()[0].entry, static_cast<int>(row.focus));
        EXPECT_FALSE(p.takeOver());
    }
}

// ---- Saturated air ----

using A = SaturatedAirField;

TEST(SaturatedAirDialog, RangeEndsAndTheVapourTransfer) {
    struct Row {
        const char* temperature;
        bool accepted;
    };
    for (const Row row : {Row{"60", true}, Row{"132", true}, Row{"59.9", false}, Row{"132.1", false}}) {
        SCOPED_TRACE(row.temperature);
        SaturatedAirPresenter p{testing::englishTexts()};
        model::RecordingMessenger messages;
        p.show(metricPoint);
        p.form().setText(static_cast<int>(A::Temperature), row.temperature);
        p.form().choice(static_cast<int>(A::TemperatureUnit)).selectLabel("K");
        p.calculate(messages);
        EXPECT_EQ(p.takeVapour().has_value(), row.accepted);
        EXPECT_EQ(messages.messages().size(), row.accepted ? 0U : 1U);
    }
    SaturatedAirPresenter p{testing::englishTexts()};
    model::RecordingMessenger messages;
    p.show(metricPoint);
    p.form().choice(static_cast<int>(A::TemperatureUnit)).selectLabel("K");
    // Air boils at 1 atm from its bubble point 78.903 K to its dew point 81.72 K (Lemmon et al. 2000).
    p.form().setText(static_cast<int>(A::Temperature), "78.903");
    p.calculate(messages);
    EXPECT_NEAR(number(p.form().output(static_cast<int>(A::LiquidPressure))), 1.01325L, 0.01L);
    p.form().setText(static_cast<int>(A::Temperature), "81.72");
    p.calculate(messages);
    EXPECT_NEAR(number(p.form().output(static_cast<int>(A::VapourPressure))), 1.01325L, 0.01L);
    p.form().setText(static_cast<int>(A::Temperature), "80");
    p.calculate(messages);
    // Air is a mixture: at one temperature the bubble pressure (liquid column) lies above the dew pressure.
    EXPECT_GT(number(p.form().output(static_cast<int>(A::LiquidPressure))),
              number(p.form().output(static_cast<int>(A::VapourPressure))));
    const auto vapour = p.takeVapour();
    EXPECT_EQ(vapour->inletPressure,
              (TextWithUnit{p.form().output(static_cast<int>(A::VapourPressure)), "bar"}));
    EXPECT_EQ(vapour->inletTemperature, (TextWithUnit{"80", "K"}));
    EXPECT_EQ(vapour->mediumText, "Saturated air vapour (80 K)");
    EXPECT_EQ(p.takeLiquid()->mediumText, "Liquid air (80 K)");
    p.edited(A::Temperature);
    EXPECT_FALSE(p.form().enabled(static_cast<int>(A::TakeLiquid)));
}

}  // namespace
}  // namespace velmora::media
