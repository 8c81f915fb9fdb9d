// Velmora desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QRect>
#include <QSettings>

#include "persist/data_file_set.h"
#include "ui/main_window.h"
#include "ui/qsettings_store.h"
#include "ui/startup.h"
#include "ui/splash.h"
#include "ui/startup_settings.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(velmora::ui::kOrganisation);
    QApplication::setApplicationName(velmora::ui::kApplication);
    const QString storedEdition = QSettings().value(velmora::ui::kEditionSetting).toString();
    const velmora::lang::Edition edition = velmora::ui::chooseEdition(QApplication::arguments(), storedEdition);
    // Qt's own texts (standard buttons, file dialogs, entry pop-up menus) in the edition's language.
    constexpr const char* locales[] = {"de", "en", "fr", "nl"};
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(locales[static_cast<int>(edition.language())]), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    auto texts = velmora::ui::loadTextsOrExplain(edition);
    if (!texts) return 1;
    const auto dataFolder =
        velmora::persist::DataFileSet::locate(QCoreApplication::applicationDirPath().toStdString());
    velmora::ui::QSettingsStore settings;
    auto splash = velmora::ui::showSplash(*texts);
    velmora::ui::MainWindow window(*texts, dataFolder);
    window.setSettingsStore(&settings);
    window.show();
    splash->finish(&window);
    std::vector<std::string> words;
    for (const QString& argument : QApplication::arguments().mid(1)) words.push_back(argument.toStdString());
    window.openFromArguments(words);
    return QApplication::exec();
}
