#pragma once

#include <QWidget>

#include "workflow/file_chooser.h"

namespace velmora::ui {

// The open and save dialogs of the File commands.
class QtFileChooser : public workflow::FileChooser {
public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}

    std::optional<std::filesystem::path> chooseProjectToOpen(const std::string& filter) override;
    std::optional<std::filesystem::path> chooseProjectToSave(const std::string& filter,
                                                             const std::filesystem::path& suggestedPath) override;

private:
    QWidget* parent_;
};

}  // namespace velmora::ui
