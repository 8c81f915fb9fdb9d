// Open channels: the existing channel, the channel design and the Strickler coefficient table.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tool_dialogs.h"

namespace velmora::ui {

using Base = tools::ChannelPresenterBase;

// ---- Strickler table ----------------------------------------------------------------------------

StricklerTableDialog::StricklerTableDialog(const lang::TextCatalogue& texts, const std::filesystem::path& data,
                                           QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, data, parent) {
    using P = tools::StricklerTablePresenter;
    QGroupBox* box = group(-1);
    choiceRow(gridOf(box), P::TypeLabel, P::Type);
    choiceRow(gridOf(box), P::SurfaceLabel, P::Surface);
    auto* caption = new QLabel;
    auto* value = new QLabel;
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    gridOf(box)->addWidget(binder().bindCaption(P::ValueLabel, caption), 2, 0);
    gridOf(box)->addWidget(binder().bindOutput(P::Value, value), 2, 1);
    QPushButton* take = button(P::TakeOver, [this] { accept(); });
    take->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({take, closeButton(P::Close)}));
    connect(&binder(), &DialogBinder::chosen, this, [this](int field) {
        presenter.chosen(field);
        refresh();
    });
}

std::string StricklerTableDialog::choose() {
    presenter.shown();
    refresh();
    return exec() == QDialog::Accepted ? presenter.takeOver() : std::string();
}

// ---- the two channel dialogs --------------------------------------------------------------------

ChannelDialog::ChannelDialog(tools::ChannelPresenterBase& presenter, StricklerTableDialog& table,
                             const std::filesystem::path& data, QWidget* parent)
    : ToolDialog(presenter, data, parent), channel_(presenter), table_(table) {}

void ChannelDialog::build(QGroupBox* sectionGroup, QGroupBox* resultsGroup, QWidget* extra) {
    // The slope: its mode, the three entries; the coefficient with its table.
    QGroupBox* slope = group(-1);
    QGridLayout* grid = gridOf(slope);
    QGroupBox* modes = radioGroup(Base::SlopeTitle, Base::SlopeChoice, 3, Qt::Horizontal);
    grid->addWidget(modes, 0, 0, 1, 3);
    entryRow(grid, Base::Z1Label, Base::Z1);
    entryRow(grid, Base::Z2Label, Base::Z2);
    entryRow(grid, Base::SlopeLengthLabel, Base::SlopeLength);
    entryRow(grid, Base::StricklerLabel, Base::Strickler);
    grid->addWidget(button(Base::Database, [this] {
                        const std::string value = table_.choose();
                        if (!value.empty()) channel_.takeStrickler(value);
                        refresh();
                    }),
                    grid->rowCount() - 1, 2);
    if (extra) grid->addWidget(extra, grid->rowCount(), 0, 1, 3);

    QPushButton* calculate = button(Base::Calculate, [this] {
        channel_.calculate(messenger());
        refresh();
    });
    calculate->setDefault(true);
    QPushButton* print = button(Base::Printscreen, [this] { printScreen(); });

    auto* left = new QVBoxLayout;
    left->addWidget(sectionGroup);
    left->addWidget(slope);
    left->addWidget(resultsGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(picture(Base::ShapePicture));
    right->addWidget(picture(Base::SlopePicture));
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttonRow({calculate, print, closeButton(Base::Close)}));
    connect(&binder(), &DialogBinder::edited, this, [this](int field) {
        channel_.edited(field);
        refresh();
    });
    connect(&binder(), &DialogBinder::chosen, this, [this](int field) {
        channel_.chosen(field);
        refresh();
    });
}

ChannelCalcDialog::ChannelCalcDialog(const lang::TextCatalogue& texts, StricklerTableDialog& table,
                                     const std::filesystem::path& data, QWidget* parent)
    : OwnedPresenter(texts), ChannelDialog(presenter, table, data, parent) {
    using P = tools::ChannelCalcPresenter;
    QGroupBox* section = group(-1);
    QGridLayout* grid = gridOf(section);
    choiceRow(grid, P::LengthUnitLabel, P::LengthUnit);
    grid->addWidget(radioGroup(P::ShapeTitle, P::Shape, 5, Qt::Vertical), grid->rowCount(), 0, 1, 3);
    entryRow(grid, P::Dim1Label, P::Dim1);
    entryRow(grid, P::Dim2Label, P::Dim2);
    entryRow(grid, P::Dim3Label, P::Dim3);
    QGroupBox* results = group(P::ResultsTitle);
    outputRow(gridOf(results), P::VelocityLabel, P::Velocity);
    outputRow(gridOf(results), P::FlowLabel, P::Flow);
    build(section, results, nullptr);
}

ChannelDesignDialog::ChannelDesignDialog(const lang::TextCatalogue& texts, StricklerTableDialog& table,
                                         const std::filesystem::path& data, QWidget* parent)
    : OwnedPresenter(texts), ChannelDialog(presenter, table, data, parent) {
    using P = tools::ChannelDesignPresenter;
    QGroupBox* section = group(-1);
    QGridLayout* grid = gridOf(section);
    entryRow(grid, P::FlowLabel, P::Flow, P::FlowUnit);
    grid->addWidget(radioGroup(P::ShapeTitle, P::Shape, 4, Qt::Horizontal), grid->rowCount(), 0, 1, 3);
    entryRow(grid, P::AngleLabel, P::Angle);
    QGroupBox* results = group(P::ResultsTitle);
    outputRow(gridOf(results), P::Result1Label, P::Result1);
    outputRow(gridOf(results), P::Result2Label, P::Result2);
    outputRow(gridOf(results), P::VelocityLabel, P::Velocity);
    choiceRow(gridOf(results), P::VelocitiesLabel, P::Velocities);
    auto* units = new QWidget;
    auto* unitsRow = new QGridLayout(units);
    unitsRow->setContentsMargins(0, 0, 0, 0);
    unitsRow->setColumnStretch(2, 1);
    auto* caption = new QLabel;
    auto* box = new QComboBox;
    unitsRow->addWidget(binder().bindCaption(P::SlopeUnitLabel, caption), 0, 0);
    unitsRow->addWidget(binder().bindChoice(P::SlopeUnit, box), 0, 1);
    build(section, results, units);
}

void ChannelDialog::open(const tools::ToolSettings& settings) {
    channel_.setSettings(settings);
    channel_.shown();
    refresh();
    exec();
}

}  // namespace velmora::ui
