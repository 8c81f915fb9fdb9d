// The page-setup dialog and the preview, offscreen.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

#include "model/print_window_texts.h"
#include "ui/page_setup_dialog.h"
#include "ui/table_print_job.h"
#include "ui_test_support.h"

namespace velmora::ui {

using workflow::MarginUnit;
using workflow::PageSettings;
using workflow::PrintScaling;

class PageSetupDialogTest : public QObject {
    Q_OBJECT

  private:
    template <typename Widget>
    static Widget* child(QObject& dialog, const char* name) {
        Widget* widget = dialog.findChild<Widget*>(name);
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }

    // Changes every entry of the dialog.
    static void changeEverything(PageSetupDialog& dialog) {
        child<QSpinBox>(dialog, "fontSize")->setValue(11);
        child<QCheckBox>(dialog, "wordWrap")->setChecked(true);
        child<QLineEdit>(dialog, "marginTop")->setText("1,5");
        child<QLineEdit>(dialog, "marginLeft")->setText("0.75");
        child<QComboBox>(dialog, "marginUnit")->setCurrentIndex(1);
        child<QLineEdit>(dialog, "extraHeader")->setText("Cooling water, building 4");
        child<QLineEdit>(dialog, "extraFooter")->setText("checked: A. Berg");
        child<QCheckBox>(dialog, "showFilePath")->setChecked(false);
    }

  private Q_SLOTS:
    void okWritesTheEntriesIntoTheSettings() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        PageSettings settings;
        PageSetupDialog dialog(table, settings, "/plant/cooling.vla", "Cooling");
        changeEverything(dialog);
        QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        PageSettings expected;
        expected.fontSize = 11;
        expected.wordWrap = true;
        expected.margins = {"1,5", "20", "0.75", "20"};
        expected.marginUnit = MarginUnit::Inch;
        expected.extraHeader = "Cooling water, building 4";
        expected.extraFooter = "checked: A. Berg";
        expected.showFilePath = false;
        QVERIFY(settings == expected);
    }

    void cancelLeavesTheSettingsAlone() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        PageSettings settings;
        settings.extraFooter = "kept";
        const PageSettings before = settings;
        PageSetupDialog dialog(table, settings, "/plant/cooling.vla", "Cooling");
        changeEverything(dialog);
        QTest::mouseClick(child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(settings == before);
    }

    void theDialogOpensOnTheSettings() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        PageSettings settings;
        settings.scaling = PrintScaling::FitToPages;
        settings.pagesWide = 3;
        settings.fontName = "A font this computer lacks";
        settings.margins = {"10", "11", "12", "13"};
        PageSetupDialog dialog(table, settings, "", "");
        QVERIFY(child<QRadioButton>(dialog, "fitToPages")->isChecked());
        QCOMPARE(child<QSpinBox>(dialog, "pagesWide")->value(), 3);
        QVERIFY(!child<QSpinBox>(dialog, "fontSize")->isEnabled());
        QCOMPARE(child<QComboBox>(dialog, "fontName")->currentText(), QString("A font this computer lacks"));
        QCOMPARE(child<QLineEdit>(dialog, "marginRight")->text(), QString("13"));
        QCOMPARE(dialog.entries().fontName, settings.fontName);
    }

    void standardSettingsTakeTheProjectName() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        PageSettings settings;
        settings.extraFooter = "stays";
        settings.showFilePath = false;
        PageSetupDialog dialog(table, settings, "/plant/cooling.vla", "Cooling plant");
        child<QLineEdit>(dialog, "marginBottom")->setText("35");
        QTest::mouseClick(child<QPushButton>(dialog, "standardButton"), Qt::LeftButton);
        const PageSettings shown = dialog.entries();
        QCOMPARE(shown.fontSize, 7);
        QVERIFY(shown.wordWrap);
        QCOMPARE(shown.fontName, std::string("Arial"));
        QCOMPARE(shown.margins[1], std::string("20"));
        QCOMPARE(shown.extraHeader, std::string("Cooling plant"));
        QCOMPARE(shown.extraFooter, std::string("stays"));
        QVERIFY(shown.showFilePath);
        QCOMPARE(settings.fontSize, 8);  // nothing written before OK
    }

    void fitModeShowsTheFittedFontSize() {
        const workflow::ResultsTable table = testing::pipeTable(12);
        PageSettings settings;
        PageSetupDialog dialog(table, settings, "", "");
        QVERIFY(dialog.pageCount() > 1);
        child<QRadioButton>(dialog, "fitToPages")->setChecked(true);
        QCOMPARE(dialog.pageCount(), 1);
        const int fitted = child<QSpinBox>(dialog, "fontSize")->value();
        QVERIFY(fitted < 8);
        QVERIFY(child<QLabel>(dialog, "pageCount")->text().endsWith(" 1"));
        QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(settings.scaling, PrintScaling::FitToPages);
        QCOMPARE(settings.fontSize, fitted);
    }

    // The preview is Qt's, with its zoom and page navigation, and shows the pages of the layout.
    void thePreviewShowsEveryPageOfTheLayout() {
        const workflow::ResultsTable table = testing::pipeTable(20);
        PageSettings settings;
        settings.fontSize = 12;
        PageSetupDialog dialog(table, settings, "/plant/cooling.vla", "Cooling");
        child<QSpinBox>(dialog, "fontSize")->setValue(12);
        const int count = dialog.pageCount();
        QVERIFY(count >= 3);
        int shown = -1;
        QTimer::singleShot(0, &dialog, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!preview) return;
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            if (pages) {
                pages->updatePreview();
                shown = pages->pageCount();
            }
            preview->reject();
        });
        QTest::mouseClick(child<QPushButton>(dialog, "previewButton"), Qt::LeftButton);
        QCOMPARE(shown, count);
    }

    // The page line's date is written in the edition's language and form, whatever the desktop's.
    void thePageLineIsDatedInTheEditionsForm_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("format");
        QTest::newRow("German") << static_cast<int>(lang::Edition::Language::German) << "dd.MM.yyyy";
        QTest::newRow("English") << static_cast<int>(lang::Edition::Language::English) << "dd/MM/yyyy";
        QTest::newRow("French") << static_cast<int>(lang::Edition::Language::French) << "dd/MM/yyyy";
        QTest::newRow("Dutch") << static_cast<int>(lang::Edition::Language::Dutch) << "dd-MM-yyyy";
    }

    void thePageLineIsDatedInTheEditionsForm() {
        QFETCH(int, language);
        QFETCH(QString, format);
        const QLocale desktop = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // a desktop of another form
        const workflow::ResultsTable table = testing::pipeTable(2, static_cast<lang::Edition::Language>(language));
        PageSettings settings;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        prepareTablePrinter(printer, table.texts(), "");
        const print::TableLayout layout = layoutTableFor(printer, table, settings, "");
        QLocale::setDefault(desktop);
        const std::string date = QDate::currentDate().toString(format).toStdString();
        bool found = false;
        for (const print::PlacedText& text : layout.pages[0].texts)
            for (const std::string& line : text.lines) found = found || line.ends_with(" - " + date);
        QVERIFY2(found, date.c_str());
    }

    // The paper of the printer page: landscape A4 at first, as the table is laid out.
    void thePrinterPageNamesThePaper() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        PageSettings settings;
        PageSetupDialog dialog(table, settings, "", "");
        const QString paper = child<QLabel>(dialog, "paperName")->text();
        QVERIFY2(paper.contains("297") && paper.indexOf("297") < paper.indexOf("210"), qPrintable(paper));
    }

    void everyEditionHasTheCaptions() {
        using Language = lang::Edition::Language;
        for (Language language : {Language::German, Language::English, Language::French, Language::Dutch}) {
            const lang::TextCatalogue& texts = testing::builtTexts(language);
            const auto* setup = texts.windowBlock("TSeite_einrichtenDlg");
            const auto* preview = texts.windowBlock("TDruckvorschauDlg");
            QVERIFY(setup && preview);
            QCOMPARE(int(setup->size()), int(model::PageSetupText::Count));
            QCOMPARE(int(preview->size()), int(model::PrintPreviewText::Count));
            for (const std::string& text : *setup) QVERIFY(!text.empty());
            const auto* paper = texts.windowBlock("TSeite_Papier");
            QVERIFY(paper);
            QCOMPARE(int(paper->size()), int(model::PaperText::Count));
            for (const std::string& text : *paper) QVERIFY(!text.empty());
        }
        const lang::TextCatalogue& german = testing::builtTexts(Language::German);
        QCOMPARE(german.windowBlock("TSeite_einrichtenDlg")->front(),
                 std::string("Seite einrichten: Berechnungs-Tabelle"));
        QCOMPARE(german.windowBlock("TDruckvorschauDlg")->at(int(model::PrintPreviewText::Next)),
                 std::string("Weiter"));
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::PageSetupDialogTest)
#include "page_setup_dialog_test.moc"
