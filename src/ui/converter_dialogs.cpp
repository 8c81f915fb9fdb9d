// The economic pipe size and the small converters.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/tool_dialogs.h"

namespace velmora::ui {

using tools::ConverterField;

// ---- economic pipe size -------------------------------------------------------------------------

NominalDiameterDialog::NominalDiameterDialog(const lang::TextCatalogue& texts, tools::EconomicMedium medium,
                                             const std::filesystem::path& data, QWidget* parent)
    : OwnedPresenter(texts, medium), ToolDialog(presenter, data, parent) {
    using P = tools::NominalDiameterPresenter;
    QGroupBox* box = group(-1);
    entryRow(gridOf(box), P::FlowLabel, P::Flow, P::FlowUnit, 10);
    auto* metric = new QCheckBox;
    binder().bindChoice(P::Metric, metric);
    binder().bindCaption(P::Metric, metric);
    gridOf(box)->addWidget(metric, 1, 1, 1, 2);
    auto* listing = new QPlainTextEdit;
    listing->setMinimumSize(520, 290);
    listing->setLineWrapMode(QPlainTextEdit::NoWrap);
    binder().bindOutput(P::Listing, listing);
    QPushButton* calculate = button(P::Calculate, [this] {
        presenter.calculate(messenger());
        refresh();
    });
    calculate->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(listing, 1);
    layout->addLayout(buttonRow({calculate, closeButton(P::Close)}));
    connect(&binder(), &DialogBinder::edited, this, [this](int field) {
        presenter.edited(field);
        refresh();
    });
    connect(&binder(), &DialogBinder::chosen, this, [this](int field) {
        presenter.chosen(field, messenger());
        refresh();
    });
}

void NominalDiameterDialog::open(const tools::MainFormFlow& flow) {
    refresh();
    presenter.shown(flow, messenger());
    refresh();
    exec();
}

// ---- converters ---------------------------------------------------------------------------------

namespace {

// Two entry rows with units, the result lines, the buttons; the reactions of the presenter.
template <class Presenter>
void buildConverter(ToolDialog& dialog, Presenter& presenter, bool transfer, bool secondLine,
                    std::function<void()> takeOver = {}) {
    QGroupBox* box = dialog.group(-1);
    QGridLayout* grid = ToolDialog::gridOf(box);
    dialog.entryRow(grid, ConverterField::FirstLabel, ConverterField::First, ConverterField::FirstUnit, 10);
    QLineEdit* second = dialog.entryRow(grid, ConverterField::SecondLabel, ConverterField::Second,
                                        ConverterField::SecondUnit, 10);
    if (!transfer && !secondLine) second->setMaxLength(6);
    QLineEdit* result = dialog.outputRow(grid, ConverterField::ResultLabel, ConverterField::Result);
    QFont bold = result->font();
    bold.setBold(true);
    result->setFont(bold);
    if (secondLine) {
        auto* more = new QLineEdit;
        more->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(dialog.binder().bindOutput(ConverterField::Result2, more), grid->rowCount(), 1, 1, 2);
    }
    QPushButton* calculate = dialog.button(ConverterField::Calculate, [&dialog, &presenter] {
        presenter.calculate(dialog.messenger());
        dialog.refresh();
    });
    calculate->setDefault(true);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(box);
    if (transfer)
        layout->addLayout(buttonRow({calculate, dialog.button(ConverterField::TakeOver, std::move(takeOver)),
                                     dialog.closeButton(ConverterField::Close)}));
    else
        layout->addLayout(buttonRow({calculate, dialog.closeButton(ConverterField::Close)}));
    dialog.setMinimumWidth(420);
    QObject::connect(&dialog.binder(), &DialogBinder::edited, &dialog, [&dialog, &presenter](int field) {
        presenter.edited(field);
        dialog.refresh();
    });
    QObject::connect(&dialog.binder(), &DialogBinder::chosen, &dialog, [&dialog, &presenter](int field) {
        presenter.chosen(field);
        dialog.refresh();
    });
}

}  // namespace

KvZetaDialog::KvZetaDialog(const lang::TextCatalogue& texts, tools::KvZetaPresenter::Coefficient coefficient,
                           QWidget* parent)
    : OwnedPresenter(texts, coefficient), ToolDialog(presenter, {}, parent) {
    buildConverter(*this, presenter, true, false, [this] {
        if (presenter.takeOver()) accept();
    });
    // The coefficient has no unit box; the Zeta value none either.
    if (QWidget* unit = binder().widget(ConverterField::FirstUnit)) unit->hide();
    presenter.form().setVisible(ConverterField::FirstUnit, false);
}

std::optional<tools::KvZetaPresenter::Transfer> KvZetaDialog::open(const tools::EntryWithUnit& diameter,
                                                                   const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    presenter.shown(diameter);
    refresh();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return presenter.takeOver();
}

HeadDialog::HeadDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, {}, parent) {
    buildConverter(*this, presenter, false, true);
}

void HeadDialog::open(model::Real totalBar, const std::string& density, int densityUnit,
                      const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    refresh();
    presenter.shown(totalBar, density, densityUnit, messenger());
    refresh();
    exec();
}

VelocityToFlowDialog::VelocityToFlowDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, {}, parent) {
    buildConverter(*this, presenter, true, true, [this] {
        if (presenter.takeOver()) accept();
    });
}

std::optional<std::string> VelocityToFlowDialog::open(const tools::EntryWithUnit& diameter,
                                                      std::optional<model::Real> velocity,
                                                      const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    refresh();
    presenter.shown(diameter, velocity, messenger());
    refresh();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return presenter.takeOver();
}

FlowToVelocityDialog::FlowToVelocityDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, {}, parent) {
    buildConverter(*this, presenter, false, true);
}

void FlowToVelocityDialog::open(bool massFlow, const tools::EntryWithUnit& flow, const tools::EntryWithUnit& diameter,
                                const tools::ToolSettings& settings) {
    presenter.setSettings(settings);
    refresh();
    presenter.shown(massFlow, flow, diameter, messenger());
    refresh();
    exec();
}

// ---- pipe content -------------------------------------------------------------------------------

PipeContentDialog::PipeContentDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : OwnedPresenter(texts), ToolDialog(presenter, {}, parent) {
    using P = tools::PipeContentPresenter;
    QGroupBox* box = group(-1);
    QGridLayout* grid = gridOf(box);
    const auto spin = [&](int label, int entry, int row) {
        auto* caption = new QLabel;
        auto* field = new QSpinBox;
        field->setContextMenuPolicy(Qt::NoContextMenu);  // the column numbers offer no context menu
        caption->setBuddy(field);
        grid->addWidget(binder().bindCaption(label, caption), row, 0);
        grid->addWidget(binder().bindEntry(entry, field), row, 1);
        return field;
    };
    first_ = spin(P::FirstLabel, P::FirstColumn, 0);
    last_ = spin(P::LastLabel, P::LastColumn, 1);
    entryRow(grid, P::FlowLabel, P::Flow, P::FlowUnit, 10);
    outputRow(grid, P::ContentLabel, P::Content);
    outputRow(grid, P::TimeLabel, P::Time);
    auto* note = new QLabel;
    note->setWordWrap(true);
    binder().bindCaption(P::Note, note);
    QPushButton* recalculate = button(P::Recalculate, [this] {
        presenter.calculate(messenger());
        refresh();
    });
    recalculate->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addLayout(buttonRow({recalculate, closeButton(P::Close)}));
    setMinimumWidth(420);
    connect(&binder(), &DialogBinder::edited, this, [this](int field) {
        presenter.edited(field);
        refresh();
    });
    connect(&binder(), &DialogBinder::chosen, this, [this](int field) {
        presenter.chosen(field);
        refresh();
    });
}

void PipeContentDialog::open(std::vector<tools::ContentColumn> columns, const std::string& firstFlow,
                             const tools::ToolSettings& settings) {
    const int count = static_cast<int>(columns.size());
    for (QSpinBox* spin : {first_, last_}) {
        const QSignalBlocker quiet(spin);
        spin->setRange(1, std::max(count, 1));
    }
    presenter.setSettings(settings);
    refresh();
    presenter.shown(std::move(columns), firstFlow, messenger());
    refresh();
    exec();
}

}  // namespace velmora::ui
