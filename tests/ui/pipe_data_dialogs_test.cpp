// The pipe tables, the zeta database and the roughness database opened from the main window as a
// user does: a pipe, fitting or surface chosen, taken over, and the values arriving in the main
// form. With VELMORA_SCREENSHOTS set to a folder, each open dialog is also photographed there.
#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "ui/main_window.h"
#include "ui/pipe_dialogs.h"
#include "ui_test_support.h"

Q_DECLARE_METATYPE(velmora::ui::testing::Language)

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

namespace {

void whenOpen(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) act(dialog);
    });
}

QPushButton* buttonNamed(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove('&') == text && button->isVisible()) return button;
    return nullptr;
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

bool german(testing::Language l) { return l == testing::Language::German; }
QString tag(testing::Language l) { return german(l) ? "de" : "en"; }

}  // namespace

class PipeDataDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // EN 10255 medium DN 50 (60,3 x 3,6 mm): the straight pipe with D = 53,1 mm and the standard's
    // short designation.
    void circularPipeTakesOverTheInsideDiameter_data() { languages(); }
    void circularPipeTakesOverTheInsideDiameter() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        window.form().setUpKind({4, 1});
        whenOpen([&](QWidget* dialog) {
            auto& presenter = static_cast<CircularPipeDialog*>(dialog)->presenter();
            using F = pipedata::CircularPipeField;
            QVERIFY(presenter.choose(F::Standard, 7));  // EN 10255 series M
            const auto& sizes = presenter.form().choice(static_cast<int>(F::Size)).items();
            QVERIFY(presenter.choose(F::Size, static_cast<int>(std::find(sizes.begin(), sizes.end(), "50") - sizes.begin())));
            static_cast<CircularPipeDialog*>(dialog)->refresh();
            photograph(dialog, "pipes_circular_" + tag(language));
            buttonNamed(dialog, german(language) ? "Werte übernehmen" : "Take over values")->click();
        });
        window.command(MyWindowText::DataPipesCircular)->trigger();
        QCOMPARE(window.form().kind(), (model::ElementKind{1, 1}));
        QCOMPARE(window.form().text(FormField::Slot1), std::string(german(language) ? "53,1" : "53.1"));
        QCOMPARE(window.form().text(FormField::Designation), std::string("EN 10255 M"));
    }

    void americanPageAndRectangularTables_data() { languages(); }
    void americanPageAndRectangularTables() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            auto& presenter = static_cast<CircularPipeDialog*>(dialog)->presenter();
            QVERIFY(presenter.choose(pipedata::CircularPipeField::Page, 1));
            QVERIFY(presenter.choose(pipedata::CircularPipeField::Standard, 1));
            QVERIFY(presenter.choose(pipedata::CircularPipeField::Size, 12));
            static_cast<CircularPipeDialog*>(dialog)->refresh();
            photograph(dialog, "pipes_american_" + tag(language));
            buttonNamed(dialog, german(language) ? "Schließen" : "Close")->click();
        });
        window.command(MyWindowText::DataPipesCircular)->trigger();
        whenOpen([&](QWidget* dialog) {
            auto& presenter = static_cast<RectangularPipeDialog*>(dialog)->presenter();
            QVERIFY(presenter.choose(pipedata::RectangularPipeField::Standard, 3));  // ducts
            QVERIFY(presenter.choose(pipedata::RectangularPipeField::Shape, 1));
            QVERIFY(presenter.choose(pipedata::RectangularPipeField::Size, 20));
            static_cast<RectangularPipeDialog*>(dialog)->refresh();
            photograph(dialog, "pipes_rectangular_" + tag(language));
            buttonNamed(dialog, german(language) ? "Werte übernehmen" : "Take over values")->click();
        });
        window.command(MyWindowText::DataPipesRectangular)->trigger();
        QCOMPARE(window.form().kind(), (model::ElementKind{1, 2}));
        QVERIFY(!window.form().text(FormField::Slot1).empty());
        QVERIFY(!window.form().text(FormField::Slot2).empty());
    }

    // A maker's fitting: the known-zeta element with the size and zeta, "maker fitting" as
    // designation.
    void zetaSetsUpTheKnownZetaElement_data() { languages(); }
    void zetaSetsUpTheKnownZetaElement() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        whenOpen([&](QWidget* dialog) {
            auto* fittings = dialog->findChild<QListWidget*>();
            fittings->setCurrentRow(1);  // Crane: globe valve
            photograph(dialog, "zeta_" + tag(language));
            buttonNamed(dialog, german(language) ? "Daten übernehmen" : "Take over data")->click();
        });
        window.command(MyWindowText::DataZetaDatabase)->trigger();
        QCOMPARE(window.form().kind(), (model::ElementKind{12, 1}));
        QCOMPARE(window.form().text(FormField::Slot1), std::string("15"));
        QCOMPARE(window.form().text(FormField::Slot2), std::string(german(language) ? "9,18" : "9.18"));
        QCOMPARE(window.form().text(FormField::Designation), std::string("CRANE Globe valve, straight pattern (340 fT)"));
    }

    // A double click on a surface takes it over and closes the dialog; the unit box goes to mm.
    void roughnessByDoubleClick_data() { languages(); }
    void roughnessByDoubleClick() {
        QFETCH(testing::Language, language);
        MainWindow window(testing::builtTexts(language), VELMORA_DATA_DIR);
        window.show();
        window.form().selectUnit(FormField::RoughnessUnit, 1);
        QToolButton* button = nullptr;
        for (QToolButton* b : window.findChildren<QToolButton*>())
            if (b->text() == "...") button = b;
        QVERIFY(button && button->isVisible());
        whenOpen([&](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>();
            list->setCurrentRow(41);
            photograph(dialog, "roughness_" + tag(language));
            Q_EMIT list->itemDoubleClicked(list->item(41));
        });
        button->click();
        QCOMPARE(window.form().text(FormField::Roughness), std::string(german(language) ? "9,0" : "1.0"));
        QCOMPARE(window.form().unitBox(FormField::RoughnessUnit).current(), std::string("mm"));
    }

  private:
    static void languages() {
        QTest::addColumn<testing::Language>("language");
        QTest::newRow("English") << testing::Language::English;
        QTest::newRow("German") << testing::Language::German;
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::PipeDataDialogsTest)
#include "pipe_data_dialogs_test.moc"
