#include "ui/qt_file_chooser.h"

#include <QFileDialog>

namespace velmora::ui {

namespace {

// "Project files (*.vla)|*.vla" → "Project files (*.vla)": the part before the bar names the files.
QString qtFilter(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    return text.section('|', 0, 0);
}

std::optional<std::filesystem::path> chosen(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtFileChooser::chooseProjectToOpen(const std::string& filter) {
    return chosen(QFileDialog::getOpenFileName(parent_, QString(), QString(), qtFilter(filter)));
}

std::optional<std::filesystem::path> QtFileChooser::chooseProjectToSave(const std::string& filter,
                                                                        const std::filesystem::path& suggestedPath) {
    QFileDialog dialog(parent_, QString(), QString::fromStdString(suggestedPath.string()), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromUtf8(workflow::kProjectExtension.data(),
                                              static_cast<qsizetype>(workflow::kProjectExtension.size())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().front());
}

}  // namespace velmora::ui
