// The brine, oil, solution, estimation and user database dialogs opened from the Medium menu as a
// user does: entries typed, Calculate, Transfer, and the values arriving in the main form. With
// VELMORA_SCREENSHOTS set to a folder, each open dialog is also photographed there (the screen
// with `import`, under a real X server; the widget itself otherwise).
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "lang/dialog_messages.h"
#include "model/gas_window_text.h"
#include "model/liquid_window_text.h"
#include "model/norm_conversion_window_text.h"
#include "model/vapour_pressure_window_text.h"
#include "model/water_air_window_text.h"
#include "ui/database_dialogs.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

Q_DECLARE_METATYPE(velmora::ui::testing::Language)

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

namespace {

// Runs `act` on the modal dialog once it is open.
void whenOpen(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        act(dialog);
    });
}

QPushButton* buttonNamed(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove('&') == text && button->isVisible()) return button;
    return nullptr;
}

// The n-th visible entry of the dialog, in layout order of creation.
QLineEdit* entry(QWidget* dialog, int n) {
    QList<QLineEdit*> entries;
    for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
        if (!e->isReadOnly()) entries << e;
    return n < entries.size() ? entries[n] : nullptr;
}

// Typed as a user types; characters a key click cannot carry (umlauts) are put in as an edit.
void type(QLineEdit* entry, const QString& text) {
    entry->selectAll();
    bool plain = true;
    for (QChar c : text) plain = plain && c.unicode() < 128;
    if (plain) {
        QTest::keyClicks(entry, text);
        return;
    }
    entry->setText(text);
    Q_EMIT entry->textEdited(text);
}

void photograph(QWidget* dialog, const QString& name) {
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    const QString path = folder + "/" + name + ".png";
    if (QGuiApplication::platformName() == "xcb") {
        QTest::qWait(300);
        QProcess::execute("import", {"-window", "root", path});
    } else {
        dialog->grab().save(path);
    }
}

QString languageTag(testing::Language language) {
    switch (language) {
        case testing::Language::German:
            return "de";
        case testing::Language::French:
            return "fr";
        case testing::Language::Dutch:
            return "nl";
        default:
            return "en";
    }
}

// A button caption of a window block in the edition's language, without its mnemonic mark.
template <class Enum>
QString blockButton(testing::Language language, const char* block, Enum text) {
    return QString::fromStdString(lang::blockText(testing::builtTexts(language), block, text)).remove('&');
}

}  // namespace

class MediaCalculationDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void brineTransfersDensityAndViscosity_data() { languages(); }
    void brineTransfersDensityAndViscosity() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "30");
            type(entry(dialog, 1), "10");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "brines_" + languageTag(language));
            buttonNamed(dialog, transferText(language))->click();
        });
        window.command(MyWindowText::MediumBrines)->trigger();
        QVERIFY(window.form().text(FormField::MediumName).find("(10 °C, 30 %)") != std::string::npos);
        QVERIFY(!window.form().text(FormField::Density).empty());
    }

    void oilTransfersItsValues_data() { languages(); }
    void oilTransfersItsValues() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            dialog->findChild<QListWidget*>()->setCurrentRow(3);  // Therminol 66
            type(entry(dialog, 0), "100");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "oils_" + languageTag(language));
            buttonNamed(dialog, transferText(language))->click();
        });
        window.command(MyWindowText::MediumOils)->trigger();
        QCOMPARE(window.form().text(FormField::MediumName), std::string("Therminol 66 (100 °C)"));
        QCOMPARE(window.form().text(FormField::Density), std::string("955"));
    }

    void solutionTransfersTheMixture_data() { languages(); }
    void solutionTransfersTheMixture() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>();
            for (int row : {0, 1}) {  // sodium and potassium chloride by double click
                list->setCurrentRow(row);
                Q_EMIT list->itemDoubleClicked(list->item(row));
            }
            type(entry(dialog, 0), "20");
            type(entry(dialog, 1), "10");
            buttonNamed(dialog, calculateText(language))->click();
            type(entry(dialog, 2), "5");
            type(entry(dialog, 3), "5");
            type(entry(dialog, 6), "20");
            buttonNamed(dialog, mixtureCalculateText(language))->click();
            photograph(dialog, "solutions_" + languageTag(language));
            buttonNamed(dialog, mixtureTransferText(language))->click();
        });
        window.command(MyWindowText::MediumAqueous)->trigger();
        QCOMPARE(window.form().text(FormField::MediumName),
                 std::string(language == testing::Language::German ? "Mischung (20 °C)" : "Mixture (20 °C)"));
    }

    void estimationTransfersAGas_data() { languages(); }
    void estimationTransfersAGas() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        // The refrigerant search is the third choice.
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "R134a");
            auto* kind = dialog->findChildren<QComboBox*>().front();
            kind->setCurrentIndex(2);
            Q_EMIT kind->activated(2);
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text().remove('&') == (language == testing::Language::German ? "Suchen" : "Find"))
                    button->click();
            type(entry(dialog, 1), "1");
            type(entry(dialog, 2), "60");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "estimation_" + languageTag(language));
            buttonNamed(dialog, transferText(language))->click();
        });
        window.command(MyWindowText::MediumEstimate)->trigger();
        QCOMPARE(window.form().text(FormField::MediumName), std::string("R134a (1 bar, 60 °C)"));
        QCOMPARE(window.form().state(), model::MediumState::Gas);
    }

    void userDatabaseKeepsARecordAndTransfersIt_data() { languages(); }
    void userDatabaseKeepsARecordAndTransfersIt() {
        QFETCH(testing::Language, language);
        // A copy of the data folder of its own, so that USER.DAT is written there.
        QTemporaryDir data;
        for (const auto& file : std::filesystem::directory_iterator(VELMORA_DATA_DIR))
            if (file.path().extension() == ".gru" || file.path().extension() == ".STW")
                std::filesystem::copy(file.path(), data.path().toStdString() / file.path().filename());
        MainWindow window(testing::builtTexts(language), data.path().toStdString());
        window.show();
        const bool german = language == testing::Language::German;
        whenOpen([&](QWidget* dialog) {
            buttonNamed(dialog, german ? "Datensatz neu" : "New record")->click();
            type(entry(dialog, 0), german ? "Kühlwasser" : "Cooling water");
            type(entry(dialog, 3), "998,2");
            type(entry(dialog, 4), "1002");
            photograph(dialog, "user_database_edit_" + languageTag(language));
            buttonNamed(dialog, german ? "Beenden und speichern" : "Save and close")->click();
        });
        window.command(MyWindowText::MediumUserDatabaseEdit)->trigger();
        QVERIFY(QFile::exists(data.path() + "/USER.DAT"));
        whenOpen([&](QWidget* dialog) {
            photograph(dialog, "user_database_" + languageTag(language));
            buttonNamed(dialog, german ? "Daten übernehmen" : "Transfer data")->click();
        });
        window.command(MyWindowText::MediumUserDatabase)->trigger();
        QCOMPARE(window.form().text(FormField::Density), std::string("998,2"));
    }

    void waterSteamTransfersSteamAsAGas_data() { fourLanguages(); }
    void waterSteamTransfersSteamAsAGas() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        using model::WaterSteamText;
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "10");
            type(entry(dialog, 1), "200");
            buttonNamed(dialog, blockButton(language, model::kWaterSteamBlock, WaterSteamText::Calculate))
                ->click();
            photograph(dialog, "water_general_" + languageTag(language));
            buttonNamed(dialog, blockButton(language, model::kWaterSteamBlock, WaterSteamText::TakeOver))
                ->click();
        });
        window.command(MyWindowText::MediumWaterGeneral)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Gas);
        QCOMPARE(window.form().text(FormField::InletPressure), std::string("10"));
        QCOMPARE(window.form().text(FormField::InletTemperature), std::string("200"));
        QVERIFY(window.form().text(FormField::Density).starts_with("4"));  // 4.854 kg/m³
    }

    void saturatedWaterTransfersTheVapour_data() { fourLanguages(); }
    void saturatedWaterTransfersTheVapour() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        using model::WaterSaturationText;
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "100");
            buttonNamed(dialog,
                        blockButton(language, model::kWaterSaturationBlock, WaterSaturationText::Calculate))
                ->click();
            photograph(dialog, "water_saturation_" + languageTag(language));
            buttonNamed(dialog,
                        blockButton(language, model::kWaterSaturationBlock, WaterSaturationText::TakeVapour))
                ->click();
        });
        window.command(MyWindowText::MediumWaterSaturated)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Gas);
        QCOMPARE(window.form().text(FormField::InletTemperature), std::string("100"));
        QVERIFY(window.form().text(FormField::InletPressure).starts_with("1"));  // 1.01418 bar
    }

    void airDialogsTransferTheirStates_data() { languages(); }
    void airDialogsTransferTheirStates() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 1), "20");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "air_dry_" + languageTag(language));
            buttonNamed(dialog, transferText(language))->click();
        });
        window.command(MyWindowText::MediumAirDry)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Gas);
        QVERIFY(window.form().text(FormField::Density).starts_with("1"));  // 1.1885 kg/m³

        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 1), "20");
            type(entry(dialog, 2), "50");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "air_humid_" + languageTag(language));
            buttonNamed(dialog, transferText(language))->click();
        });
        window.command(MyWindowText::MediumAirHumid)->trigger();
        QVERIFY(window.form().text(FormField::MediumName).find("50") != std::string::npos);

        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "-190");
            buttonNamed(dialog, calculateText(language))->click();
            photograph(dialog, "air_saturated_" + languageTag(language));
            buttonNamed(dialog, language == testing::Language::German ? "Daten von Flüssigkeit übernehmen"
                                                                      : "Transfer liquid data")
                ->click();
        });
        window.command(MyWindowText::MediumAirSaturated)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Liquid);
        QVERIFY(window.form().text(FormField::Density).starts_with("8"));  // about 860 kg/m³ at 83 K
    }

    void gasDatabaseTransfersAGas_data() { fourLanguages(); }
    void gasDatabaseTransfersAGas() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
            QCOMPARE(lists.size(), 2);
            lists[1]->setCurrentRow(4);  // air at 20 °C
            type(entry(dialog, 0), "5");
            photograph(dialog, "gases_" + languageTag(language));
            buttonNamed(dialog,
                        blockButton(language, model::kGasDatabaseBlock, model::GasDatabaseText::TakeMeasured))
                ->click();
        });
        window.command(MyWindowText::MediumGases)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Gas);
        QCOMPARE(window.form().text(FormField::InletTemperature), std::string("20"));
        QCOMPARE(window.form().text(FormField::InletPressure), std::string("5"));
        QVERIFY(window.form().text(FormField::Density).starts_with("5,9") ||
                window.form().text(FormField::Density).starts_with("5.9"));  // SRK: 5.94 kg/m³
    }

    void liquidDatabaseTransfersMeasuredValues_data() { languages(); }
    void liquidDatabaseTransfersMeasuredValues() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            dialog->findChildren<QListWidget*>()[1]->setCurrentRow(2);  // water at 20 °C
            type(entry(dialog, 0), "50");
            buttonNamed(dialog, blockButton(language, model::kLiquidDatabaseBlock,
                                            model::LiquidDatabaseText::Interpolate))
                ->click();
            photograph(dialog, "liquids_" + languageTag(language));
            buttonNamed(dialog, blockButton(language, model::kLiquidDatabaseBlock,
                                            model::LiquidDatabaseText::TakeMeasured))
                ->click();
        });
        window.command(MyWindowText::MediumLiquids)->trigger();
        QCOMPARE(window.form().text(FormField::Density), std::string("998.21"));
    }

    void vapourPressureDialogHandsBackBothValues_data() { languages(); }
    void vapourPressureDialogHandsBackBothValues() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        VapourPressureDialog dialog(testing::builtTexts(language), persist::DataFileSet(VELMORA_DATA_DIR),
                                    &window);
        whenOpen([&](QWidget* open) {
            type(entry(open, 0), "20");
            photograph(open, "vapour_pressure_" + languageTag(language));
            buttonNamed(
                open, blockButton(language, model::kVapourPressureBlock, model::VapourPressureText::TakeBoth))
                ->click();
        });
        const auto transfer = dialog.run({model::UnitSystem::Metric, language != testing::Language::English});
        QVERIFY(transfer.has_value());
        QVERIFY(!transfer->toPumpDesign);
        QVERIFY(transfer->vapourPressure && transfer->density);
        // Water by the Rackett line at 20 °C = 293.15 K, worked by hand: 1000·0.99705/0.2338^((1 −
        // 293.15/647.35)^(2/7) − (1 − 298.15/647.35)^(2/7)) = 1002.0 kg/m³.
        QCOMPARE(*transfer->density, std::string("1002"));
    }

    void normConversionWritesTheOperatingFlow_data() { languages(); }
    void normConversionWritesTheOperatingFlow() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        window.form().setText(FormField::InletTemperature, "0");
        window.form().selectUnitLabel(FormField::InletTemperatureUnit, "°C");
        window.form().setText(FormField::InletPressure, "2,0265");
        window.form().selectUnitLabel(FormField::InletPressureUnit, "bar");
        window.refreshForm();
        whenOpen([&](QWidget* dialog) {
            type(entry(dialog, 0), "200");
            buttonNamed(dialog, blockButton(language, model::kNormConversionBlock, model::NormConversionText::Calculate))
                ->click();
            photograph(dialog, "norm_conversion_" + languageTag(language));
            buttonNamed(dialog, blockButton(language, model::kNormConversionBlock, model::NormConversionText::TakeOver))
                ->click();
        });
        window.command(MyWindowText::CalcNormToOperating)->trigger();
        QVERIFY(window.form().state() == model::MediumState::Gas);
        // 200 Nm³/h at 0 °C and twice the standard pressure: 100 m³/h.
        const std::string flow = window.form().text(FormField::Flow);
        QVERIFY2(flow == "100,000" || flow == "100.000", flow.c_str());
        QCOMPARE(window.form().unitBox(FormField::FlowUnit).current(), std::string("m³/h"));
    }

  private:
    static void fourLanguages() {
        QTest::addColumn<testing::Language>("language");
        QTest::newRow("English") << testing::Language::English;
        QTest::newRow("German") << testing::Language::German;
        QTest::newRow("French") << testing::Language::French;
        QTest::newRow("Dutch") << testing::Language::Dutch;
    }
    static void languages() {
        QTest::addColumn<testing::Language>("language");
        QTest::newRow("English") << testing::Language::English;
        QTest::newRow("German") << testing::Language::German;
    }
    static QString calculateText(testing::Language l) {
        return l == testing::Language::German ? "Berechnen" : "Calculate";
    }
    static QString transferText(testing::Language l) {
        return l == testing::Language::German ? "Daten übernehmen" : "Transfer data";
    }
    static QString mixtureCalculateText(testing::Language l) {
        return l == testing::Language::German ? "Mischung Berechnen" : "Calculate mixture";
    }
    static QString mixtureTransferText(testing::Language l) {
        return l == testing::Language::German ? "Mischungs-Daten übernehmen" : "Transfer mixture data";
    }

    QTemporaryDir folder_;
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::MediaCalculationDialogsTest)
#include "media_calculation_dialogs_test.moc"
