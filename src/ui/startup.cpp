#include "ui/startup.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "persist/data_file_error.h"
#include "persist/text_catalogue_loader.h"

namespace velmora::ui {

lang::Edition chooseEdition(const QStringList& arguments, const QString& storedLetter) {
    QString option;
    for (const QString& argument : arguments)
        if (argument.startsWith("--edition=")) option = argument.mid(10);
    const QByteArray environment = qgetenv("VELMORA_EDITION");
    return lang::Edition::choose(option.toStdString(), environment.toStdString(), storedLetter.toStdString());
}

std::optional<lang::TextCatalogue> loadTextsOrExplain(lang::Edition edition) {
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    try {
        return persist::loadTextCatalogue(persist::DataFileSet(persist::DataFileSet::locate(programFolder)), edition);
    } catch (const persist::DataFileError&) {
        QMessageBox box(QMessageBox::Warning, "Velmora", QString::fromUtf8(persist::startupFailureMessage.data(),
                                                                           persist::startupFailureMessage.size()),
                        QMessageBox::Ok);
        box.exec();
        return std::nullopt;
    }
}

}  // namespace velmora::ui
