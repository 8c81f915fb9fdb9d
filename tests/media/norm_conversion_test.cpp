// The standard-to-operating volume flow conversion dialog through its presenter.
#include <gtest/gtest.h>

#include "lang/dialog_messages.h"
#include "media/norm_conversion_presenter.h"
#include "media_dialog_support.h"
#include "model/norm_conversion_window_text.h"

namespace velmora::media {
namespace {

using F = NormConversionField;

void enter(NormConversionPresenter& p, const char* flow, const char* unit) {
    p.form().setText(static_cast<int>(F::Flow), flow);
    p.form().choice(static_cast<int>(F::FlowUnit)).selectLabel(unit);
}

TEST(NormConversionDialog, StandardStateAndTwiceTheTemperatureAtTwiceThePressure) {
    NormConversionPresenter p{testing::germanTexts()};
    model::RecordingMessenger messages;
    p.show(true, 3, {"0", "°C"}, {"1,01325", "bar"});
    EXPECT_EQ(p.form().current(static_cast<int>(F::FlowUnit)), "Nm³/h");
    enter(p, "100", "Nm³/h");
    p.calculate(messages);
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(F::Result)), "100,000 m³/h");
    // 100 m³/h = 100/0.158987·42/60 = 440.2876 US gal/min.
    EXPECT_EQ(p.form().output(static_cast<int>(F::ResultGallons)), "(= 440,288 gal/min)");

    // The main form's gas entries arrive on showing: 273.15 °C and 2.0265 bar give 100 m³/h again.
    p.show(true, 3, {"273,15", "°C"}, {"2,0265", "bar"});
    EXPECT_TRUE(p.form().output(static_cast<int>(F::Result)).empty());
    EXPECT_EQ(p.form().text(static_cast<int>(F::Pressure)), "2,0265");
    p.calculate(messages);
    EXPECT_EQ(p.form().output(static_cast<int>(F::Result)), "100,000 m³/h");

    // 10 Nm³/min go over as 10 m³/min with the gas entries.
    enter(p, "5", "Nm³/min");
    p.form().setText(static_cast<int>(F::Temperature), "0");
    p.form().setText(static_cast<int>(F::Pressure), "0,506625");
    p.edited(F::Pressure);
    EXPECT_FALSE(p.takeOver());
    p.calculate(messages);
    const auto transfer = p.takeOver();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->flow, (TextWithUnit{"10,000", "m³/min"}));
    EXPECT_EQ(transfer->medium.state, model::MediumState::Gas);
    EXPECT_EQ(transfer->medium.inletPressure, (TextWithUnit{"0,506625", "bar"}));
    EXPECT_EQ(transfer->medium.inletTemperature, (TextWithUnit{"0", "°C"}));
    EXPECT_FALSE(transfer->medium.density);
}

TEST(NormConversionDialog, EntriesThatCannotBeUsedNameTheirLabel) {
    const lang::TextCatalogue& texts = testing::englishTexts();
    const auto label = [&](model::NormConversionText t) {
        return lang::blockText(texts, model::kNormConversionBlock, t);
    };
    struct Row {
        const char* name;
        const char* flow;
        const char* temperature;
        const char* pressure;
        const char* pressureUnit;
        std::string label;  // empty: accepted
        F focus;
    };
    const Row rows[] = {
        {"zero flow", "0", "20", "1", "bar", label(model::NormConversionText::FlowLabel), F::Flow},
        {"flow not a number", "1o", "20", "1", "bar", label(model::NormConversionText::FlowLabel), F::Flow},
        {"temperature not a number", "10", "x", "1", "bar",
         label(model::NormConversionText::TemperatureLabel), F::Temperature},
        {"zero pressure in bar", "10", "20", "0", "bar", label(model::NormConversionText::PressureLabel),
         F::Pressure},
        {"zero gauge pressure is 14.7 psi", "10", "20", "0", "psig", "", F::Pressure},
        {"an empty temperature reads as 0 °C", "10", "", "1", "bar", "", F::Temperature},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        NormConversionPresenter p{texts};
        model::RecordingMessenger messages;
        p.show(false, 3, {row.temperature, "°C"}, {row.pressure, row.pressureUnit});
        enter(p, row.flow, "Nm³/h");
        p.calculate(messages);
        if (row.label.empty()) {
            EXPECT_TRUE(messages.messages().empty());
            EXPECT_TRUE(p.takeOver());
            continue;
        }
        ASSERT_EQ(messages.messages().size(), 1U);
        EXPECT_EQ(messages.messages()[0].text, lang::numberEntryError(texts, row.label, 0).text);
        EXPECT_EQ(messages.messages()[0].entry, static_cast<int>(row.focus));
        EXPECT_FALSE(p.takeOver());
    }
}

}  // namespace
}  // namespace velmora::media
