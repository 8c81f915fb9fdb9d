#include "ui/settings_dialog.h"

#include "ui/message_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/window_texts.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::SettingsDialogText;
using model::UnitSystem;

namespace {

constexpr const char* languageLetters[] = {"D", "E", "F", "H"};
constexpr const char* languageNames[] = {"Deutsch", "English", "Français", "Nederlands"};

}  // namespace

SettingsDialog::SettingsDialog(const lang::TextCatalogue& texts, QWidget* parent) : ModalDialog(parent), texts_(texts) {
    const auto text = [&texts](SettingsDialogText role) {
        return blockText(texts, "TEinstellungen", static_cast<int>(role));
    };
    setWindowTitle(text(SettingsDialogText::Title));
    auto* form = new QFormLayout;

    // Two radio buttons in a row; ids 0 and 1.
    const auto pair = [&](SettingsDialogText first, SettingsDialogText second) {
        auto* group = new QButtonGroup(this);
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        for (auto [id, role] : {std::pair{0, first}, std::pair{1, second}}) {
            auto* button = new QRadioButton(text(role));
            group->addButton(button, id);
            layout->addWidget(button);
        }
        layout->addStretch();
        return std::pair{group, row};
    };
    QWidget* row = nullptr;
    std::tie(units_, row) = pair(SettingsDialogText::Metric, SettingsDialogText::Us);
    form->addRow(text(SettingsDialogText::ValueOutput), row);
    decimals_ = new QSpinBox;
    decimals_->setRange(0, 6);
    form->addRow(text(SettingsDialogText::Decimals), decimals_);
    std::tie(saveAtExit_, row) = pair(SettingsDialogText::Yes, SettingsDialogText::No);
    form->addRow(text(SettingsDialogText::SaveAtExit), row);
    std::tie(databaseUnits_, row) = pair(SettingsDialogText::Metric, SettingsDialogText::Us);
    form->addRow(text(SettingsDialogText::UserDatabaseUnits), row);
    std::tie(titleForm_, row) = pair(SettingsDialogText::TitlePath, SettingsDialogText::TitleFileName);
    form->addRow(text(SettingsDialogText::TitleForm), row);
    language_ = new QComboBox;
    for (const char* name : languageNames) language_->addItem(name);
    form->addRow(text(SettingsDialogText::Language), language_);

    // Changing the units of the user database warns at once: stored values are not converted.
    connect(databaseUnits_, &QButtonGroup::idClicked, this, [this](int id) {
        const UnitSystem chosen = id == 0 ? UnitSystem::Metric : UnitSystem::Us;
        if (chosen != shownDatabaseUnits_)
            warningBox(this, globalText(texts_, model::GlobalText::WarningCaption),
                       displayText(texts_.text(model::GlobalText::UserDatabaseUnitsChanged)));
        shownDatabaseUnits_ = chosen;
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(globalText(texts, model::GlobalText::ButtonOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(globalText(texts, model::GlobalText::ButtonCancel));
    auto* hint = new QToolButton;
    hint->setText("?");
    buttons->addButton(hint, QDialogButtonBox::HelpRole);
    connect(hint, &QToolButton::clicked, this, [this, text] {
        informationBox(this, globalText(texts_, model::GlobalText::InformationCaption),
                       text(SettingsDialogText::Hint1) + "\n" + text(SettingsDialogText::Hint2));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool SettingsDialog::edit(workflow::Options& options, QString& editionLetter) {
    units_->button(options.unitSystem == UnitSystem::Metric ? 0 : 1)->setChecked(true);
    decimals_->setValue(options.decimals);
    saveAtExit_->button(options.restoreFormAtStart ? 0 : 1)->setChecked(true);
    shownDatabaseUnits_ = options.userDatabaseUnits;
    databaseUnits_->button(options.userDatabaseUnits == UnitSystem::Metric ? 0 : 1)->setChecked(true);
    titleForm_->button(options.titleForm == workflow::TitleForm::FullPath ? 0 : 1)->setChecked(true);
    int language = 1;
    for (int i = 0; i < 4; ++i)
        if (editionLetter == languageLetters[i]) language = i;
    language_->setCurrentIndex(language);
    if (exec() != QDialog::Accepted) return false;
    options.unitSystem = units_->checkedId() == 0 ? UnitSystem::Metric : UnitSystem::Us;
    options.decimals = decimals_->value();
    options.restoreFormAtStart = saveAtExit_->checkedId() == 0;
    options.userDatabaseUnits = databaseUnits_->checkedId() == 0 ? UnitSystem::Metric : UnitSystem::Us;
    options.titleForm = titleForm_->checkedId() == 0 ? workflow::TitleForm::FullPath : workflow::TitleForm::FileName;
    editionLetter = languageLetters[language_->currentIndex()];
    return true;
}

}  // namespace velmora::ui
