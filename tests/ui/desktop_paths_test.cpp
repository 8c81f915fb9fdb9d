// The main paths through the real windows, as a user takes them: entries typed, Calculate pressed,
// the results window, the short display and the dialogs following. Messages are recorded instead
// of shown; the dialogs a command opens are answered through their own buttons.
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "desktop_fixture.h"
#include "model/element_selection_text.h"
#include "model/window_texts.h"
#include "ui/element_panel.h"
#include "ui/element_selection_dialog.h"
#include "ui/settings_dialog.h"
#include "workflow/entry_messages.h"

Q_DECLARE_METATYPE(velmora::workflow::FormField)
Q_DECLARE_METATYPE(velmora::workflow::UserMessage)
Q_DECLARE_METATYPE(velmora::model::ElementKind)
Q_DECLARE_METATYPE(velmora::lang::Edition::Language)

namespace velmora::ui {

using model::GlobalText;
using model::MyWindowText;
using testing::Desktop;
using workflow::FormField;
namespace row = workflow::row;

namespace {

QTableView* resultsView(Desktop& desktop) {
    return desktop.window->resultsWindow().findChild<QTableView*>();
}

QStringList statusTexts(Desktop& desktop) {
    QStringList texts;
    for (QLabel* label : desktop.window->resultsWindow().statusBar()->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// The designations of the results columns in table order.
QStringList designations(const workflow::ResultsTable& table) {
    QStringList names;
    for (int c = 1; c <= table.elementCount(); ++c)
        names << QString::fromStdString(table.cell(c, row::designation));
    return names;
}

// The designations the short display's grid shows, top to bottom.
QStringList shortDisplayDesignations(QTableWidget* grid) {
    QStringList names;
    for (int r = 0; r < grid->rowCount(); ++r)
        names << grid->item(r, workflow::ShortDisplay::designationColumn)->text();
    return names;
}

QString shortDisplayText(const lang::TextCatalogue& texts, model::ShortDisplayText role) {
    return blockText(texts, "TKurzAnzeige", static_cast<int>(role));
}

QAbstractButton* buttonWithText(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

}  // namespace

class DesktopPathsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        // The settings dialog keeps the language choice in QSettings: not in the user's own.
        QStandardPaths::setTestModeEnabled(true);
    }

    // Tab walks the entries in the order of the form: the medium panel top to bottom (the gas
    // data only for a gas), then the element's visible slots with their units, roughness, count,
    // designation and branch flow, and Calculate; then round again.
    void tabFollowsTheForm_data() {
        using F = FormField;
        QTest::addColumn<bool>("gas");
        QTest::addColumn<model::ElementKind>("kind");
        QTest::addColumn<QList<FormField>>("order");
        const QList<FormField> medium{F::MediumName,  F::Flow,      F::FlowUnit,     F::Density,
                                      F::DensityUnit, F::Viscosity, F::ViscosityUnit};
        const QList<FormField> gasData{F::InletPressure,     F::InletPressureUnit,
                                       F::InletTemperature,  F::InletTemperatureUnit,
                                       F::OutletTemperature, F::OutletTemperatureUnit};
        const QList<FormField> pipe{F::Slot1,     F::Slot1Unit,     F::Slot2,        F::Slot2Unit,
                                    F::Roughness, F::RoughnessUnit, F::ElementCount, F::Designation};
        const QList<FormField> tee{F::Slot1,       F::Slot1Unit, F::Slot2, F::Slot2Unit,
                                   F::Slot3,       F::Slot3Unit, F::Slot4, F::ElementCount,
                                   F::Designation, F::BranchFlow};
        QTest::newRow("liquid, straight pipe") << false << model::ElementKind{1, 1} << medium + pipe;
        QTest::newRow("gas, tee with branch flow")
            << true << model::ElementKind{5, 5} << medium + gasData + tee;
    }

    void tabFollowsTheForm() {
        QFETCH(bool, gas);
        QFETCH(model::ElementKind, kind);
        QFETCH(QList<FormField>, order);
        Desktop desktop;
        MainWindow& window = *desktop.window;
        if (gas) buttonWithText(window, mainText(desktop.texts, MyWindowText::StateGas))->click();
        window.form().setUpKind(kind);
        window.refreshForm();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.fieldWidget(FormField::MediumName)->setFocus();

        QList<FormField> visited;
        QWidget* lastBeforeRound = nullptr;
        for (int step = 0; step < 60; ++step) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            if (step > 0 && focused == window.fieldWidget(FormField::MediumName)) break;
            // After the form the focus goes on into the docks (the results table).
            if (!window.centralWidget()->isAncestorOf(focused)) break;
            for (int f = 1; f < workflow::kFormFieldCount; ++f)
                if (window.fieldWidget(static_cast<FormField>(f)) == focused)
                    visited << static_cast<FormField>(f);
            lastBeforeRound = focused;
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
        auto* calculate = qobject_cast<QPushButton*>(lastBeforeRound);
        QVERIFY2(calculate && calculate->text() == mainText(desktop.texts, MyWindowText::ButtonCalculate),
                 "Calculate comes last");
    }

    void calculateShowsTheColumnInTheResultsWindowAndTheTotal() {
        Desktop desktop;
        QAbstractItemModel* model = resultsView(desktop)->model();
        QCOMPARE(model->columnCount(), 1);  // only the empty column
        const QStringList emptyStatus = statusTexts(desktop);
        QVERIFY(emptyStatus.contains("0.00 bar"));

        desktop.calculatePipe("suction line");
        QVERIFY(desktop.messenger.messages().empty());
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->data(model->index(row::designation, 0)).toString(), QString("suction line"));
        QCOMPARE(model->data(model->index(row::slot1, 0)).toString(), QString("Diameter D in mm: 50.000"));
        QCOMPARE(model->data(model->index(row::element, 1)).toString(),
                 QString());  // the empty column stays last
        // The status bar shows the table's total, no longer the empty one.
        const QStringList status = statusTexts(desktop);
        QVERIFY(status != emptyStatus);
        QVERIFY(status.contains(QString::fromStdString(desktop.window->table().totalText())));
        // The new column is the current one, and the short display has its line.
        QCOMPARE(resultsView(desktop)->currentIndex().column(), 0);
        QCOMPARE(desktop.window->shortDisplayWindow().findChild<QTableWidget*>()->rowCount(), 1);
    }

    void aRefusedEntryNamesItsFieldAndAddsNoColumn_data() {
        const lang::TextCatalogue& texts = testing::builtTexts();
        QTest::addColumn<FormField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<workflow::UserMessage>("expected");
        QTest::newRow("flow that is no number")
            << FormField::Flow << "1,2,3"
            << workflow::invalidEntryMessage(texts, texts.text(GlobalText::CaptionFlow), FormField::Flow);
        QTest::newRow("pipe length that is no number")
            << FormField::Slot2 << "10 m"
            << workflow::invalidEntryMessage(
                   texts, texts.text(GlobalText::LabelPipeLength) + " L:", FormField::Slot2);
        // An empty entry reads as 0, which the diameter check refuses.
        QTest::newRow("empty diameter")
            << FormField::Slot1 << ""
            << workflow::boundMessage(texts, texts.text(GlobalText::LabelDiameter) + " D:",
                                      GlobalText::MustBeGreater, "0", FormField::Slot1);
    }

    void aRefusedEntryNamesItsFieldAndAddsNoColumn() {
        QFETCH(FormField, field);
        QFETCH(QString, typed);
        QFETCH(workflow::UserMessage, expected);
        Desktop desktop;
        desktop.calculatePipe("first");
        QVERIFY(desktop.messenger.messages().empty());
        const QStringList status = statusTexts(desktop);
        // The focus is elsewhere when the message comes.
        desktop.window->fieldWidget(FormField::Designation)->setFocus();

        desktop.type(field, typed);
        desktop.pressCalculate();

        const auto& messages = desktop.messenger.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(workflow::logLine(messages[0])),
                 QString::fromStdString(workflow::logLine(expected)));
        QVERIFY(messages[0] == expected);
        QCOMPARE(desktop.window->focusWidget(), desktop.window->fieldWidget(field));
        QCOMPARE(desktop.window->table().elementCount(), 1);
        QCOMPARE(resultsView(desktop)->model()->columnCount(), 2);
        QCOMPARE(statusTexts(desktop), status);
        // The entry keeps what was typed.
        QCOMPARE(qobject_cast<QLineEdit*>(desktop.window->fieldWidget(field))->text(), typed);
    }

    void choosingAnotherKindChangesTheSlotsAndThePicture() {
        Desktop desktop;
        auto* panel = desktop.window->findChild<ElementPanel*>();
        QToolButton* picture = nullptr;
        for (QToolButton* button : panel->findChildren<QToolButton*>())
            if (button->iconSize() == QSize(240, 160)) picture = button;
        QVERIFY(picture);
        const auto visibleEntries = [&] {
            QStringList labels;
            for (int n = 1; n <= 5; ++n)
                if (desktop.window->fieldWidget(workflow::slotField(n))->isVisible())
                    labels << QString::fromStdString(desktop.window->form().slot(n).label);
            return labels;
        };
        const QImage pipePicture = picture->icon().pixmap(240, 160).toImage();
        QCOMPARE(visibleEntries().size(), 2);  // the straight pipe: diameter and length

        const model::ElementKind bend{4, 1};
        Desktop::runWithDialog<ElementSelectionDialog>(
            desktop.command(MyWindowText::DataSelectElement), [&](ElementSelectionDialog& dialog) {
                QCOMPARE(dialog.selectedKind(), (model::ElementKind{1, 1}));  // opens on the current kind
                dialog.button(bend)->click();
                dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
            });

        QCOMPARE(desktop.window->form().kind(), bend);
        const QStringList labels = visibleEntries();
        QCOMPARE(labels.size(), 3);  // diameter, radius, angle
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(desktop.window->form().slot(n).visible);
            QVERIFY(labels.contains(QString::fromStdString(desktop.window->form().slot(n).label)));
        }
        const QImage bendPicture = picture->icon().pixmap(240, 160).toImage();
        QVERIFY(!bendPicture.isNull());
        QVERIFY(bendPicture != pipePicture);
        const QImage file(QString::fromStdString(
            (std::filesystem::path(VELMORA_DATA_DIR) / desktop.window->form().pictureFile()).string()));
        QCOMPARE(bendPicture.convertToFormat(QImage::Format_RGB32),
                 file.convertToFormat(QImage::Format_RGB32));

        // Cancel leaves the kind as it is.
        Desktop::runWithDialog<ElementSelectionDialog>(
            desktop.command(MyWindowText::DataSelectElement), [&](ElementSelectionDialog& dialog) {
                QCOMPARE(dialog.selectedKind(), bend);
                dialog.button({1, 1})->click();
                dialog.buttonBox()->button(QDialogButtonBox::Cancel)->click();
            });
        QCOMPARE(desktop.window->form().kind(), bend);
    }

    // The dialogs a window keeps between openings belong to that window: a second main window
    // (after the first was closed and deleted) opens its own, in its own language.
    void eachWindowOpensItsOwnDialogs() {
        for (const testing::Language language : {testing::Language::English, testing::Language::German}) {
            Desktop desktop(language);
            const QString selectionTitle = blockText(desktop.texts, model::kElementSelectionBlock.data(),
                                                     static_cast<int>(model::ElementSelectionText::Title));
            Desktop::runWithDialog<ElementSelectionDialog>(
                desktop.command(MyWindowText::DataSelectElement), [&](ElementSelectionDialog& dialog) {
                    QCOMPARE(dialog.parent(), desktop.window.get());
                    QCOMPARE(dialog.windowTitle(), selectionTitle);
                });
            const QString settingsTitle = blockText(desktop.texts, "TEinstellungen",
                                                    static_cast<int>(model::SettingsDialogText::Title));
            Desktop::runWithDialog<SettingsDialog>(desktop.command(MyWindowText::OptionsSettings),
                                                   [&](SettingsDialog& dialog) {
                                                       QCOMPARE(dialog.parent(), desktop.window.get());
                                                       QCOMPARE(dialog.windowTitle(), settingsTitle);
                                                   });
        }
    }

    // The results window is placed below the main window on the first start; a kind with more
    // rows must not make the main window taller and push its Calculate button under it.
    void theMainWindowKeepsItsSizeForEveryKind() {
        Desktop desktop;
        MainWindow& window = *desktop.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize size = window.size();
        QPushButton* calculate = nullptr;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text() == mainText(desktop.texts, MyWindowText::ButtonCalculate)) calculate = button;
        QVERIFY(calculate);
        for (int group = 1; group <= 13; ++group)
            for (int subgroup = 1; model::isKnownKind({group, subgroup}); ++subgroup) {
                const QByteArray kind = QByteArray::number(group) + "/" + QByteArray::number(subgroup);
                window.form().setUpKind({group, subgroup});
                window.refreshForm();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                QVERIFY2(window.size() == size, kind.constData());
                const QRect button(calculate->mapTo(&window, QPoint(0, 0)), calculate->size());
                QVERIFY2(window.rect().contains(button), kind.constData());
            }
    }

    // Every button of the results window's tool bar shows, in every language (none is folded
    // away behind the tool bar's extension arrow).
    void theResultsToolBarFitsInEveryLanguage_data() {
        QTest::addColumn<testing::Language>("language");
        QTest::newRow("German") << testing::Language::German;
        QTest::newRow("English") << testing::Language::English;
        QTest::newRow("French") << testing::Language::French;
        QTest::newRow("Dutch") << testing::Language::Dutch;
    }

    void theResultsToolBarFitsInEveryLanguage() {
        QFETCH(testing::Language, language);
        workflow::ResultsTable table = testing::pipeTable(2, language);
        ResultsWindow window(table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tools = window.findChild<QToolBar*>();
        QVERIFY(tools);
        for (QAction* action : tools->actions()) {
            if (action->isSeparator()) continue;
            QWidget* button = tools->widgetForAction(action);
            QVERIFY2(button && button->isVisible(), qPrintable(action->text()));
        }
    }

    void usUnitsChosenInTheSettingsRedisplayTheTable() {
        Desktop desktop;
        desktop.calculatePipe("pump suction");
        QAbstractItemModel* model = resultsView(desktop)->model();
        QCOMPARE(model->data(model->index(row::flow, 0)).toString(), QString("1.000"));
        QVERIFY(model->headerData(row::flow, Qt::Vertical).toString().endsWith(" m³/h:"));

        const auto settingsText = [&](model::SettingsDialogText role) {
            return blockText(desktop.texts, "TEinstellungen", static_cast<int>(role));
        };
        Desktop::runWithDialog<SettingsDialog>(
            desktop.command(MyWindowText::OptionsSettings), [&](SettingsDialog& dialog) {
                // The first "US" button is the value output's (the second one the user database's).
                buttonWithText(dialog, settingsText(model::SettingsDialogText::Us))->click();
                dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });

        // 1 m³/h = 4.403 gal/min; 50.000 mm = 1.969 in.; captions and total in US units.
        QCOMPARE(model->data(model->index(row::flow, 0)).toString(), QString("4.403"));
        QVERIFY(model->headerData(row::flow, Qt::Vertical).toString().endsWith(" gal/min:"));
        QCOMPARE(model->data(model->index(row::slot1, 0)).toString(), QString("Diameter D in in.: 1.969"));
        QVERIFY(model->headerData(row::lossLarge, Qt::Vertical).toString().endsWith(" psi:"));
        QVERIFY(statusTexts(desktop).join(' ').contains("psi"));
        const QTableWidget* shortGrid = desktop.window->shortDisplayWindow().findChild<QTableWidget*>();
        QVERIFY(shortGrid->horizontalHeaderItem(3)->text().contains("psi"));
        // The next calculation is in US units as well.
        desktop.pressCalculate();
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->data(model->index(row::flow, 1)).toString(), QString("4.403"));
    }

    void movingAColumnByItsHeaderKeepsTheEmptyColumnLast_data() {
        QTest::addColumn<int>("from");  // visual sections: 0, 1, 2 the elements, 3 the empty column
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("first to the middle") << 0 << 1 << QStringList{"B", "A", "C"};
        QTest::newRow("last to the front") << 2 << 0 << QStringList{"C", "A", "B"};
        QTest::newRow("an element onto the empty column") << 0 << 3 << QStringList{"B", "C", "A"};
        QTest::newRow("the empty column to the front") << 3 << 0 << QStringList{"A", "B", "C"};
    }

    void movingAColumnByItsHeaderKeepsTheEmptyColumnLast() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, order);
        Desktop desktop;
        for (const char* name : {"A", "B", "C"}) desktop.calculatePipe(name);
        QTableView* view = resultsView(desktop);
        desktop.window->resultsWindow().show();

        view->horizontalHeader()->moveSection(from, to);  // what a drag of the header ends in

        const workflow::ResultsTable& table = desktop.window->table();
        QCOMPARE(designations(table), order);
        QCOMPARE(table.elementCount(), 3);
        QVERIFY(table.column(4).isEmpty());
        // View and table agree: the header's order is the model's again, the numbers run 1, 2, 3.
        for (int section = 0; section < 4; ++section)
            QCOMPARE(view->horizontalHeader()->logicalIndex(section), section);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(view->model()->data(view->model()->index(row::designation, c)).toString(), order[c]);
            QCOMPARE(view->model()->data(view->model()->index(row::columnNumber, c)).toString(),
                     QString::number(c + 1));
        }
        QCOMPARE(view->model()->data(view->model()->index(row::element, 3)).toString(), QString());
        QCOMPARE(shortDisplayDesignations(desktop.window->shortDisplayWindow().findChild<QTableWidget*>()),
                 order);
    }

    void theShortDisplayButtonsMoveAndDeleteCalculations() {
        Desktop desktop;
        for (const char* name : {"A", "B", "C"}) desktop.calculatePipe(name, "50", "10");
        ShortDisplayWindow& shortWindow = desktop.window->shortDisplayWindow();
        shortWindow.show();
        auto* grid = shortWindow.findChild<QTableWidget*>();
        const auto press = [&](model::ShortDisplayText role) {
            QAbstractButton* button = buttonWithText(shortWindow, shortDisplayText(desktop.texts, role));
            QVERIFY(button);
            button->click();
        };
        const workflow::ResultsTable& table = desktop.window->table();
        struct Step {
            const char* name;
            int selectRow;  // the grid row clicked first, -1: none
            model::ShortDisplayText button;
            QStringList order;
            int currentRow;
        };
        const Step steps[] = {
            {"line A down", 0, model::ShortDisplayText::LineDown, {"B", "A", "C"}, 1},
            {"A down again, the line stays selected",
             -1,
             model::ShortDisplayText::LineDown,
             {"B", "C", "A"},
             2},
            {"the last line cannot go down", -1, model::ShortDisplayText::LineDown, {"B", "C", "A"}, 2},
            {"line C up", 1, model::ShortDisplayText::LineUp, {"C", "B", "A"}, 0},
            {"the first line cannot go up", -1, model::ShortDisplayText::LineUp, {"C", "B", "A"}, 0},
            {"delete B", 1, model::ShortDisplayText::Delete, {"C", "A"}, 1},
        };
        for (const Step& step : steps) {
            if (step.selectRow >= 0)
                grid->setCurrentCell(step.selectRow, workflow::ShortDisplay::designationColumn);
            press(step.button);
            QVERIFY2(designations(table) == step.order, step.name);
            QVERIFY2(shortDisplayDesignations(grid) == step.order, step.name);
            QVERIFY2(grid->currentRow() == step.currentRow, step.name);
        }
        // The results window follows: two element columns and the empty one, the total of two.
        QCOMPARE(resultsView(desktop)->model()->columnCount(), 3);
        QVERIFY(statusTexts(desktop).contains(QString::fromStdString(table.totalText())));
        press(model::ShortDisplayText::Delete);
        press(model::ShortDisplayText::Delete);
        QVERIFY(table.empty());
        QCOMPARE(grid->rowCount(), 0);
        press(model::ShortDisplayText::Delete);  // nothing left to delete
        QVERIFY(statusTexts(desktop).contains("0.00 bar"));
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::DesktopPathsTest)
#include "desktop_paths_test.moc"
