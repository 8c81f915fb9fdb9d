// Outflow from vessels: constant and falling level and the two outflow-coefficient tables.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tool_dialogs.h"

namespace velmora::ui {

namespace {

// The picture beside the entries, the buttons below.
void arrange(ToolDialog& dialog, QLayout* entries, QLabel* picture, QHBoxLayout* buttons) {
    auto* right = new QVBoxLayout;
    right->addWidget(picture);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(entries, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

template <class Presenter>
void react(ToolDialog& dialog, Presenter& presenter) {
    QObject::connect(&dialog.binder(), &DialogBinder::edited, &dialog, [&dialog, &presenter](int field) {
        presenter.edited(field);
        dialog.refresh();
    });
    QObject::connect(&dialog.binder(), &DialogBinder::chosen, &dialog, [&dialog, &presenter](int field) {
        presenter.chosen(field);
        dialog.refresh();
    });
}

// A coefficient table's value row, its compute button and the two closing buttons.
template <class Presenter>
void coefficientRows(ToolDialog& dialog, Presenter& presenter, QGridLayout* grid) {
    auto* caption = new QLabel;
    auto* value = new QLabel;
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    const int row = grid->rowCount();
    grid->addWidget(dialog.button(Presenter::Compute,
                                  [&dialog, &presenter] {
                                      presenter.compute(dialog.messenger());
                                      dialog.refresh();
                                  }),
                    row, 0, 1, 3);
    grid->addWidget(dialog.binder().bindCaption(Presenter::ValueLabel, caption), row + 1, 0);
    grid->addWidget(dialog.binder().bindOutput(Presenter::Value, value), row + 1, 1, 1, 2);
}

}  // namespace

// ---- coefficient tables -------------------------------------------------------------------------

SmallCoefficientDialog::SmallCoefficientDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data,
                                               QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::SmallCoefficientPresenter;
    QGroupBox* box = group(-1);
    QGridLayout* grid = gridOf(box);
    grid->addWidget(radioGroup(P::FormTitle, P::Form, 5), 0, 0, 1, 3);
    entryRow(grid, P::Entry1Label, P::Entry1);
    entryRow(grid, P::Entry2Label, P::Entry2);
    choiceRow(grid, P::UnitLabel, P::Unit);
    coefficientRows(*this, presenter, grid);
    QPushButton* take = button(P::TakeOver, [this] {
        if (!presenter.takeOver().empty()) accept();
    });
    arrange(*this, column({box}), picture(P::Picture), buttonRow({take, closeButton(P::Close)}));
    react(*this, presenter);
}

std::string SmallCoefficientDialog::choose() {
    presenter.shown();
    refresh();
    return exec() == QDialog::Accepted ? presenter.takeOver() : std::string();
}

LargeCoefficientDialog::LargeCoefficientDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data,
                                               QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::LargeCoefficientPresenter;
    QGroupBox* box = group(-1);
    QGridLayout* grid = gridOf(box);
    auto* choices = new QHBoxLayout;
    choices->addWidget(radioGroup(P::OpeningTitle, P::Opening, 2));
    choices->addWidget(radioGroup(P::EdgeTitle, P::Edge, 2));
    grid->addLayout(choices, 0, 0, 1, 3);
    entryRow(grid, P::Entry1Label, P::Entry1);
    entryRow(grid, P::Entry2Label, P::Entry2);
    choiceRow(grid, P::UnitLabel, P::Unit);
    coefficientRows(*this, presenter, grid);
    QPushButton* take = button(P::TakeOver, [this] {
        if (!presenter.takeOver().empty()) accept();
    });
    arrange(*this, column({box}), picture(P::Picture), buttonRow({take, closeButton(P::Close)}));
    react(*this, presenter);
}

std::string LargeCoefficientDialog::choose() {
    presenter.shown();
    refresh();
    return exec() == QDialog::Accepted ? presenter.takeOver() : std::string();
}

// ---- constant level -----------------------------------------------------------------------------

OutflowConstantDialog::OutflowConstantDialog(const lang::TextCatalogue& texts, SmallCoefficientDialog& small,
                                             LargeCoefficientDialog& large, const std::filesystem::path& data,
                                             QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::OutflowConstantPresenter;
    auto* modes = new QHBoxLayout;
    modes->addWidget(radioGroup(P::SizeTitle, P::Size, 2));
    modes->addWidget(radioGroup(P::KindTitle, P::Kind, 2));
    modes->addWidget(radioGroup(P::PressureTitle, P::Pressure, 2));
    QGroupBox* entries = group(-1);
    QGridLayout* grid = gridOf(entries);
    entryRow(grid, P::Entry1Label, P::Entry1, P::Entry1Unit);
    entryRow(grid, P::Entry2Label, P::Entry2, P::Entry2Unit);
    entryRow(grid, P::Entry3Label, P::Entry3, P::Entry3Unit);
    entryRow(grid, P::DensityLabel, P::Density, P::DensityUnit);
    entryRow(grid, P::MuLabel, P::Mu);
    grid->addWidget(button(P::Database,
                           [this, &small, &large] {
                               const std::string mu = presenter.largeOpening() ? large.choose() : small.choose();
                               if (!mu.empty()) presenter.takeCoefficient(mu);
                               refresh();
                           }),
                    grid->rowCount() - 1, 2);
    QGroupBox* results = group(P::ResultsTitle);
    outputRow(gridOf(results), P::FlowLabel, P::Flow);
    outputRow(gridOf(results), P::VelocityLabel, P::Velocity);
    QPushButton* calculate = button(P::Calculate, [this] {
        presenter.calculate(messenger());
        refresh();
    });
    calculate->setDefault(true);
    auto* left = column({modes, entries, results});
    left->addStretch();
    arrange(*this, left, picture(P::Picture),
            buttonRow({calculate, button(P::Printscreen, [this] { printScreen(); }), closeButton(P::Close)}));
    react(*this, presenter);
}

void OutflowConstantDialog::open(const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    presenter.shown();
    refresh();
    exec();
}

// ---- falling level ------------------------------------------------------------------------------

OutflowFallingDialog::OutflowFallingDialog(const lang::TextCatalogue& texts, SmallCoefficientDialog& small,
                                           const std::filesystem::path& data, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::OutflowFallingPresenter;
    QGroupBox* entries = group(-1);
    QGridLayout* grid = gridOf(entries);
    grid->addWidget(radioGroup(P::ShapeTitle, P::Shape, 4), 0, 0, 1, 3);
    entryRow(grid, P::VesselDiameterLabel, P::VesselDiameter, P::VesselDiameterUnit);
    entryRow(grid, P::OpeningDiameterLabel, P::OpeningDiameter, P::OpeningDiameterUnit);
    entryRow(grid, P::HeightLabel, P::Height, P::HeightUnit);
    entryRow(grid, P::MuLabel, P::Mu);
    grid->addWidget(button(P::Database,
                           [this, &small] {
                               const std::string mu = small.choose();
                               if (!mu.empty()) presenter.takeCoefficient(mu);
                               refresh();
                           }),
                    grid->rowCount() - 1, 2);
    QLineEdit* time = outputRow(grid, P::TimeLabel, P::Time);
    QFont bold = time->font();
    bold.setBold(true);
    time->setFont(bold);
    QPushButton* calculate = button(P::Calculate, [this] {
        presenter.calculate(messenger());
        refresh();
    });
    calculate->setDefault(true);
    auto* left = column({entries});
    left->addStretch();
    arrange(*this, left, picture(P::Picture),
            buttonRow({calculate, button(P::Printscreen, [this] { printScreen(); }), closeButton(P::Close)}));
    react(*this, presenter);
}

void OutflowFallingDialog::open(const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    presenter.shown();
    refresh();
    exec();
}

}  // namespace velmora::ui
