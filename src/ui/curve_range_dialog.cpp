#include "ui/curve_range_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_binder.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using Presenter = tools::CurveRangePresenter;

CurveRangeDialog::CurveRangeDialog(Presenter& presenter, Run run, QWidget* parent)
    : ModalDialog(parent), presenter_(presenter), run_(std::move(run)) {
    binder_ = new DialogBinder(presenter_.form(), this);
    auto* intro = new QLabel;
    intro->setWordWrap(true);
    binder_->bindCaption(Presenter::Intro, intro);

    auto* form = new QFormLayout;
    const auto labelled = [&](int labelField, QWidget* widget) {
        auto* label = new QLabel;
        binder_->bindCaption(labelField, label);
        label->setBuddy(widget);
        form->addRow(label, widget);
    };
    auto* from = binder_->bindEntry(Presenter::From, new QLineEdit);
    auto* to = binder_->bindEntry(Presenter::To, new QLineEdit);
    auto* unit = binder_->bindChoice(Presenter::Unit, new QComboBox);
    auto* points = binder_->bindEntry(Presenter::Points, new QLineEdit);
    for (QLineEdit* entry : {from, to, points}) entry->setMaximumWidth(120);
    labelled(Presenter::FromLabel, from);
    labelled(Presenter::ToLabel, to);
    labelled(Presenter::UnitLabel, unit);
    labelled(Presenter::PointsLabel, points);
    auto* medium = new QLabel;
    binder_->bindOutput(Presenter::Medium, medium);
    labelled(Presenter::MediumLabel, medium);

    auto* calculateButton = new QPushButton;
    auto* cancel = new QPushButton;
    binder_->bindCaption(Presenter::Calculate, calculateButton);
    binder_->bindCaption(Presenter::Cancel, cancel);
    calculateButton->setDefault(true);
    connect(calculateButton, &QPushButton::clicked, this, &CurveRangeDialog::calculate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calculateButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void CurveRangeDialog::prepare(const std::string& mediumName) {
    presenter_.shown(mediumName);
    setWindowTitle(qs(presenter_.title()));
    binder_->refresh();
}

void CurveRangeDialog::calculate() {
    DialogMessenger messenger(this, *binder_);
    const auto range = presenter_.read(messenger);
    if (!range) return;
    run_(*range);
    accept();
}

}  // namespace velmora::ui
