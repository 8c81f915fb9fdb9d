// Velmora desktop program.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const velmora::lang::Edition edition = velmora::ui::chooseEdition(QApplication::arguments(), QString());
    auto texts = velmora::ui::loadTextsOrExplain(edition);
    if (!texts) return 1;
    velmora::ui::MainWindow window(*texts);
    window.show();
    return QApplication::exec();
}
