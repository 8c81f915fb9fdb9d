#include "ui/database_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

QListWidget* listBox(DialogBinder& binder, int field, int width, int height) {
    auto* list = new QListWidget;
    list->setMinimumWidth(width);
    list->setMinimumHeight(height);
    binder.bindChoice(field, list);
    return list;
}

QLabel* boldCaption(DialogBinder& binder, int field) {
    QLabel* label = captionLabel(binder, field);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void resultRow(QGridLayout* grid, int row, DialogBinder& binder, int caption, int value, int width = 110) {
    grid->addWidget(captionLabel(binder, caption), row, 0);
    grid->addWidget(outputLabel(binder, value, width), row, 1);
}

}  // namespace

// ---- Liquids ----

LiquidDialog::LiquidDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files,
                           QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    loadMessage_ = presenter_.load(files);
    using F = media::LiquidField;
    const auto f = [](F field) { return static_cast<int>(field); };

    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(listBox(binder_, f(F::List), 220, 260), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(boldCaption(binder_, f(F::Name)));
    right->addWidget(captionLabel(binder_, f(F::Description)));
    auto* details = new QGridLayout;
    resultRow(details, 0, binder_, f(F::MeltingLabel), f(F::Melting), 180);
    resultRow(details, 1, binder_, f(F::BoilingLabel), f(F::Boiling), 180);
    details->setColumnStretch(2, 1);
    right->addLayout(details);

    auto* measured = new QGroupBox;
    binder_.bindCaption(f(F::MeasuredLabel), measured);
    auto* measuredLayout = new QGridLayout(measured);
    measuredLayout->addWidget(captionLabel(binder_, f(F::TemperatureListLabel)), 0, 0);
    QListWidget* temperatures = listBox(binder_, f(F::Temperatures), 80, 90);
    temperatures->setMaximumWidth(110);
    measuredLayout->addWidget(temperatures, 1, 0, 3, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::TemperatureFahrenheit), 80), 4, 0);
    measuredLayout->addWidget(captionLabel(binder_, f(F::DensityCaption)), 1, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::Density)), 1, 2);
    measuredLayout->addWidget(captionLabel(binder_, f(F::ViscosityCaption)), 2, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::Viscosity)), 2, 2);
    measuredLayout->addWidget(
        pushButton(binder_, f(F::TakeMeasured), [this] { finish(presenter_.takeMeasured()); }), 3, 2);
    measuredLayout->setColumnStretch(3, 1);
    right->addWidget(measured);

    auto* interpolation = new QGroupBox;
    binder_.bindCaption(f(F::InterpolationLabel), interpolation);
    auto* interpolationLayout = new QGridLayout(interpolation);
    interpolationLayout->addWidget(captionLabel(binder_, f(F::InterpolationTemperatureLabel)), 0, 0);
    auto* temperature = new QHBoxLayout;
    temperature->addWidget(entryField(binder_, f(F::InterpolationTemperature), 80));
    temperature->addWidget(choiceBox(binder_, f(F::InterpolationUnit)));
    temperature->addWidget(pushButton(binder_, f(F::Interpolate), [this] {
        presenter_.interpolate(messenger_);
        binder_.refresh();
    }));
    temperature->addStretch();
    interpolationLayout->addLayout(temperature, 0, 1, 1, 2);
    resultRow(interpolationLayout, 1, binder_, f(F::InterpolatedDensityCaption), f(F::InterpolatedDensity));
    resultRow(interpolationLayout, 2, binder_, f(F::InterpolatedViscosityCaption),
              f(F::InterpolatedViscosity));
    interpolationLayout->addWidget(
        pushButton(binder_, f(F::TakeInterpolated), [this] { finish(presenter_.takeInterpolated()); }), 2, 2);
    interpolationLayout->setColumnStretch(3, 1);
    right->addWidget(interpolation);
    right->addStretch();

    auto* close = new QHBoxLayout;
    close->addStretch();
    close->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(close);

    connect(&binder_, &DialogBinder::edited, this, [this](int field) {
        presenter_.edited(static_cast<F>(field));
        binder_.refresh();
    });
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        binder_.refresh();
    });
}

std::optional<media::MediumTransfer> LiquidDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::LiquidField::Title))));
    binder_.refresh();
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    return runModal();
}

// ---- Gases ----

GasDialog::GasDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files, QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    loadMessage_ = presenter_.load(files);
    using F = media::GasField;
    const auto f = [](F field) { return static_cast<int>(field); };

    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(listBox(binder_, f(F::List), 220, 220), 1);
    left->addWidget(boldCaption(binder_, f(F::Name)));
    left->addWidget(captionLabel(binder_, f(F::Description)));
    auto* details = new QGridLayout;
    resultRow(details, 0, binder_, f(F::CasLabel), f(F::Cas), 150);
    resultRow(details, 1, binder_, f(F::MeltingLabel), f(F::Melting), 150);
    resultRow(details, 2, binder_, f(F::BoilingLabel), f(F::Boiling), 150);
    left->addLayout(details);

    auto* state = new QGridLayout;
    state->addWidget(captionLabel(binder_, f(F::PressureLabel)), 0, 0);
    auto* pressure = new QHBoxLayout;
    pressure->addWidget(entryField(binder_, f(F::Pressure), 90));
    pressure->addWidget(choiceBox(binder_, f(F::PressureUnit)));
    pressure->addStretch();
    state->addLayout(pressure, 0, 1);
    resultRow(state, 1, binder_, f(F::BoilingAtPressureLabel), f(F::BoilingAtPressure), 180);
    resultRow(state, 2, binder_, f(F::CriticalLabel), f(F::Critical), 180);

    auto* measured = new QGroupBox;
    binder_.bindCaption(f(F::MeasuredLabel), measured);
    auto* measuredLayout = new QGridLayout(measured);
    measuredLayout->addWidget(captionLabel(binder_, f(F::TemperatureListLabel)), 0, 0);
    QListWidget* temperatures = listBox(binder_, f(F::Temperatures), 80, 90);
    temperatures->setMaximumWidth(110);
    measuredLayout->addWidget(temperatures, 1, 0, 3, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::TemperatureFahrenheit), 80), 4, 0);
    measuredLayout->addWidget(captionLabel(binder_, f(F::DensityCaption)), 1, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::Density)), 1, 2);
    measuredLayout->addWidget(captionLabel(binder_, f(F::ViscosityCaption)), 2, 1);
    measuredLayout->addWidget(outputLabel(binder_, f(F::Viscosity)), 2, 2);
    measuredLayout->addWidget(
        pushButton(binder_, f(F::TakeMeasured), [this] { finish(presenter_.takeMeasured()); }), 3, 2);
    QLabel* warning = captionLabel(binder_, f(F::LiquidWarning));
    warning->setStyleSheet("color: #b00000; font-weight: bold;");
    measuredLayout->addWidget(warning, 4, 1, 1, 2);
    measuredLayout->setColumnStretch(3, 1);

    auto* interpolation = new QGroupBox;
    binder_.bindCaption(f(F::InterpolationLabel), interpolation);
    auto* interpolationLayout = new QGridLayout(interpolation);
    interpolationLayout->addWidget(captionLabel(binder_, f(F::InterpolationTemperatureLabel)), 0, 0);
    auto* temperature = new QHBoxLayout;
    temperature->addWidget(entryField(binder_, f(F::InterpolationTemperature), 80));
    temperature->addWidget(choiceBox(binder_, f(F::InterpolationUnit)));
    temperature->addWidget(pushButton(binder_, f(F::Interpolate), [this] {
        presenter_.interpolate(messenger_);
        binder_.refresh();
    }));
    temperature->addStretch();
    interpolationLayout->addLayout(temperature, 0, 1, 1, 2);
    resultRow(interpolationLayout, 1, binder_, f(F::InterpolatedDensityCaption), f(F::InterpolatedDensity));
    resultRow(interpolationLayout, 2, binder_, f(F::InterpolatedViscosityCaption),
              f(F::InterpolatedViscosity));
    interpolationLayout->addWidget(
        pushButton(binder_, f(F::TakeInterpolated), [this] { finish(presenter_.takeInterpolated()); }), 2, 2);
    interpolationLayout->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(state);
    right->addWidget(measured);
    right->addWidget(interpolation);
    right->addStretch();

    auto* note = new QPlainTextEdit;
    note->setContextMenuPolicy(Qt::NoContextMenu);
    note->setFixedHeight(96);
    binder_.bindOutput(f(F::Note), note);

    auto* close = new QHBoxLayout;
    close->addStretch();
    close->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(note);
    layout->addLayout(close);

    connect(&binder_, &DialogBinder::edited, this, [this](int field) {
        presenter_.edited(static_cast<F>(field), messenger_);
        binder_.refresh();
    });
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field), messenger_);
        binder_.refresh();
    });
}

std::optional<media::MediumTransfer> GasDialog::run(media::MediumOutput output) {
    presenter_.show(output, messenger_);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::GasField::Title))));
    binder_.refresh();
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    return runModal();
}

// ---- Vapour pressure ----

VapourPressureDialog::VapourPressureDialog(const lang::TextCatalogue& texts, persist::DataFileSet files,
                                           QWidget* parent)
    : ModalDialog(parent),
      presenter_(texts),
      files_(std::move(files)),
      binder_(presenter_.form(), this),
      messenger_(this, binder_) {
    using F = media::VapourPressureField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(listBox(binder_, f(F::List), 220, 300), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(boldCaption(binder_, f(F::Name)));
    right->addWidget(captionLabel(binder_, f(F::Description)));
    auto* details = new QGridLayout;
    resultRow(details, 0, binder_, f(F::MolarMassLabel), f(F::MolarMass));
    resultRow(details, 1, binder_, f(F::MeltingLabel), f(F::Melting));
    resultRow(details, 2, binder_, f(F::BoilingLabel), f(F::Boiling));
    details->setColumnStretch(2, 1);
    right->addLayout(details);
    right->addSpacing(6);
    right->addWidget(captionLabel(binder_, f(F::RangeLabel1)));
    right->addWidget(captionLabel(binder_, f(F::RangeLabel2)));
    auto* range = new QHBoxLayout;
    range->addWidget(captionLabel(binder_, f(F::MinimumLabel)));
    range->addWidget(outputLabel(binder_, f(F::Minimum), 60));
    range->addSpacing(12);
    range->addWidget(captionLabel(binder_, f(F::MaximumLabel)));
    range->addWidget(outputLabel(binder_, f(F::Maximum), 60));
    range->addStretch();
    right->addLayout(range);
    right->addSpacing(6);

    auto* temperature = new QHBoxLayout;
    temperature->addWidget(captionLabel(binder_, f(F::TemperatureLabel)));
    temperature->addWidget(entryField(binder_, f(F::Temperature), 70));
    held_ = new QTimer(this);
    held_->setInterval(300);
    connect(held_, &QTimer::timeout, this, [this] { ++heldTicks_; });
    for (int direction : {1, -1}) {
        auto* arrow = new QToolButton;
        arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setAutoRepeatInterval(120);
        connect(arrow, &QToolButton::pressed, this, [this] {
            heldTicks_ = 0;
            held_->start();
        });
        connect(arrow, &QToolButton::released, this, [this] {
            held_->stop();
            heldTicks_ = 0;
        });
        connect(arrow, &QToolButton::clicked, this, [this, direction] {
            presenter_.step(direction * media::VapourPressurePresenter::heldStep(heldTicks_));
            binder_.refresh();
        });
        temperature->addWidget(arrow);
    }
    temperature->addWidget(outputLabel(binder_, f(F::Fahrenheit), 80));
    temperature->addStretch();
    right->addLayout(temperature);

    auto* results = new QGridLayout;
    resultRow(results, 0, binder_, f(F::PressureCaption), f(F::Pressure));
    resultRow(results, 1, binder_, f(F::DensityCaption), f(F::Density));
    results->setColumnStretch(2, 1);
    right->addLayout(results);
    right->addSpacing(6);
    right->addWidget(captionLabel(binder_, f(F::Note1)));
    right->addWidget(captionLabel(binder_, f(F::Note2)));
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(binder_, f(F::TakeBoth), [this] { finish(presenter_.takeBoth()); }));
    buttons->addWidget(
        pushButton(binder_, f(F::TakePressure), [this] { finish(presenter_.takePressure()); }));
    buttons->addWidget(pushButton(binder_, f(F::TakeDensity), [this] { finish(presenter_.takeDensity()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Cancel), [this] { reject(); }));

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

void VapourPressureDialog::finish(std::optional<media::VapourPressureTransfer> transfer) {
    if (!transfer) return;
    transfer_ = std::move(transfer);
    accept();
}

std::optional<media::VapourPressureTransfer> VapourPressureDialog::run(
    media::MediumOutput output, const media::VapourPressureCaller& caller) {
    transfer_.reset();
    const std::optional<model::UserMessage> message = presenter_.show(output, files_, caller);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::VapourPressureField::Title))));
    binder_.refresh();
    if (message) messenger_.show(*message);
    exec();
    presenter_.hide();  // read again on the next showing
    binder_.refresh();
    return transfer_;
}

}  // namespace velmora::ui
