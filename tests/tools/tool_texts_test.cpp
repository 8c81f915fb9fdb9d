#include <gtest/gtest.h>

#include "tools/channel_presenters.h"
#include "tools/converter_presenters.h"
#include "tools/nominal_diameter_presenter.h"
#include "tools/orifice_presenter.h"
#include "tools/outflow_presenters.h"
#include "tools/pipe_content.h"
#include "model/pump_design_texts.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

using Language = lang::Edition::Language;

struct Block {
    const char* window;
    int count;  // the texts the presenter reads, by its enum
};

// Every tool window's block has exactly the texts its presenter reads, none empty, in every
// language, so that no caption is missing or shifted in any edition.
TEST(ToolTexts, EveryBlockIsCompleteInEveryLanguage) {
    const int strickler = 4 + StricklerTablePresenter::typeCount() + [] {
        int surfaces = 0;
        for (int t = 0; t < StricklerTablePresenter::typeCount(); ++t) surfaces += StricklerTablePresenter::surfaceCount(t);
        return surfaces;
    }();
    const Block blocks[] = {
        {"TNennw_Fl_Dlg", int(NominalDiameterText::Count)},
        {"TNennw_Ga_Dlg", int(NominalDiameterText::Count)},
        {"TGerinneDlg", int(ChannelText::Count)},
        {"TKanalDlg", int(ChannelDesignText::Count)},
        {"TDabaStricklerDlg", strickler},
        {"TAusfluss_konstDlg", int(OutflowConstantText::Count)},
        {"TAusfluss_veraeDlg", int(OutflowFallingText::Count)},
        {"TDabaAusflusszahlDlg", int(SmallCoefficientText::Count)},
        {"TDabaAusflusszahl_grossDlg", int(LargeCoefficientText::Count)},
        {"TDrosselblendeDlg", int(OrificeText::Count)},
        {"Tkv_in_Zeta_Dlg", int(ConverterText::Count)},
        {"TCv_in_ZetaDlg", int(ConverterText::Count)},
        {"TFoerderhoehe_Dlg", int(ConverterText::Count)},
        {"Tgeschw_v", int(ConverterText::Count)},
        {"Tv_geschw", int(ConverterText::Count)},
        {"TInhaltDlg", int(ContentText::Count)},
        {"TPSchnellAuslegung", int(model::PumpDesignText::Count)},
        {"TPSchnellAusgabe", int(model::PumpOutputText::Count)},
        {"TNPSHDialog", int(model::NpshText::Count)},
    };
    for (Language language : {Language::German, Language::English, Language::French, Language::Dutch}) {
        const lang::TextCatalogue& texts = testing::loadBuiltTexts(language);
        for (const Block& block : blocks) {
            const auto* lines = texts.windowBlock(block.window);
            ASSERT_NE(lines, nullptr) << block.window;
            EXPECT_EQ(static_cast<int>(lines->size()), block.count) << block.window;
            for (std::size_t i = 0; i < lines->size(); ++i)
                EXPECT_FALSE((*lines)[i].empty()) << block.window << " line " << i;
        }
    }
}

}  // namespace
}  // namespace velmora::tools
