#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "ui/form_binder.h"

namespace velmora::ui {

// The medium panel of the main window: name, flow, density, viscosity, liquid or gas, and the
// inlet and outlet data of a gas.
class MediumPanel : public QGroupBox {
    Q_OBJECT
public:
    MediumPanel(workflow::MainForm& form, FormBinder& binder, QWidget* parent = nullptr);

    // Shows the model's choices, enabled states and captions (the entries follow the binder).
    void refresh();

Q_SIGNALS:
    void flowUnitChanged();

private:
    workflow::MainForm& form_;
    QComboBox* flowQuantity_;
    QComboBox* viscosityQuantity_;
    QLabel* densityLabel_;
    QRadioButton* liquid_;
    QRadioButton* gas_;
    QGroupBox* gasBox_;
    std::array<QLabel*, 3> gasLabels_{};
    std::array<QWidget*, 6> gasInputs_{};
};

}  // namespace velmora::ui
