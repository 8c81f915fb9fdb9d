#include "ui/medium_panel.h"

#include <QGridLayout>
#include <QLineEdit>

#include "ui/edition_locale.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

namespace {

QLineEdit* entry(FormBinder& binder, FormField field) {
    auto* edit = new QLineEdit;
    edit->setMinimumWidth(90);
    binder.bindEntry(field, edit);
    return edit;
}

QComboBox* unitBox(FormBinder& binder, FormField field) {
    auto* box = new QComboBox;
    box->setMinimumContentsLength(9);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    binder.bindUnitBox(field, box);
    return box;
}

}  // namespace

MediumPanel::MediumPanel(workflow::MainForm& form, FormBinder& binder, QWidget* parent)
    : QGroupBox(parent), form_(form) {
    const lang::TextCatalogue& texts = form.texts();
    setTitle(mainText(texts, MyWindowText::MediumPanelTitle));
    auto* grid = new QGridLayout(this);

    grid->addWidget(new QLabel(qs(form.caption(FormField::MediumName))), 0, 0);
    grid->addWidget(entry(binder, FormField::MediumName), 0, 1, 1, 2);

    flowQuantity_ = new QComboBox;
    for (const std::string& item : form.flowQuantityItems()) flowQuantity_->addItem(qs(item));
    grid->addWidget(flowQuantity_, 1, 0);
    grid->addWidget(entry(binder, FormField::Flow), 1, 1);
    grid->addWidget(unitBox(binder, FormField::FlowUnit), 1, 2);

    densityLabel_ = new QLabel(editionLabel(form.texts().edition(), qs(form.caption(FormField::Density)) + ":"));
    grid->addWidget(densityLabel_, 2, 0);
    grid->addWidget(entry(binder, FormField::Density), 2, 1);
    grid->addWidget(unitBox(binder, FormField::DensityUnit), 2, 2);

    viscosityQuantity_ = new QComboBox;
    for (const std::string& item : form.viscosityQuantityItems()) viscosityQuantity_->addItem(qs(item));
    grid->addWidget(viscosityQuantity_, 3, 0);
    grid->addWidget(entry(binder, FormField::Viscosity), 3, 1);
    grid->addWidget(unitBox(binder, FormField::ViscosityUnit), 3, 2);

    liquid_ = new QRadioButton(mainText(texts, MyWindowText::StateLiquid));
    gas_ = new QRadioButton(mainText(texts, MyWindowText::StateGas));
    auto* states = new QHBoxLayout;
    states->addWidget(liquid_);
    states->addWidget(gas_);
    states->addStretch();
    grid->addLayout(states, 4, 0, 1, 3);

    gasBox_ = new QGroupBox(mainText(texts, MyWindowText::GasPanelTitle));
    auto* gasGrid = new QGridLayout(gasBox_);
    const std::array<std::pair<FormField, FormField>, 3> gasFields{{
        {FormField::InletPressure, FormField::InletPressureUnit},
        {FormField::InletTemperature, FormField::InletTemperatureUnit},
        {FormField::OutletTemperature, FormField::OutletTemperatureUnit},
    }};
    for (std::size_t i = 0; i < gasFields.size(); ++i) {
        const auto row = static_cast<int>(i);
        gasLabels_[i] = new QLabel(qs(form.caption(gasFields[i].first)));
        gasInputs_[2 * i] = entry(binder, gasFields[i].first);
        gasInputs_[2 * i + 1] = unitBox(binder, gasFields[i].second);
        gasGrid->addWidget(gasLabels_[i], row, 0);
        gasGrid->addWidget(gasInputs_[2 * i], row, 1);
        gasGrid->addWidget(gasInputs_[2 * i + 1], row, 2);
    }
    grid->addWidget(gasBox_, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);

    connect(flowQuantity_, &QComboBox::activated, this, [this, &binder](int index) {
        form_.setFlowQuantity(index == 0 ? model::FlowQuantity::Volume : model::FlowQuantity::Mass);
        binder.refresh();
        Q_EMIT flowUnitChanged();
    });
    connect(viscosityQuantity_, &QComboBox::activated, this, [this, &binder](int index) {
        form_.setViscosityQuantity(index == 0 ? model::ViscosityQuantity::Dynamic : model::ViscosityQuantity::Kinematic);
        binder.refresh();
    });
    connect(&binder, &FormBinder::unitChosen, this, [this](FormField field) {
        if (field == FormField::FlowUnit) Q_EMIT flowUnitChanged();
    });
    const auto chooseState = [this](model::MediumState state) {
        form_.setState(state);
        refresh();
    };
    connect(liquid_, &QRadioButton::clicked, this, [chooseState] { chooseState(model::MediumState::Liquid); });
    connect(gas_, &QRadioButton::clicked, this, [chooseState] { chooseState(model::MediumState::Gas); });
}

void MediumPanel::refresh() {
    flowQuantity_->setCurrentIndex(form_.flowQuantity() == model::FlowQuantity::Volume ? 0 : 1);
    viscosityQuantity_->setCurrentIndex(form_.viscosityQuantity() == model::ViscosityQuantity::Dynamic ? 0 : 1);
    const bool gas = form_.gasEntriesEnabled();
    (gas ? gas_ : liquid_)->setChecked(true);
    for (QWidget* input : gasInputs_) input->setEnabled(gas);
    // Labels of the gas data drawn black for a gas, grey for a liquid.
    const workflow::LabelColour colour = form_.gasLabelColour();
    const QString style = QString("color: rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
    for (QLabel* label : gasLabels_) label->setStyleSheet(style);
    gasBox_->setStyleSheet(QString("QGroupBox { %1 }").arg(style));
}

}  // namespace velmora::ui
