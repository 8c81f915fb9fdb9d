// The main window on a laptop screen and between two starts: the docks, the window's place, the
// zoom of the results table and the accelerator letters of the menus.
#include <QDockWidget>
#include <QHeaderView>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <map>

#include "desktop_fixture.h"
#include "model/element_kind.h"
#include "persist/ini_settings_store.h"
#include "ui/help_window.h"
#include "ui/message_box.h"

namespace velmora::ui {

using testing::Desktop;
using testing::Language;
using workflow::FormField;

namespace {

// Every entry, unit box and choice of the main form that the current kind shows.
std::vector<std::pair<FormField, QWidget*>> shownFields(const MainWindow& window) {
    std::vector<std::pair<FormField, QWidget*>> shown;
    for (int f = static_cast<int>(FormField::MediumName); f < model::kFormFieldCount; ++f) {
        const auto field = static_cast<FormField>(f);
        QWidget* widget = window.fieldWidget(field);
        if (widget && widget->isVisibleTo(&window)) shown.emplace_back(field, widget);
    }
    return shown;
}

QPushButton* calculateButton(const Desktop& desktop) {
    const QString caption = mainText(desktop.texts, model::MyWindowText::ButtonCalculate);
    for (QPushButton* button : desktop.window->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

// The widget lies wholly inside the window's client area, nothing of it is clipped by its
// parents, and no dock of the window covers any part of it.
QString coveredOrCut(const MainWindow& window, QWidget* widget) {
    const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    if (!window.rect().contains(inWindow)) return "outside the window";
    if (widget->visibleRegion() != QRegion(widget->rect())) return "partly hidden";
    for (QDockWidget* dock : window.findChildren<QDockWidget*>())
        if (dock->isVisible() && !dock->isFloating() && dock->geometry().intersects(inWindow))
            return "under the dock " + dock->objectName();
    return {};
}

int visibleRows(const QTableView& view) {
    const int first = view.rowAt(0);
    const int last = view.rowAt(view.viewport()->height() - 1);
    return first < 0 ? 0 : (last < 0 ? view.model()->rowCount() : last) - first + 1;
}

std::vector<int> columnWidths(const QTableView& view) {
    std::vector<int> widths{view.verticalHeader()->width()};
    for (int c = 0; c < view.model()->columnCount(); ++c) widths.push_back(view.columnWidth(c));
    return widths;
}

// The letter after the single '&' of a menu text, in lower case (none: 0).
QChar acceleratorOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

}  // namespace

class DesktopLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // A laptop screen of 1366×768 leaves the client area about 1366×735 under a title bar; the
    // larger desktop screen 1600×1000. Kinds: a pipe, and a tee with five slots and a branch flow.
    void everyEntryAndTheCalculateButtonShowBesideTheResults_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("subgroup");
        QTest::addColumn<int>("rowsAtLeast");
        for (const auto& [name, language] : {std::pair{"English", Language::English}, {"German", Language::German},
                                             {"French", Language::French}, {"Dutch", Language::Dutch}})
            for (const auto& [kind, group, subgroup] :
                 {std::tuple{"pipe", 1, 1}, {"tee", 5, 5}, {"gate valve", 7, 4}}) {
                QTest::addRow("%s 1366x768 %s", name, kind)
                    << static_cast<int>(language) << QSize(1366, 735) << group << subgroup << 5;
                QTest::addRow("%s 1600x1000 %s", name, kind)
                    << static_cast<int>(language) << QSize(1600, 967) << group << subgroup << 12;
            }
    }

    void everyEntryAndTheCalculateButtonShowBesideTheResults() {
        QFETCH(int, language);
        QFETCH(QSize, client);
        QFETCH(int, group);
        QFETCH(int, subgroup);
        QFETCH(int, rowsAtLeast);
        Desktop desktop(static_cast<Language>(language));
        desktop.window->form().setUpKind(model::ElementKind{group, subgroup});
        desktop.window->refreshForm();
        desktop.window->shortDisplayDock()->show();
        desktop.window->resize(client);
        desktop.window->resizeDocks({desktop.window->resultsDock()}, {client.height()}, Qt::Vertical);
        QCoreApplication::processEvents();
        QCOMPARE(desktop.window->size(), client);  // the window can be that small

        const auto fields = shownFields(*desktop.window);
        QVERIFY(fields.size() >= 8);
        for (const auto& [field, widget] : fields) {
            const QString fault = coveredOrCut(*desktop.window, widget);
            QVERIFY2(fault.isEmpty(), qPrintable(QString("field %1: %2").arg(static_cast<int>(field)).arg(fault)));
        }
        QPushButton* calculate = calculateButton(desktop);
        QVERIFY(calculate);
        const QString fault = coveredOrCut(*desktop.window, calculate);
        QVERIFY2(fault.isEmpty(), qPrintable("Calculate button: " + fault));

        // The results dock is docked below and shows a useful part of the table.
        QDockWidget* results = desktop.window->resultsDock();
        QVERIFY(results->isVisible());
        QVERIFY(!results->isFloating());
        QCOMPARE(desktop.window->dockWidgetArea(results), Qt::BottomDockWidgetArea);
        QCOMPARE(desktop.window->dockWidgetArea(desktop.window->shortDisplayDock()), Qt::RightDockWidgetArea);
        const auto* view = desktop.window->resultsWindow().findChild<QTableView*>();
        QVERIFY2(visibleRows(*view) >= rowsAtLeast, qPrintable(QString::number(visibleRows(*view)) + " rows shown"));
    }

    // Closing the results dock clears the tick of its menu entry; the entry shows it again.
    void theTableMenuEntryFollowsTheDock() {
        Desktop desktop;
        QAction* show = desktop.command(model::MyWindowText::TableShow);
        QVERIFY(show->isChecked());
        desktop.window->resultsDock()->close();
        QVERIFY(!show->isChecked());
        show->trigger();
        QVERIFY(desktop.window->resultsDock()->isVisible());
        QVERIFY(show->isChecked());
        QAction* shortShow = desktop.command(model::MyWindowText::ShortDisplayShow);
        QVERIFY(!shortShow->isChecked());  // the short display starts hidden
        shortShow->trigger();
        QVERIFY(desktop.window->shortDisplayDock()->isVisible());
    }

    // Two starts with one settings store: the window, its docks and a floated dock come back
    // exactly where they were.
    void theWindowAndItsDocksReopenWhereTheyWereClosed() {
        QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath("settings.ini").toStdString();
        QRect placed(QPoint(130, 90), QSize(1200, 700));
        QRect floatedAt;
        int resultsHeight = 0;
        {
            persist::IniSettingsStore store(file);
            Desktop desktop;
            desktop.window->setGeometry(placed);
            desktop.window->resizeDocks({desktop.window->resultsDock()}, {300}, Qt::Vertical);
            QDockWidget* shortDock = desktop.window->shortDisplayDock();
            shortDock->show();
            shortDock->setFloating(true);
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            shortDock->setGeometry(QRect(screen.topLeft() + QPoint(40, 30), QSize(300, 250)));
            QCoreApplication::processEvents();
            floatedAt = shortDock->geometry();
            placed = desktop.window->geometry();
            resultsHeight = desktop.window->resultsDock()->height();
            QVERIFY(desktop.window->saveSettings(store));
        }
        // The next start: the store is read when the new window is first shown.
        persist::IniSettingsStore store(file);
        workflow::RecordingMessenger messenger;
        testing::ScriptedChooser chooser;
        auto window = std::make_unique<MainWindow>(testing::builtTexts(), VELMORA_DATA_DIR,
                                                   MainWindow::Interaction{&messenger, &chooser});
        window->setSettingsStore(&store);
        window->show();
        QCoreApplication::processEvents();
        QCOMPARE(window->geometry(), placed);
        QCOMPARE(window->resultsDock()->height(), resultsHeight);
        QVERIFY(window->shortDisplayDock()->isFloating());
        QVERIFY(window->shortDisplayDock()->isVisible());
        QCOMPARE(window->shortDisplayDock()->geometry(), floatedAt);
        // Closing writes the same place again: a third start does not creep.
        QVERIFY(window->saveSettings(store));
        QCOMPARE(store.read("Fenster", "HF_Left"), std::to_string(window->frameGeometry().left()));
        QCOMPARE(store.read("Fenster", "HF_Top"), std::to_string(window->frameGeometry().top()));
    }

    // A store of an older version holds only the left and top of the main window's frame.
    void anOlderStoreWithOnlyLeftAndTopPlacesTheFrame() {
        QTemporaryDir folder;
        persist::IniSettingsStore store(folder.filePath("settings.ini").toStdString());
        store.write("Fenster", "HF_Left", "64");
        store.write("Fenster", "HF_Top", "48");
        workflow::RecordingMessenger messenger;
        testing::ScriptedChooser chooser;
        auto window = std::make_unique<MainWindow>(testing::builtTexts(), VELMORA_DATA_DIR,
                                                   MainWindow::Interaction{&messenger, &chooser});
        window->setSettingsStore(&store);
        window->show();
        QCoreApplication::processEvents();
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(64, 48));
        QVERIFY(window->resultsDock()->isVisible());
    }

    // Zoom in scales the row captions and the cells alike; zoom out after it gives back the very
    // widths there were, also for a column the user made wider; no caption is cut.
    void zoomScalesCaptionsAndCellsTogetherAndReturns() {
        Desktop desktop;
        for (const char* name : {"A", "B"}) desktop.calculatePipe(name);
        ResultsWindow& results = desktop.window->resultsWindow();
        auto* view = results.findChild<QTableView*>();
        view->setColumnWidth(1, 203);  // dragged wider by the user
        QCoreApplication::processEvents();
        const std::vector<int> before = columnWidths(*view);
        const int rowHeight = view->verticalHeader()->defaultSectionSize();
        const double fontSize = view->font().pointSizeF();

        results.zoom(1);
        QCoreApplication::processEvents();
        const std::vector<int> larger = columnWidths(*view);
        QCOMPARE(view->verticalHeader()->font().pointSizeF(), view->font().pointSizeF());
        QVERIFY(qAbs(view->font().pointSizeF() - fontSize * 1.2) < 0.01);
        QCOMPARE(view->verticalHeader()->defaultSectionSize(), static_cast<int>(std::lround(rowHeight * 1.2)));
        for (std::size_t c = 1; c < before.size(); ++c)
            QCOMPARE(larger[c], static_cast<int>(std::lround(before[c] * 1.2)));
        QVERIFY2(larger[0] > before[0], "the captions grow with the cells");

        for (int steps : {-1, -1, -1, 1, 1}) results.zoom(steps);  // out beyond the start and back
        QCoreApplication::processEvents();
        QCOMPARE(columnWidths(*view), before);
        QCOMPARE(view->verticalHeader()->defaultSectionSize(), rowHeight);

        // Smaller: the captions shrink with the cells, and the longest caption still fits.
        results.zoom(-1);
        QCoreApplication::processEvents();
        const std::vector<int> smaller = columnWidths(*view);
        QVERIFY(smaller[0] < before[0]);
        for (std::size_t c = 1; c < before.size(); ++c)
            QCOMPARE(smaller[c], static_cast<int>(std::lround(before[c] / 1.2)));
        QFont bold = view->verticalHeader()->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            const QString caption = view->model()->headerData(r, Qt::Vertical).toString();
            QVERIFY2(metrics.horizontalAdvance(caption) <= view->verticalHeader()->width(), qPrintable(caption));
        }
    }

    // The menus of the menu bar: every one has a letter of its own in each edition.
    void noTwoMenusShareAnAcceleratorLetter_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("German") << static_cast<int>(Language::German);
        QTest::newRow("English") << static_cast<int>(Language::English);
        QTest::newRow("French") << static_cast<int>(Language::French);
        QTest::newRow("Dutch") << static_cast<int>(Language::Dutch);
    }

    void noTwoMenusShareAnAcceleratorLetter() {
        QFETCH(int, language);
        Desktop desktop(static_cast<Language>(language));
        std::map<QChar, QString> menus;
        for (QAction* menu : desktop.window->menuBar()->actions()) {
            if (!menu->isVisible()) continue;
            const QChar letter = acceleratorOf(menu->text());
            QVERIFY2(!letter.isNull(), qPrintable(menu->text() + " has no letter"));
            const auto [at, fresh] = menus.emplace(letter, menu->text());
            QVERIFY2(fresh, qPrintable(menu->text() + " and " + at->second + " share " + letter));
        }
        QVERIFY(menus.size() >= 8);
    }

    // F1 shows the guide of the edition's language inside the program, its contents are the page's
    // section headings (read here from the file itself), and the search finds and reports.
    void theUserGuideOpensInsideTheProgram_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("word");  // a word of the page
        QTest::newRow("German") << static_cast<int>(Language::German) << "velmora_de.html" << "Druckverlust";
        QTest::newRow("English") << static_cast<int>(Language::English) << "velmora_en.html" << "pressure loss";
        QTest::newRow("French") << static_cast<int>(Language::French) << "velmora_fr.html" << "perte de charge";
        QTest::newRow("Dutch") << static_cast<int>(Language::Dutch) << "velmora_nl.html" << "drukverlies";
    }

    void theUserGuideOpensInsideTheProgram() {
        QFETCH(int, language);
        QFETCH(QString, page);
        QFETCH(QString, word);
        Desktop desktop(static_cast<Language>(language));
        bool messageBox = false;
        QTimer::singleShot(0, desktop.window.get(), [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                messageBox = true;
                modal->close();
            }
        });
        desktop.command(model::MyWindowText::HelpIndex)->trigger();
        QCoreApplication::processEvents();
        QVERIFY2(!messageBox, "no message instead of the guide");
        auto* help = desktop.window->findChild<HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());

        QFile file(QString(VELMORA_DATA_DIR) + "/" + page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QStringList headings;
        static const QRegularExpression heading("<h([23])[^>]*>(.*?)</h\\1>", QRegularExpression::DotMatchesEverythingOption);
        for (auto it = heading.globalMatch(html); it.hasNext();) {
            QTextDocument plain;
            plain.setHtml(it.next().captured(2));
            headings << plain.toPlainText().simplified();
        }
        headings.removeFirst();  // the page's own list of contents
        QCOMPARE(help->contents(), headings);

        QVERIFY(help->find(word));
        QCOMPARE(help->browser()->textCursor().selectedText().toLower(), word.toLower());
        QVERIFY(help->find(word));  // the next place, and round again at the end
        QVERIFY(!help->find("qqxqq-nowhere"));
    }

    // A box with a short text is still wide enough for its caption and for reading.
    void aMessageBoxIsWideEnoughForItsCaption() {
        QMessageBox box(QMessageBox::Warning, "Message about the entries", "OK?", QMessageBox::Ok);
        fitMessageBox(box);
        box.show();
        QCoreApplication::processEvents();
        QFont bold = box.font();
        bold.setBold(true);
        QVERIFY(box.width() >= QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 60);
        QVERIFY(box.width() >= 30 * QFontMetrics(box.font()).averageCharWidth());
        box.close();
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::DesktopLayoutTest)
#include "desktop_layout_test.moc"
