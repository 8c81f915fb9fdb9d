#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include "ui/modal_dialog.h"
#include <QSpinBox>

#include "lang/text_catalogue.h"
#include "workflow/app_settings.h"

namespace velmora::ui {

// The settings dialog: value output, decimal places, save at exit, units of the user database,
// the results window's title form and the language of the next start. Applied only on OK.
class SettingsDialog : public ModalDialog {
    Q_OBJECT
public:
    SettingsDialog(const lang::TextCatalogue& texts, QWidget* parent = nullptr);

    // Shows the dialog on these values; true and the new values on OK.
    bool edit(workflow::Options& options, QString& editionLetter);

private:
    const lang::TextCatalogue& texts_;
    QButtonGroup* units_;
    QSpinBox* decimals_;
    QButtonGroup* saveAtExit_;
    QButtonGroup* databaseUnits_;
    QButtonGroup* titleForm_;
    QComboBox* language_;
    model::UnitSystem shownDatabaseUnits_ = model::UnitSystem::Metric;
};

}  // namespace velmora::ui
