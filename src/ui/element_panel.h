#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>
#include <filesystem>

#include "ui/form_binder.h"

namespace velmora::ui {

// The element panel: the current kind's picture and name, its slots, roughness, count,
// designation, the two-option choice and the branch flow of the tees, and the Calculate button.
class ElementPanel : public QGroupBox {
    Q_OBJECT
public:
    ElementPanel(workflow::MainForm& form, FormBinder& binder, std::filesystem::path dataFolder,
                 QWidget* parent = nullptr);

    // Shows the current kind as the model has set it up.
    void refresh();

    QPushButton* calculateButton() const { return calculate_; }
    // The roughness database button beside the roughness entry, hidden until its dialog is there.
    QToolButton* roughnessDatabaseButton() const { return roughnessDatabase_; }

Q_SIGNALS:
    void chooseElementRequested();
    void informationRequested();
    void roughnessHintRequested();
    void roughnessDatabaseRequested();

private:
    struct SlotRow {
        QLabel* label;
        QLineEdit* entry;
        QComboBox* unit;
        QLabel* fixedUnit;
    };

    workflow::MainForm& form_;
    std::filesystem::path dataFolder_;
    QToolButton* picture_;
    QLabel* elementName_;
    QToolButton* information_;
    std::array<SlotRow, 5> slots_{};
    QToolButton* roughnessDatabase_;
    QLabel* roughnessLabel_;
    QLineEdit* roughness_;
    QComboBox* roughnessUnit_;
    QGroupBox* choice_;
    std::array<QRadioButton*, 2> options_{};
    QLabel* branchFlowLabel_;
    QLineEdit* branchFlow_;
    QLabel* branchFlowUnit_;
    QPushButton* calculate_;
};

}  // namespace velmora::ui
