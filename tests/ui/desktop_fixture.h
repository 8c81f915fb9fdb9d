#pragma once

// The real main window with its messages recorded and its file dialogs answered from a script,
// and the few steps a user takes on it: typing into a field, choosing a unit, pressing a command.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui_test_support.h"
#include "workflow/file_chooser.h"
#include "workflow/messenger.h"

namespace velmora::ui::testing {

// Answers the open and save dialogs with the queued paths (nothing: cancelled) and counts the
// dialogs that were opened.
class ScriptedChooser : public workflow::FileChooser {
  public:
    std::deque<std::optional<std::filesystem::path>> toOpen;
    std::deque<std::optional<std::filesystem::path>> toSave;
    int openDialogs = 0;
    int saveDialogs = 0;

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
    static std::optional<std::filesystem::path> next(
        std::deque<std::optional<std::filesystem::path>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

struct Desktop {
    explicit Desktop(Language language = Language::English)
        : texts(builtTexts(language)),
          window(std::make_unique<MainWindow>(texts, VELMORA_DATA_DIR,
                                              MainWindow::Interaction{&messenger, &chooser})) {
        window->show();
    }

    const lang::TextCatalogue& texts;
    workflow::RecordingMessenger messenger;
    ScriptedChooser chooser;
    std::unique_ptr<MainWindow> window;

    // Types `text` into the field's entry, replacing what it showed, as the keyboard does.
    void type(workflow::FormField field, const QString& text) {
        auto* entry = qobject_cast<QLineEdit*>(window->fieldWidget(field));
        QVERIFY2(entry, "the field has an entry");
        entry->selectAll();
        entry->del();
        QTest::keyClicks(entry, text);
    }

    // Chooses the unit box item with this label, as a click in its list does.
    void chooseUnit(workflow::FormField field, const QString& label) {
        auto* box = qobject_cast<QComboBox*>(window->fieldWidget(field));
        QVERIFY2(box, "the field has a unit box");
        const int index = box->findText(label);
        QVERIFY2(index >= 0, qPrintable("no unit " + label));
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    // The Calculate button of the element panel.
    void pressCalculate() {
        const QString caption = mainText(texts, model::MyWindowText::ButtonCalculate);
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == caption) return button->click();
        QFAIL("no Calculate button");
    }

    // A menu command of the main window, by its text.
    QAction* command(model::MyWindowText text) const {
        const QString caption = mainText(texts, text);
        for (QAction* menu : window->menuBar()->actions())
            if (menu->menu())
                for (QAction* action : menu->menu()->actions())
                    if (action->text() == caption) {
                        Q_EMIT menu->menu()->aboutToShow();  // the enabled states as when opened
                        return action;
                    }
        return nullptr;
    }

    // Runs the command; `inDialog` acts on the modal dialog it opens (and must close it).
    template <typename Dialog>
    static void runWithDialog(QAction* action, std::function<void(Dialog&)> inDialog) {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            reached = true;
            inDialog(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        action->trigger();
        QVERIFY2(reached, "the command opened its dialog");
    }

    // A liquid pipe: water through a pipe of `diameter` mm and `length` m, with a designation.
    void calculatePipe(const QString& designation, const QString& diameter = "50",
                       const QString& length = "10") {
        type(workflow::FormField::Slot1, diameter);
        type(workflow::FormField::Slot2, length);
        type(workflow::FormField::Designation, designation);
        pressCalculate();
    }
};

}  // namespace velmora::ui::testing
