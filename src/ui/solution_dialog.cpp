#include "ui/solution_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

using F = media::SolutionField;

namespace {

int f(F field) {
    return static_cast<int>(field);
}

}  // namespace

SolutionDialog::SolutionDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files,
                               QWidget* parent)
    : MediaDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    loadMessage_ = presenter_.load(files);
    const auto button = [this](F field) {
        return pushButton(binder_, f(field), [this, field] { press(field); });
    };

    auto* list = new QListWidget;
    list->setMinimumWidth(230);
    binder_.bindChoice(f(F::List), list);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { press(F::AddToMixture); });
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(list, 1);
    left->addWidget(outputLabel(binder_, f(F::Description)));

    // One solute.
    auto* single = new QGroupBox;
    binder_.bindCaption(f(F::ResultsLabel), single);
    auto* grid = new QGridLayout(single);
    grid->addWidget(captionLabel(binder_, f(F::TemperatureLabel)), 0, 0);
    grid->addWidget(entryField(binder_, f(F::Temperature)), 0, 1);
    grid->addWidget(choiceBox(binder_, f(F::TemperatureUnit)), 0, 2);
    grid->addWidget(captionLabel(binder_, f(F::ConcentrationLabel)), 1, 0);
    grid->addWidget(entryField(binder_, f(F::Concentration)), 1, 1);
    grid->addWidget(captionLabel(binder_, f(F::ConcentrationUnit)), 1, 2);
    grid->addWidget(captionLabel(binder_, f(F::DensityCaption)), 2, 0);
    grid->addWidget(outputLabel(binder_, f(F::Density)), 2, 1, 1, 2);
    grid->addWidget(captionLabel(binder_, f(F::ViscosityCaption)), 3, 0);
    grid->addWidget(outputLabel(binder_, f(F::Viscosity)), 3, 1, 1, 2);
    auto* singleButtons = new QHBoxLayout;
    singleButtons->addWidget(button(F::Calculate));
    auto* takeOver = pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); });
    singleButtons->addWidget(takeOver);
    singleButtons->addStretch();
    grid->addLayout(singleButtons, 4, 0, 1, 3);

    // The mixture.
    auto* mixture = new QGroupBox;
    binder_.bindCaption(f(F::MixtureTitle), mixture);
    auto* slots = new QGridLayout(mixture);
    slots->addWidget(button(F::AddToMixture), 0, 0, 1, 3);
    slots->addWidget(captionLabel(binder_, f(F::MixtureConcentrationLabel)), 1, 1);
    for (int n = 0; n < media::mixtureSlotCount; ++n) {
        slots->addWidget(outputLabel(binder_, f(media::solutionSlotName(n)), 170), n + 2, 0);
        slots->addWidget(entryField(binder_, f(media::solutionSlotConcentration(n)), 70), n + 2, 1);
        // A cross; the caption becomes its hint.
        auto* remove = new QPushButton("×");
        remove->setFixedWidth(32);
        binder_.bindFlags(f(media::solutionSlotRemove(n)), remove);
        connect(remove, &QPushButton::clicked, this, [this, n] { press(media::solutionSlotRemove(n)); });
        slots->addWidget(remove, n + 2, 2);
    }
    slots->addWidget(captionLabel(binder_, f(F::MixtureTemperatureLabel)), 6, 0);
    auto* temperature = new QHBoxLayout;
    temperature->addWidget(entryField(binder_, f(F::MixtureTemperature), 70));
    temperature->addWidget(choiceBox(binder_, f(F::MixtureTemperatureUnit)));
    slots->addLayout(temperature, 6, 1, 1, 2);
    slots->addWidget(button(F::MixtureCalculate), 7, 0);
    slots->addWidget(captionLabel(binder_, f(F::MixtureResultLabel)), 8, 0, 1, 3);
    slots->addWidget(captionLabel(binder_, f(F::DensityCaption)), 9, 0);
    slots->addWidget(outputLabel(binder_, f(F::MixtureDensity)), 9, 1, 1, 2);
    slots->addWidget(captionLabel(binder_, f(F::ViscosityCaption)), 10, 0);
    slots->addWidget(outputLabel(binder_, f(F::MixtureViscosity)), 10, 1, 1, 2);
    slots->addWidget(
        pushButton(binder_, f(F::MixtureTakeOver), [this] { finish(presenter_.takeOverMixture()); }), 11, 0,
        1, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(single);
    right->addWidget(mixture);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        pushButton(binder_, f(F::Info), [this] { messenger_.show(presenter_.information()); }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Close), [this] { reject(); }));
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

void SolutionDialog::press(F field) {
    presenter_.pressed(field, messenger_);
    binder_.refresh();
}

std::optional<media::MediumTransfer> SolutionDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(f(F::Title))));
    binder_.refresh();
    for (int n = 0; n < media::mixtureSlotCount; ++n)
        binder_.widget(f(media::solutionSlotRemove(n)))
            ->setToolTip(qs(presenter_.form().caption(f(media::solutionSlotRemove(n)))));
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    return runModal();
}

}  // namespace velmora::ui
