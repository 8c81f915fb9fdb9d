// The File commands and printing of the real main window: a project saved, the window closed and
// the project opened again; the question when closing with unsaved work; the table printed to PDF
// through the page setup the print command opens.
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "desktop_fixture.h"
#include "model/window_texts.h"
#include "ui/page_setup_dialog.h"

Q_DECLARE_METATYPE(velmora::workflow::MessageButton)

namespace velmora::ui {

using model::MyWindowText;
using testing::Desktop;
using workflow::FormField;
using workflow::MessageButton;
namespace row = workflow::row;

namespace {

// Page objects of a PDF file: "/Type /Page", not the "/Type /Pages" tree.
int pagesIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(R"(/Type\s*/Page(?![s\w]))");
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext(); it.next()) ++count;
    return count;
}

// Two water pipes and an air pipe, as typed on the form.
void calculateLiquidAndGas(Desktop& desktop) {
    desktop.calculatePipe("suction", "80", "12");
    desktop.calculatePipe("pressure side", "50", "30");
    const QString gas = mainText(desktop.texts, MyWindowText::StateGas);
    for (QRadioButton* state : desktop.window->findChildren<QRadioButton*>())
        if (state->text() == gas) state->click();
    desktop.type(FormField::MediumName, "Air");
    desktop.type(FormField::Flow, "100");
    desktop.type(FormField::Density, "9.51");
    desktop.type(FormField::Viscosity, "18.2");
    desktop.type(FormField::InletPressure, "8");
    desktop.type(FormField::InletTemperature, "20");
    desktop.type(FormField::OutletTemperature, "20");
    desktop.calculatePipe("compressed air", "54.5", "80");
}

}  // namespace

class DesktopProjectTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    std::filesystem::path file(const char* name) const { return folder_.filePath(name).toStdString(); }
    bool folderEmpty() const { return QDir(folder_.path()).isEmpty(); }

  private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
    }

    void cleanup() {
        for (const QString& name : QDir(folder_.path()).entryList(QDir::Files))
            QFile::remove(folder_.filePath(name));
    }

    void aSavedProjectOpensAgainAsTheSameTable() {
        std::vector<workflow::ResultColumn> saved;
        std::string total;
        {
            Desktop desktop;
            calculateLiquidAndGas(desktop);
            QVERIFY(desktop.messenger.messages().empty());
            QCOMPARE(desktop.window->table().elementCount(), 3);
            QVERIFY(desktop.window->table().column(3).gas.has_value());
            saved = desktop.window->table().elementColumns();
            total = desktop.window->table().totalText();

            desktop.chooser.toSave.push_back(file("plant.vla"));
            QAction* save = desktop.command(MyWindowText::FileSave);
            QVERIFY(save->isEnabled());
            save->trigger();
            QCOMPARE(desktop.chooser.saveDialogs, 1);  // an unnamed project is saved as
            QVERIFY(std::filesystem::exists(file("plant.vla")));
            QVERIFY(desktop.window->resultsWindow().windowTitle().endsWith("plant.vla"));
            QVERIFY(desktop.window->close());  // saved: nothing to ask
            QVERIFY(desktop.messenger.messages().empty());
        }
        Desktop desktop;
        desktop.chooser.toOpen.push_back(file("plant.vla"));
        desktop.command(MyWindowText::FileOpen)->trigger();
        QVERIFY(desktop.messenger.messages().empty());
        QCOMPARE(desktop.chooser.openDialogs, 1);
        QVERIFY(desktop.window->table().elementColumns() == saved);
        QCOMPARE(desktop.window->table().totalText(), total);
        // The windows show it: three columns and the empty one, three lines in the short display.
        const QAbstractItemModel* model = desktop.window->resultsWindow().findChild<QTableView*>()->model();
        QCOMPARE(model->columnCount(), 4);
        QCOMPARE(model->data(model->index(row::designation, 2)).toString(), QString("compressed air"));
        QCOMPARE(desktop.window->shortDisplayWindow().findChild<QTableWidget*>()->rowCount(), 3);
        QVERIFY(desktop.window->resultsWindow().windowTitle().endsWith("plant.vla"));
        // Opened and unchanged: closing asks nothing.
        QVERIFY(desktop.window->close());
        QVERIFY(desktop.messenger.messages().empty());
    }

    void closingWithUnsavedWorkAsksFirst_data() {
        QTest::addColumn<MessageButton>("answer");
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("discard: closes without writing") << MessageButton::Discard << true << true << false;
        QTest::newRow("save: saves, then closes") << MessageButton::Save << true << true << true;
        QTest::newRow("save, save dialog cancelled: stays open")
            << MessageButton::Save << false << false << false;
        QTest::newRow("cancel: stays open") << MessageButton::Cancel << true << false << false;
    }

    void closingWithUnsavedWorkAsksFirst() {
        QFETCH(MessageButton, answer);
        QFETCH(bool, fileChosen);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        Desktop desktop;
        desktop.calculatePipe("suction");
        desktop.messenger.queueAnswer(answer);
        if (fileChosen) desktop.chooser.toSave.push_back(file("closing.vla"));

        QCOMPARE(desktop.window->close(), closes);

        const auto& messages = desktop.messenger.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].icon, workflow::MessageIcon::Question);
        QCOMPARE(messages[0].buttons, workflow::MessageButtons::SaveDiscardCancel);
        QCOMPARE(messages[0].text, desktop.texts.text(model::GlobalText::SaveQuestion));
        QCOMPARE(desktop.window->isVisible(), !closes);
        QCOMPARE(std::filesystem::exists(file("closing.vla")), written);
        QCOMPARE(folderEmpty(), !written);
        QCOMPARE(desktop.chooser.saveDialogs, answer == MessageButton::Save ? 1 : 0);
        if (!closes) {
            // Still modified: the next attempt asks again.
            if (fileChosen) desktop.chooser.toSave.clear();
            desktop.messenger.queueAnswer(MessageButton::Discard);
            QVERIFY(desktop.window->close());
            QCOMPARE(desktop.messenger.messages().size(), std::size_t{2});
            QVERIFY(folderEmpty());
        }
    }

    // Every change of a saved table through the windows must make closing ask, or it is lost.
    void changesInTheWindowsMakeClosingAsk_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("column removed by the results window's button") << "remove button";
        QTest::newRow("column removed by the Table menu") << "remove menu";
        QTest::newRow("line deleted in the short display") << "short delete";
        QTest::newRow("line moved in the short display") << "short down";
        QTest::newRow("column dragged by its header") << "header drag";
        QTest::newRow("designation edited in the results window") << "results designation";
        QTest::newRow("designation edited in the short display") << "short designation";
        QTest::newRow("project heading typed") << "heading";
    }

    void changesInTheWindowsMakeClosingAsk() {
        QFETCH(QString, change);
        Desktop desktop;
        desktop.calculatePipe("A");
        desktop.calculatePipe("B");
        desktop.chooser.toSave.push_back(file("changed.vla"));
        desktop.command(MyWindowText::FileSave)->trigger();
        QVERIFY(std::filesystem::exists(file("changed.vla")));
        const std::vector<workflow::ResultColumn> saved = desktop.window->table().elementColumns();

        ResultsWindow& results = desktop.window->resultsWindow();
        auto* view = results.findChild<QTableView*>();
        ShortDisplayWindow& shortWindow = desktop.window->shortDisplayWindow();
        auto* grid = shortWindow.findChild<QTableWidget*>();
        const auto shortButton = [&](model::ShortDisplayText role) {
            const QString text = blockText(desktop.texts, "TKurzAnzeige", static_cast<int>(role));
            for (QAbstractButton* button : shortWindow.findChildren<QAbstractButton*>())
                if (button->text() == text) return button;
            return static_cast<QAbstractButton*>(nullptr);
        };
        view->setCurrentIndex(view->model()->index(0, 0));
        grid->setCurrentCell(0, workflow::ShortDisplay::designationColumn);
        if (change == "remove button") {
            const QString text = mainText(desktop.texts, MyWindowText::TableRemoveColumn).remove('&');
            for (QAction* action : results.findChildren<QAction*>())
                if (action->text() == text) action->trigger();
        } else if (change == "remove menu") {
            desktop.command(MyWindowText::TableRemoveColumn)->trigger();
        } else if (change == "short delete") {
            shortButton(model::ShortDisplayText::Delete)->click();
        } else if (change == "short down") {
            shortButton(model::ShortDisplayText::LineDown)->click();
        } else if (change == "header drag") {
            view->horizontalHeader()->moveSection(0, 1);
        } else if (change == "results designation") {
            view->model()->setData(view->model()->index(row::designation, 0), "A renamed");
        } else if (change == "short designation") {
            grid->item(0, workflow::ShortDisplay::designationColumn)->setText("A renamed");
        } else if (change == "heading") {
            auto* heading = results.findChild<QLineEdit*>();
            heading->setFocus();
            QTest::keyClicks(heading, "Cooling water");
        }
        QVERIFY2(desktop.window->table().elementColumns() != saved || change == "heading",
                 "the table changed");

        desktop.messenger.queueAnswer(MessageButton::Discard);
        QVERIFY(desktop.window->close());
        QCOMPARE(desktop.messenger.messages().size(), std::size_t{1});
        QCOMPARE(desktop.messenger.messages()[0].text, desktop.texts.text(model::GlobalText::SaveQuestion));
    }

    void printingWritesThePdfOfTheWindowsTable_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("pages");  // 0: more than one, as many as the layout has
        QTest::newRow("three columns fit one page") << 3 << 1;
        QTest::newRow("sixteen columns run over several pages") << 16 << 0;
    }

    void printingWritesThePdfOfTheWindowsTable() {
        QFETCH(int, columns);
        QFETCH(int, pages);
        Desktop desktop;
        for (int i = 1; i <= columns; ++i) desktop.calculatePipe(QString("pipe %1").arg(i));
        desktop.chooser.toSave.push_back(file("printed.vla"));
        desktop.command(MyWindowText::FileSave)->trigger();
        const QString pdf = folder_.filePath("table.pdf");
        int layoutPages = 0;
        Desktop::runWithDialog<PageSetupDialog>(desktop.command(MyWindowText::TablePrint),
                                                [&](PageSetupDialog& dialog) {
                                                    layoutPages = dialog.pageCount();
                                                    QVERIFY(dialog.saveAsPdfTo(pdf));
                                                });
        QVERIFY(desktop.messenger.messages().empty());
        QCOMPARE(pagesIn(pdf), layoutPages);
        if (pages > 0)
            QCOMPARE(layoutPages, pages);
        else
            QVERIFY(layoutPages > 1);
        // The page setup belongs to the project: closing now asks.
        desktop.messenger.queueAnswer(MessageButton::Discard);
        QVERIFY(desktop.window->close());
        QCOMPARE(desktop.messenger.messages().size(), std::size_t{1});
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::DesktopProjectTest)
#include "desktop_project_test.moc"
