// Calculating from the keyboard in the real windows: F3 wherever the focus is in the program's
// windows, Enter in an entry of the main form, the focus in the first entry at start; and one
// answer per input: every kind pressed twice with entries its checks refuse, through the keys.
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "desktop_fixture.h"
#include "model/element_catalogue.h"

namespace velmora::ui {

using testing::Desktop;
using workflow::FormField;

namespace {

// What one press showed: the messages and whether a column came.
struct Press {
    std::vector<workflow::UserMessage> messages;
    int columnsAdded = 0;
};

}  // namespace

class CalculateKeysTest : public QObject {
    Q_OBJECT

    static void activate(QWidget* window) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QApplication::setActiveWindow(window);  // the offscreen platform leaves a second window inactive
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    static Press pressF3(Desktop& desktop) {
        desktop.messenger.clear();
        const int before = desktop.window->table().elementCount();
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : desktop.window.get(), Qt::Key_F3);
        return {desktop.messenger.messages(), desktop.window->table().elementCount() - before};
    }

  private Q_SLOTS:
    void theFocusStartsInTheFirstEntry() {
        Desktop desktop;
        activate(desktop.window.get());
        QCOMPARE(QApplication::focusWidget(), desktop.window->fieldWidget(FormField::MediumName));
    }

    void f3CalculatesWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("an entry of the main form") << "entry";
        QTest::newRow("the results table") << "results";
        QTest::newRow("the short display") << "short";
    }

    void f3CalculatesWhereverTheFocusIs() {
        QFETCH(QString, where);
        Desktop desktop;
        activate(desktop.window.get());
        QWidget* target = desktop.window->fieldWidget(FormField::Slot1);
        if (where == "results") target = desktop.window->resultsWindow().findChild<QTableView*>();
        if (where == "short") target = desktop.window->shortDisplayWindow().findChild<QTableView*>();
        QVERIFY(target);
        QWidget* window = target->window();
        activate(window);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_F3);
        QCOMPARE(desktop.window->table().elementCount(), 1);
        QVERIFY(desktop.messenger.messages().empty());
    }

    void enterInAnEntryCalculates() {
        Desktop desktop;
        activate(desktop.window.get());
        auto* entry = qobject_cast<QLineEdit*>(desktop.window->fieldWidget(FormField::Designation));
        QVERIFY(entry);
        entry->setFocus();
        QTest::keyClicks(entry, "pump suction");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(desktop.window->table().elementCount(), 1);
        QCOMPARE(desktop.window->table().cell(1, workflow::row::designation), std::string("pump suction"));
    }

    // Every kind with its first slot typed as 0 (refused by the checks of all kinds but the height
    // difference), and the gate valve opened beyond its bore (told, then calculated as fully
    // open): two presses, the same answer.
    void twoPressesGiveTheSameAnswer() {
        Desktop desktop;
        activate(desktop.window.get());
        struct Probe {
            model::ElementKind kind;
            std::vector<QString> slots;
            bool appends;
        };
        std::vector<Probe> probes;
        for (const model::ElementKind kind : model::allElementKinds())
            probes.push_back({kind, {"0"}, kind == model::ElementKind{13, 1}});
        probes.push_back({{7, 4}, {"100", "150"}, true});
        for (const Probe& probe : probes) {
            const QByteArray name = QByteArray::number(probe.kind.group) + "/" + QByteArray::number(probe.kind.subgroup);
            desktop.window->form().setUpKind(probe.kind);
            desktop.window->refreshForm();
            for (std::size_t i = 0; i < probe.slots.size(); ++i)
                desktop.type(workflow::slotField(static_cast<int>(i) + 1), probe.slots[i]);
            const Press first = pressF3(desktop);
            const Press second = pressF3(desktop);
            QVERIFY2(first.messages == second.messages, name);
            QCOMPARE(first.columnsAdded, probe.appends ? 1 : 0);
            QCOMPARE(second.columnsAdded, first.columnsAdded);
        }
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::CalculateKeysTest)
#include "calculate_keys_test.moc"
