// Velmora desktop program.
#include <QApplication>
#include <QRect>

#include "persist/data_file_set.h"
#include "ui/main_window.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const velmora::lang::Edition edition = velmora::ui::chooseEdition(QApplication::arguments(), QString());
    auto texts = velmora::ui::loadTextsOrExplain(edition);
    if (!texts) return 1;
    const auto dataFolder =
        velmora::persist::DataFileSet::locate(QCoreApplication::applicationDirPath().toStdString());
    velmora::ui::MainWindow window(*texts, dataFolder);
    window.show();
    // Until the settings remember them, the results window opens below the main window.
    const QRect frame = window.frameGeometry();
    window.resultsWindow().move(frame.left(), frame.bottom() + 8);
    window.resultsWindow().show();
    return QApplication::exec();
}
