#include "ui/user_database_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

using F = media::UserDatabaseField;

namespace {

int f(F field) {
    return static_cast<int>(field);
}

// The two state buttons, ids 0 (liquid) and 1 (gaseous).
QWidget* stateButtons(DialogBinder& binder, QObject* owner) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(owner);
    for (int id : {0, 1}) {
        auto* button = new QRadioButton;
        group->addButton(button, id);
        layout->addWidget(button);
    }
    layout->addStretch();
    binder.bindChoice(f(F::State), group);
    return box;
}

QPlainTextEdit* notesBox() {
    auto* notes = new QPlainTextEdit;
    notes->setFixedHeight(80);
    notes->setTabChangesFocus(true);
    return notes;
}

// Name, state, gas data, density, viscosity and notes, as entries (editor) or outputs (selection).
QGridLayout* recordFields(DialogBinder& binder, QObject* owner, bool editable, QPlainTextEdit* notes) {
    auto* grid = new QGridLayout;
    const auto value = [&](F field) -> QWidget* {
        return editable ? static_cast<QWidget*>(entryField(binder, f(field), 160))
                        : outputLabel(binder, f(field), 160);
    };
    int r = 0;
    if (editable) {
        grid->addWidget(captionLabel(binder, f(F::NameLabel)), r, 0);
        grid->addWidget(entryField(binder, f(F::Name), 260), r++, 1);
    }
    grid->addWidget(captionLabel(binder, f(F::StateLabel)), r, 0);
    grid->addWidget(stateButtons(binder, owner), r++, 1);
    auto* gas = new QGroupBox;
    binder.bindCaption(f(F::GasDataLabel), gas);
    auto* gasGrid = new QGridLayout(gas);
    gasGrid->addWidget(captionLabel(binder, f(F::TemperatureLabel)), 0, 0);
    gasGrid->addWidget(value(F::Temperature), 0, 1);
    gasGrid->addWidget(captionLabel(binder, f(F::PressureLabel)), 1, 0);
    gasGrid->addWidget(value(F::Pressure), 1, 1);
    grid->addWidget(gas, r++, 0, 1, 2);
    grid->addWidget(captionLabel(binder, f(F::DensityLabel)), r, 0);
    grid->addWidget(value(F::Density), r++, 1);
    grid->addWidget(captionLabel(binder, f(F::ViscosityLabel)), r, 0);
    grid->addWidget(value(F::Viscosity), r++, 1);
    grid->addWidget(captionLabel(binder, f(F::NotesLabel)), r++, 0, 1, 2);
    binder.bindFlags(f(F::Notes), notes);
    grid->addWidget(notes, r++, 0, 1, 2);
    return grid;
}

}  // namespace

// ---- Editor ----

UserDatabaseEditDialog::UserDatabaseEditDialog(const lang::TextCatalogue& texts,
                                               media::UserDatabase& database, QWidget* parent)
    : MediaDialog(parent),
      presenter_(texts, database),
      binder_(presenter_.form(), this),
      messenger_(this, binder_),
      notes_(notesBox()) {
    loadMessage_ = presenter_.load();
    const auto button = [this](F field) {
        return pushButton(binder_, f(field), [this, field] { press(field); });
    };
    auto* paging = new QHBoxLayout;
    const std::pair<F, const char*> arrows[] = {
        {F::Back5, "<<"}, {F::Back1, "<"}, {F::Forward1, ">"}, {F::Forward5, ">>"}};
    for (auto [field, arrow] : arrows) {
        auto* step = new QPushButton(arrow);
        step->setFixedWidth(40);
        binder_.bindFlags(f(field), step);
        connect(step, &QPushButton::clicked, this, [this, field] { press(field); });
        paging->addWidget(step);
        if (field == F::Back1) paging->addWidget(outputLabel(binder_, f(F::Position), 170), 1);
    }
    auto* actions = new QHBoxLayout;
    for (F field : {F::New, F::Delete, F::Sort}) actions->addWidget(button(field));
    actions->addStretch();
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(button(F::SaveAndClose));
    closing->addWidget(button(F::Cancel));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(recordFields(binder_, this, true, notes_));
    layout->addLayout(paging);
    layout->addLayout(actions);
    layout->addLayout(closing);
    connect(notes_, &QPlainTextEdit::textChanged, this,
            [this] { presenter_.form().setText(f(F::Notes), notes_->toPlainText().toStdString()); });
}

void UserDatabaseEditDialog::refresh() {
    binder_.refresh();
    const QString notes = qs(presenter_.form().text(f(F::Notes)));
    if (notes_->toPlainText() != notes) notes_->setPlainText(notes);
}

void UserDatabaseEditDialog::press(F field) {
    const bool close = presenter_.pressed(field, messenger_);
    refresh();
    if (field == F::New) binder_.focus(f(F::Name));
    if (close) accept();
}

void UserDatabaseEditDialog::reject() {
    // Closing by the title bar or Esc discards, as "&Abbrechen" does.
    presenter_.pressed(F::Cancel, messenger_);
    refresh();
    MediaDialog::reject();
}

void UserDatabaseEditDialog::run(model::UnitSystem units) {
    presenter_.show(units);
    setWindowTitle(qs(presenter_.form().caption(f(F::Title))));
    refresh();
    for (F field : {F::Back5, F::Back1, F::Forward1, F::Forward5})
        binder_.widget(f(field))->setToolTip(qs(presenter_.form().caption(f(field))));
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    runModal();
}

// ---- Selection ----

UserDatabaseDialog::UserDatabaseDialog(const lang::TextCatalogue& texts, const media::UserDatabase& database,
                                       QWidget* parent)
    : MediaDialog(parent), presenter_(texts, database), binder_(presenter_.form(), this), notes_(notesBox()) {
    notes_->setReadOnly(true);
    auto* list = new QListWidget;
    list->setMinimumWidth(200);
    binder_.bindChoice(f(F::List), list);
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::NameLabel)));
    left->addWidget(list, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(recordFields(binder_, this, false, notes_), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    buttons->addWidget(pushButton(binder_, f(F::Cancel), [this] { reject(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        binder_.refresh();
        notes_->setPlainText(qs(presenter_.form().output(f(F::Notes))));
    });
}

std::optional<media::MediumTransfer> UserDatabaseDialog::run(model::UnitSystem units) {
    presenter_.show(units);
    setWindowTitle(qs(presenter_.form().caption(f(F::Title))));
    binder_.refresh();
    // The state buttons only show the record's state.
    for (QWidget* button : findChildren<QRadioButton*>()) button->setEnabled(false);
    notes_->setPlainText(qs(presenter_.form().output(f(F::Notes))));
    auto transfer = runModal();
    presenter_.closed();
    return transfer;
}

}  // namespace velmora::ui
