// The main window's title names the project's file and marks unsaved changes: "Untitled" at start,
// the mark after a calculation, the file name once saved, the mark again after the next change.
#include <QTemporaryDir>

#include "desktop_fixture.h"

namespace velmora::ui {

using model::MyWindowText;
using testing::Desktop;

class WindowTitleTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void theTitleNamesTheFileAndMarksChanges() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        Desktop desktop;
        MainWindow& window = *desktop.window;
        const QString program = mainText(desktop.texts, MyWindowText::Title);
        QCOMPARE(window.windowTitle(), QString("Untitled[*] \u2013 ") + program);
        QVERIFY(!window.isWindowModified());

        desktop.calculatePipe("suction");
        QVERIFY(window.isWindowModified());

        desktop.chooser.toSave.push_back(folder.filePath("pump house.vla").toStdString());
        desktop.command(MyWindowText::FileSave)->trigger();
        QCOMPARE(window.windowTitle(), QString("pump house.vla[*] \u2013 ") + program);
        QVERIFY(!window.isWindowModified());

        desktop.calculatePipe("discharge");
        QVERIFY(window.isWindowModified());
        desktop.messenger.queueAnswer(workflow::MessageButton::Discard);
        desktop.command(MyWindowText::FileNew)->trigger();
        QCOMPARE(window.windowTitle(), QString("Untitled[*] \u2013 ") + program);
        QVERIFY(!window.isWindowModified());
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::WindowTitleTest)
#include "window_title_test.moc"
