// The main window as a user drives it: entries typed into its widgets, Calculate, the results
// window and the summary following, a column copied back into the entries.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/main_window.h"
#include "ui_test_support.h"

namespace velmora::ui {

using workflow::FormField;
namespace row = workflow::row;

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calculateAppendsAColumnFromTheTypedEntries() {
        MainWindow window(testing::builtTexts(), VELMORA_DATA_DIR);
        window.show();
        // Typing into the diameter entry reaches the form model.
        auto* diameter = findEntryShowing(window, "100");
        QVERIFY(diameter);
        diameter->selectAll();
        QTest::keyClicks(diameter, "50");
        QCOMPARE(window.form().text(FormField::Slot1), std::string("50"));

        window.calculate();
        window.calculate();
        QCOMPARE(window.table().elementCount(), 2);
        QCOMPARE(window.table().cell(1, row::slot1), std::string("Diameter D in mm: 50.000"));
        // 1 m³/h through 50 mm: w = 1 / 3600 / (π/4 · 0.05²) = 0.1415 m/s.
        QCOMPARE(window.table().cell(2, row::velocity), std::string("0.141"));
    }

    void aColumnCopiedBackRestoresTheEntries() {
        MainWindow window(testing::builtTexts(), VELMORA_DATA_DIR);
        window.show();
        window.form().setText(FormField::Slot1, "80");
        window.calculate();
        window.form().setText(FormField::Slot1, "999");
        window.refreshForm();
        window.table().setCurrentColumn(1);
        window.resultsWindow().reload();
        QMetaObject::invokeMethod(&window.resultsWindow(), "copyToInputsRequested");
        QCOMPARE(window.form().text(FormField::Slot1), std::string("80.000"));
        QVERIFY(findEntryShowing(window, "80.000"));
    }

private:
    // The visible entry of the main window whose text is `text`.
    static QLineEdit* findEntryShowing(MainWindow& window, const QString& text) {
        for (QLineEdit* entry : window.findChildren<QLineEdit*>())
            if (entry->text() == text && entry->isVisible()) return entry;
        return nullptr;
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::MainWindowTest)
#include "main_window_test.moc"
