// Orifice sizing: the medium of the main form, the restriction and the wanted loss.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tool_dialogs.h"

namespace velmora::ui {

OrificeDialog::OrificeDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::OrificePresenter;
    QGroupBox* medium = group(P::MediumTitle);
    QGridLayout* grid = gridOf(medium);
    entryRow(grid, P::MediumLabel, P::MediumName, -1, 22);
    // A quantity box in front of its entry and unit box.
    const auto quantityRow = [&](int quantity, int entry, int unit) {
        const int row = grid->rowCount();
        auto* box = new QComboBox;
        auto* edit = new QLineEdit;
        edit->setMaxLength(10);
        auto* units = new QComboBox;
        units->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        grid->addWidget(binder().bindChoice(quantity, box), row, 0);
        grid->addWidget(binder().bindEntry(entry, edit), row, 1);
        grid->addWidget(binder().bindChoice(unit, units), row, 2);
    };
    quantityRow(P::FlowQuantity, P::Flow, P::FlowUnit);
    entryRow(grid, P::DensityLabel, P::Density, P::DensityUnit, 10);
    quantityRow(P::ViscosityQuantity, P::Viscosity, P::ViscosityUnit);
    auto* note = new QLabel;
    binder().bindCaption(P::Note, note);
    grid->addWidget(note, grid->rowCount(), 0, 1, 3);

    QGroupBox* restriction = group(P::RestrictionTitle);
    QGridLayout* entries = gridOf(restriction);
    entries->addWidget(radioGroup(P::KindTitle, P::Kind, 3, Qt::Horizontal), 0, 0, 1, 3);
    entryRow(entries, P::PipeDiameterLabel, P::PipeDiameter, P::PipeDiameterUnit);
    entryRow(entries, P::SecondLabel, P::Second, P::SecondUnit);
    entryRow(entries, P::PressureLossLabel, P::PressureLoss, P::PressureLossUnit);
    auto* result = new QLabel;
    QFont bold = result->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    result->setFont(bold);
    result->setMinimumHeight(28);
    binder().bindOutput(P::Result, result);
    entries->addWidget(result, entries->rowCount(), 0, 1, 3);

    QPushButton* calculate = button(P::Calculate, [this] {
        presenter.calculate(messenger());
        refresh();
    });
    calculate->setDefault(true);
    auto* right = new QVBoxLayout;
    right->addWidget(picture(P::Picture));
    right->addStretch();
    auto* left = column({medium, restriction});
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttonRow({calculate, button(P::Printscreen, [this] { printScreen(); }), closeButton(P::Close)}));
    connect(&binder(), &DialogBinder::edited, this, [this](int field) {
        presenter.edited(field);
        refresh();
    });
    connect(&binder(), &DialogBinder::chosen, this, [this](int field) {
        presenter.chosen(field);
        refresh();
    });
}

void OrificeDialog::open(const tools::OrificeMedium& medium, const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    presenter.shown(medium);
    refresh();
    exec();
}

}  // namespace velmora::ui
