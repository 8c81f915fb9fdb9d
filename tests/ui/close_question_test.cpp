// The question before unsaved work is given up, in the real message box the user sees: closing
// the main window, a new project and opening another one. Enter saves, Discard lets the work go,
// and Cancel, Escape or the box's close button keep the program open with the table as it was.
#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>

#include "model/window_texts.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui_test_support.h"
#include "workflow/file_chooser.h"

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

namespace {

class ScriptedSaves : public workflow::FileChooser {
  public:
    std::deque<std::filesystem::path> toSave;
    std::deque<std::filesystem::path> toOpen;
    int saveDialogs = 0;
    int openDialogs = 0;

    std::optional<std::filesystem::path> chooseProjectToOpen(const std::string&) override {
        ++openDialogs;
        return next(toOpen);
    }
    std::optional<std::filesystem::path> chooseProjectToSave(const std::string&,
                                                             const std::filesystem::path&) override {
        ++saveDialogs;
        return next(toSave);
    }

  private:
    static std::optional<std::filesystem::path> next(std::deque<std::filesystem::path>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// What the user does in the message box.
enum class Answer { Enter, Escape, CloseBox, Save, Discard, Cancel };

// Acts on the next message box once it is shown; records its buttons and its default.
struct BoxAnswerer {
    Answer answer;
    bool reached = false;
    QStringList buttons;
    QString defaultButton;
    QString text;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            reached = true;
            text = box->text();
            for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
            if (box->defaultButton()) defaultButton = box->defaultButton()->text().remove('&');
            switch (answer) {
                case Answer::Enter: QTest::keyClick(box, Qt::Key_Return); break;
                case Answer::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
                case Answer::CloseBox: box->close(); break;
                case Answer::Save: box->button(QMessageBox::Save)->click(); break;
                case Answer::Discard: box->button(QMessageBox::Discard)->click(); break;
                case Answer::Cancel: box->button(QMessageBox::Cancel)->click(); break;
            }
        });
    }
};

}  // namespace

class CloseQuestionTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    const lang::TextCatalogue& texts_ = testing::builtTexts(testing::Language::English);

    std::filesystem::path file(const char* name) const { return folder_.filePath(name).toStdString(); }

    // The main window with real message boxes and scripted file dialogs, one column calculated.
    std::unique_ptr<MainWindow> windowWithWork(ScriptedSaves& chooser) {
        auto window = std::make_unique<MainWindow>(texts_, VELMORA_DATA_DIR,
                                                   MainWindow::Interaction{nullptr, &chooser});
        window->show();
        window->form().setText(FormField::Slot1, "50");
        window->form().setText(FormField::Slot2, "10");
        window->form().setText(FormField::Designation, "suction");
        window->refreshForm();
        window->calculate();
        return window;
    }

    QAction* fileCommand(MainWindow& window, MyWindowText text) const {
        const QString caption = mainText(texts_, text);
        for (QAction* menu : window.menuBar()->actions())
            if (menu->menu())
                for (QAction* action : menu->menu()->actions())
                    if (action->text() == caption) return action;
        return nullptr;
    }

  private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
    }

    void cleanup() { QFile::remove(folder_.filePath("work.vla")); }

    void closingAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Enter saves, then closes") << int(Answer::Enter) << true << true;
        QTest::newRow("Save saves, then closes") << int(Answer::Save) << true << true;
        QTest::newRow("Discard closes without writing") << int(Answer::Discard) << true << false;
        QTest::newRow("Cancel stays open") << int(Answer::Cancel) << false << false;
        QTest::newRow("Escape stays open") << int(Answer::Escape) << false << false;
        QTest::newRow("closing the box stays open") << int(Answer::CloseBox) << false << false;
    }

    void closingAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        ScriptedSaves chooser;
        chooser.toSave.push_back(file("work.vla"));
        auto window = windowWithWork(chooser);
        QCOMPARE(window->table().elementCount(), 1);

        BoxAnswerer box{static_cast<Answer>(answer)};
        box.arm();
        QCOMPARE(window->close(), closes);
        QVERIFY2(box.reached, "closing with unsaved work shows the question");
        QCOMPARE(box.text, qs(texts_.text(model::GlobalText::SaveQuestion)).replace('\r', '\n'));
        QCOMPARE(box.buttons.size(), 3);
        QCOMPARE(box.defaultButton, QString("Save"));
        QCOMPARE(std::filesystem::exists(file("work.vla")), written);
        QCOMPARE(window->isVisible(), !closes);
        if (!closes) {
            // Everything as it was, still unsaved: the next close asks again.
            QCOMPARE(window->table().elementCount(), 1);
            QCOMPARE(qs(window->table().cell(1, workflow::row::designation)), QString("suction"));
            QCOMPARE(chooser.saveDialogs, 0);
            BoxAnswerer again{Answer::Discard};
            again.arm();
            QVERIFY(window->close());
            QVERIFY(again.reached);
        }
    }

    // A new project and opening another one ask the same question, with Save as the default:
    // Enter saves the table before it is cleared.
    void newAndOpenSaveOnEnter_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("New") << int(MyWindowText::FileNew);
        QTest::newRow("Open") << int(MyWindowText::FileOpen);
    }

    void newAndOpenSaveOnEnter() {
        QFETCH(int, command);
        ScriptedSaves chooser;
        chooser.toSave.push_back(file("work.vla"));
        auto window = windowWithWork(chooser);
        BoxAnswerer box{Answer::Enter};
        box.arm();
        QAction* action = fileCommand(*window, static_cast<MyWindowText>(command));
        QVERIFY(action);
        action->trigger();
        QVERIFY(box.reached);
        QCOMPARE(box.defaultButton, QString("Save"));
        QVERIFY(std::filesystem::exists(file("work.vla")));
        QCOMPARE(chooser.saveDialogs, 1);

        // Escape on the question of a second command keeps the table.
        window->calculate();
        const int openDialogs = chooser.openDialogs;
        BoxAnswerer escape{Answer::Escape};
        escape.arm();
        action->trigger();
        QVERIFY(escape.reached);
        QVERIFY(!window->table().empty());
        QCOMPARE(chooser.openDialogs, openDialogs);
        BoxAnswerer discard{Answer::Discard};
        discard.arm();
        QVERIFY(window->close());
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::CloseQuestionTest)
#include "close_question_test.moc"
