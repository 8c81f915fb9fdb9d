#include "ui/water_air_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

// Edits and choices go to the presenter, and the dialog shows what follows.
template <class Presenter, class Field>
void followEdits(QObject* dialog, DialogBinder& binder, Presenter& presenter) {
    QObject::connect(&binder, &DialogBinder::edited, dialog, [&binder, &presenter](int field) {
        presenter.edited(static_cast<Field>(field));
        binder.refresh();
    });
    QObject::connect(&binder, &DialogBinder::chosen, dialog, [&binder, &presenter](int field) {
        presenter.chosen(static_cast<Field>(field));
        binder.refresh();
    });
}

// A caption and a result in one row of a grid.
void resultRow(QGridLayout* grid, int row, DialogBinder& binder, int caption, int value) {
    grid->addWidget(captionLabel(binder, caption), row, 0);
    grid->addWidget(outputLabel(binder, value, 120), row, 1);
}

// A caption and two results (vapour, liquid) in one row of a grid.
void twoColumnRow(QGridLayout* grid, int row, DialogBinder& binder, int caption, int vapour, int liquid) {
    grid->addWidget(captionLabel(binder, caption), row, 0);
    grid->addWidget(outputLabel(binder, vapour, 120), row, 1);
    grid->addWidget(outputLabel(binder, liquid, 120), row, 2);
}

// Label, entry and unit box in a row, with a note beside them when given.
void entryRow(QGridLayout* grid, int row, DialogBinder& binder, int label, int entry, int unit,
              int note = -1) {
    grid->addWidget(captionLabel(binder, label), row, 0);
    grid->addWidget(entryField(binder, entry, 100), row, 1);
    grid->addWidget(choiceBox(binder, unit), row, 2);
    if (note >= 0) grid->addWidget(captionLabel(binder, note), row, 3);
}

}  // namespace

// ---- Water and steam, general ----

WaterSteamDialog::WaterSteamDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::WaterSteamField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* entries = new QGridLayout;
    entryRow(entries, 0, binder_, f(F::PressureLabel), f(F::Pressure), f(F::PressureUnit));
    entryRow(entries, 1, binder_, f(F::TemperatureLabel), f(F::Temperature), f(F::TemperatureUnit));
    entries->setColumnStretch(3, 1);

    auto* range = new QVBoxLayout;
    auto* standard = captionLabel(binder_, f(F::Standard));
    QFont bold = standard->font();
    bold.setBold(true);
    standard->setFont(bold);
    range->addWidget(standard);
    range->addWidget(captionLabel(binder_, f(F::RangeLabel)));
    range->addWidget(captionLabel(binder_, f(F::Range1)));
    range->addWidget(captionLabel(binder_, f(F::Range2)));

    auto* results = new QGroupBox;
    binder_.bindCaption(f(F::ResultsLabel), results);
    auto* grid = new QGridLayout(results);
    resultRow(grid, 0, binder_, f(F::DensityCaption), f(F::Density));
    resultRow(grid, 1, binder_, f(F::VolumeCaption), f(F::Volume));
    resultRow(grid, 2, binder_, f(F::ViscosityCaption), f(F::Viscosity));
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addLayout(range);
    layout->addWidget(results);
    layout->addLayout(buttons);
    followEdits<media::WaterSteamPresenter, F>(this, binder_, presenter_);
}

std::optional<media::MediumTransfer> WaterSteamDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::WaterSteamField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(media::WaterSteamField::Temperature));
    return runModal();
}

// ---- Water and steam at saturation ----

WaterSaturationDialog::WaterSaturationDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::WaterSaturationField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* given = new QGroupBox;
    binder_.bindCaption(f(F::Given), given);
    auto* givenLayout = new QHBoxLayout(given);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton;
        group->addButton(option, i);
        givenLayout->addWidget(option);
    }
    givenLayout->addStretch();
    binder_.bindChoice(f(F::Given), group);

    auto* entries = new QGridLayout;
    entryRow(entries, 0, binder_, f(F::TemperatureLabel), f(F::Temperature), f(F::TemperatureUnit));
    entryRow(entries, 1, binder_, f(F::PressureLabel), f(F::Pressure), f(F::PressureUnit));
    entries->addWidget(captionLabel(binder_, f(F::Range)), 2, 0, 1, 4);
    entries->addWidget(captionLabel(binder_, f(F::Standard)), 3, 0, 1, 4);
    entries->setColumnStretch(3, 1);

    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    auto* resultLine = new QHBoxLayout;
    resultLine->addWidget(calculate);
    resultLine->addSpacing(12);
    resultLine->addWidget(captionLabel(binder_, f(F::ResultCaption)));
    resultLine->addWidget(outputLabel(binder_, f(F::Result), 120));
    resultLine->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(captionLabel(binder_, f(F::VapourColumn)), 0, 1);
    grid->addWidget(captionLabel(binder_, f(F::LiquidColumn)), 0, 2);
    twoColumnRow(grid, 1, binder_, f(F::DensityCaption), f(F::VapourDensity), f(F::LiquidDensity));
    twoColumnRow(grid, 2, binder_, f(F::VolumeCaption), f(F::VapourVolume), f(F::LiquidVolume));
    twoColumnRow(grid, 3, binder_, f(F::ViscosityCaption), f(F::VapourViscosity), f(F::LiquidViscosity));
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(binder_, f(F::TakeLiquid), [this] { finish(presenter_.takeLiquid()); }));
    buttons->addWidget(pushButton(binder_, f(F::TakeVapour), [this] { finish(presenter_.takeVapour()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(given);
    layout->addLayout(entries);
    layout->addLayout(resultLine);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(&binder_, &DialogBinder::edited, this, [this](int field) {
        presenter_.edited(static_cast<F>(field));
        binder_.refresh();
    });
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        binder_.refresh();
        if (static_cast<F>(field) == F::Given) binder_.focus(static_cast<int>(presenter_.givenEntry()));
    });
}

std::optional<media::MediumTransfer> WaterSaturationDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::WaterSaturationField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(presenter_.givenEntry()));
    return runModal();
}

// ---- Dry air ----

DryAirDialog::DryAirDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::DryAirField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* entries = new QGridLayout;
    entryRow(entries, 0, binder_, f(F::PressureLabel), f(F::Pressure), f(F::PressureUnit),
             f(F::PressureNote));
    entryRow(entries, 1, binder_, f(F::TemperatureLabel), f(F::Temperature), f(F::TemperatureUnit),
             f(F::TemperatureNote));
    entries->setColumnStretch(4, 1);

    auto* results = new QGridLayout;
    resultRow(results, 0, binder_, f(F::StateLabel), f(F::State));
    resultRow(results, 1, binder_, f(F::DensityCaption), f(F::Density));
    resultRow(results, 2, binder_, f(F::VolumeCaption), f(F::Volume));
    resultRow(results, 3, binder_, f(F::ViscosityCaption), f(F::Viscosity));
    results->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addSpacing(8);
    layout->addLayout(results);
    layout->addLayout(buttons);
    followEdits<media::DryAirPresenter, F>(this, binder_, presenter_);
}

std::optional<media::MediumTransfer> DryAirDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::DryAirField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(media::DryAirField::Temperature));
    return runModal();
}

// ---- Humid air ----

HumidAirDialog::HumidAirDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::HumidAirField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* entries = new QGridLayout;
    entryRow(entries, 0, binder_, f(F::PressureLabel), f(F::Pressure), f(F::PressureUnit),
             f(F::PressureNote));
    entryRow(entries, 1, binder_, f(F::TemperatureLabel), f(F::Temperature), f(F::TemperatureUnit),
             f(F::TemperatureNote));
    entries->addWidget(choiceBox(binder_, f(F::HumidityKind)), 2, 0);
    entries->addWidget(entryField(binder_, f(F::Humidity), 100), 2, 1);
    entries->setColumnStretch(4, 1);

    auto* results = new QGroupBox;
    binder_.bindCaption(f(F::ResultsLabel), results);
    auto* grid = new QGridLayout(results);
    const std::pair<F, F> rows[] = {
        {F::RelativeCaption, F::Relative},
        {F::ContentCaption, F::Content},
        {F::SaturationCaption, F::SaturationContent},
        {F::DegreeCaption, F::Degree},
        {F::MoleCaption, F::MoleFraction},
        {F::DewPointCaption, F::DewPoint},
        {F::DensityCaption, F::Density},
        {F::VolumeCaption, F::Volume},
        {F::ViscosityCaption, F::Viscosity},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) resultRow(grid, row++, binder_, f(caption), f(value));
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addWidget(results);
    layout->addLayout(buttons);
    followEdits<media::HumidAirPresenter, F>(this, binder_, presenter_);
}

std::optional<media::MediumTransfer> HumidAirDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::HumidAirField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(media::HumidAirField::Temperature));
    return runModal();
}

// ---- Saturated air ----

SaturatedAirDialog::SaturatedAirDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::SaturatedAirField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* entries = new QGridLayout;
    entryRow(entries, 0, binder_, f(F::TemperatureLabel), f(F::Temperature), f(F::TemperatureUnit),
             f(F::TemperatureNote));
    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    entries->addWidget(calculate, 0, 4);
    entries->setColumnStretch(5, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(captionLabel(binder_, f(F::VapourColumn)), 0, 1);
    grid->addWidget(captionLabel(binder_, f(F::LiquidColumn)), 0, 2);
    twoColumnRow(grid, 1, binder_, f(F::PressureCaption), f(F::VapourPressure), f(F::LiquidPressure));
    twoColumnRow(grid, 2, binder_, f(F::DensityCaption), f(F::VapourDensity), f(F::LiquidDensity));
    twoColumnRow(grid, 3, binder_, f(F::VolumeCaption), f(F::VapourVolume), f(F::LiquidVolume));
    twoColumnRow(grid, 4, binder_, f(F::ViscosityCaption), f(F::VapourViscosity), f(F::LiquidViscosity));
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(binder_, f(F::TakeLiquid), [this] { finish(presenter_.takeLiquid()); }));
    buttons->addWidget(pushButton(binder_, f(F::TakeVapour), [this] { finish(presenter_.takeVapour()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    followEdits<media::SaturatedAirPresenter, F>(this, binder_, presenter_);
}

std::optional<media::MediumTransfer> SaturatedAirDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::SaturatedAirField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(media::SaturatedAirField::Temperature));
    return runModal();
}

}  // namespace velmora::ui
