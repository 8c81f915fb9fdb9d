#include "ui/brine_oil_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

// Caption + value rows of a results box.
void addResultRow(QGridLayout* grid, int row, DialogBinder& binder, int caption, int value) {
    grid->addWidget(captionLabel(binder, caption), row, 0);
    grid->addWidget(outputLabel(binder, value, 110), row, 1);
}

QListWidget* listBox(DialogBinder& binder, int field, int width) {
    auto* list = new QListWidget;
    list->setMinimumWidth(width);
    binder.bindChoice(field, list);
    return list;
}

}  // namespace

// ---- Brines ----

BrineDialog::BrineDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::BrineField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(listBox(binder_, f(F::List), 240));

    auto* entries = new QGridLayout;
    entries->addWidget(captionLabel(binder_, f(F::ConcentrationLabel)), 0, 0);
    entries->addWidget(entryField(binder_, f(F::Concentration)), 0, 1);
    entries->addWidget(captionLabel(binder_, f(F::PercentLabel)), 0, 2);
    entries->addWidget(captionLabel(binder_, f(F::TemperatureLabel)), 1, 0);
    entries->addWidget(entryField(binder_, f(F::Temperature)), 1, 1);
    entries->addWidget(choiceBox(binder_, f(F::TemperatureUnit)), 1, 2);
    entries->setColumnStretch(3, 1);

    auto* range = new QGroupBox;
    binder_.bindCaption(f(F::RangeLabel), range);
    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->addWidget(outputLabel(binder_, f(F::RangeTemperature)));
    rangeLayout->addWidget(outputLabel(binder_, f(F::RangeConcentration)));

    auto* results = new QGroupBox;
    binder_.bindCaption(f(F::ResultsLabel), results);
    auto* grid = new QGridLayout(results);
    addResultRow(grid, 0, binder_, f(F::FreezingCaption), f(F::FreezingPoint));
    addResultRow(grid, 1, binder_, f(F::DensityCaption), f(F::Density));
    addResultRow(grid, 2, binder_, f(F::ViscosityCaption), f(F::Viscosity));

    auto* right = new QVBoxLayout;
    right->addLayout(entries);
    right->addWidget(range);
    right->addWidget(results);
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    }));
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(&binder_, &DialogBinder::edited, this, [this](int field) {
        presenter_.edited(static_cast<F>(field));
        binder_.refresh();
    });
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        binder_.refresh();
    });
}

std::optional<media::MediumTransfer> BrineDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::BrineField::Title))));
    binder_.refresh();
    return runModal();
}

// ---- Heat-transfer oils ----

OilDialog::OilDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    loadMessage_ = presenter_.load(files);
    using F = media::OilField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    QListWidget* oils = listBox(binder_, f(F::List), 220);
    oils->setMinimumHeight(300);
    left->addWidget(oils);
    left->addWidget(outputLabel(binder_, f(F::Description)));

    auto* entries = new QGridLayout;
    entries->addWidget(captionLabel(binder_, f(F::TemperatureLabel)), 0, 0);
    entries->addWidget(entryField(binder_, f(F::Temperature)), 0, 1);
    entries->addWidget(choiceBox(binder_, f(F::TemperatureUnit)), 0, 2);
    entries->addWidget(captionLabel(binder_, f(F::RangeNote)), 1, 1, 1, 2);
    entries->setColumnStretch(3, 1);

    auto* results = new QGroupBox;
    binder_.bindCaption(f(F::ResultsLabel), results);
    auto* grid = new QGridLayout(results);
    addResultRow(grid, 0, binder_, f(F::DensityCaption), f(F::Density));
    addResultRow(grid, 1, binder_, f(F::ViscosityCaption), f(F::Viscosity));

    auto* right = new QVBoxLayout;
    right->addLayout(entries);
    right->addWidget(results);
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    }));
    auto* takeOver = pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); });
    buttons->addWidget(takeOver);
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(&binder_, &DialogBinder::edited, this, [this](int field) {
        presenter_.edited(static_cast<F>(field));
        binder_.refresh();
    });
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        binder_.refresh();
    });
}

std::optional<media::MediumTransfer> OilDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::OilField::Title))));
    binder_.refresh();
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    return runModal();
}

}  // namespace velmora::ui
