#include "ui/estimation_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

using F = media::EstimationField;

namespace {

int f(F field) {
    return static_cast<int>(field);
}

}  // namespace

EstimationDialog::EstimationDialog(const lang::TextCatalogue& texts, const persist::DataFileSet& files,
                                   QWidget* parent)
    : MediaDialog(parent),
      presenter_(texts, texts.edition()),
      binder_(presenter_.form(), this),
      messenger_(this, binder_) {
    loadMessage_ = presenter_.load(files);
    const auto button = [this](F field) {
        return pushButton(binder_, f(field), [this, field] { press(field); });
    };
    const auto row = [this](QGridLayout* grid, int r, F caption, QWidget* value, QWidget* extra = nullptr) {
        grid->addWidget(captionLabel(binder_, f(caption)), r, 0);
        grid->addWidget(value, r, 1, 1, extra ? 1 : 2);
        if (extra) grid->addWidget(extra, r, 2);
    };

    // Search and list.
    auto* search = new QGridLayout;
    search->addWidget(captionLabel(binder_, f(F::SearchLabel)), 0, 0);
    search->addWidget(entryField(binder_, f(F::SearchText), 110), 0, 1);
    search->addWidget(button(F::SearchButton), 0, 2);
    search->addWidget(captionLabel(binder_, f(F::SearchByLabel)), 1, 0);
    search->addWidget(choiceBox(binder_, f(F::SearchKind)), 1, 1, 1, 2);
    auto* list = new QListWidget;
    list->setMinimumWidth(250);
    binder_.bindChoice(f(F::List), list);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { press(F::AddToMixture); });
    auto* left = new QVBoxLayout;
    left->addLayout(search);
    left->addWidget(captionLabel(binder_, f(F::ListLabel)));
    left->addWidget(list, 1);

    // The substance and its state.
    auto* details = new QGridLayout;
    auto* name = outputLabel(binder_, f(F::Name), 200);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    details->addWidget(name, 0, 0, 1, 3);
    row(details, 1, F::FormulaLabel, outputLabel(binder_, f(F::Formula)));
    row(details, 2, F::CasLabel, outputLabel(binder_, f(F::Cas)));
    row(details, 3, F::MeltingLabel, outputLabel(binder_, f(F::Melting)));
    row(details, 4, F::BoilingLabel, outputLabel(binder_, f(F::Boiling)));
    row(details, 5, F::CriticalLabel, outputLabel(binder_, f(F::Critical)));
    row(details, 6, F::PressureLabel, entryField(binder_, f(F::Pressure)),
        choiceBox(binder_, f(F::PressureUnit)));
    row(details, 7, F::BoilingAtPressureLabel, outputLabel(binder_, f(F::BoilingAtPressure)));
    row(details, 8, F::TemperatureLabel, entryField(binder_, f(F::Temperature)),
        choiceBox(binder_, f(F::TemperatureUnit)));
    row(details, 9, F::StateLabel, outputLabel(binder_, f(F::State)));
    row(details, 10, F::DensityCaption, outputLabel(binder_, f(F::Density)));
    row(details, 11, F::ViscosityCaption, outputLabel(binder_, f(F::Viscosity)));
    auto* singleButtons = new QHBoxLayout;
    singleButtons->addWidget(button(F::Calculate));
    singleButtons->addWidget(pushButton(binder_, f(F::TakeOver), [this] { finish(presenter_.takeOver()); }));
    singleButtons->addStretch();
    details->addLayout(singleButtons, 12, 0, 1, 3);
    details->setRowStretch(13, 1);

    // The mixture.
    auto* mixture = new QGroupBox;
    binder_.bindCaption(f(F::MixtureTitle), mixture);
    auto* slots = new QGridLayout(mixture);
    slots->addWidget(button(F::AddToMixture), 0, 0, 1, 3);
    slots->addWidget(captionLabel(binder_, f(F::FractionKindLabel)), 1, 0);
    slots->addWidget(choiceBox(binder_, f(F::FractionKind)), 1, 1, 1, 2);
    for (int n = 0; n < media::estimationSlotCount; ++n) {
        slots->addWidget(outputLabel(binder_, f(media::estimationSlotName(n)), 150), n + 2, 0);
        slots->addWidget(entryField(binder_, f(media::estimationSlotFraction(n)), 70), n + 2, 1);
        auto* remove = new QPushButton("×");
        remove->setFixedWidth(32);
        binder_.bindFlags(f(media::estimationSlotRemove(n)), remove);
        connect(remove, &QPushButton::clicked, this, [this, n] { press(media::estimationSlotRemove(n)); });
        slots->addWidget(remove, n + 2, 2);
    }
    const auto mixtureRow = [&](int r, F caption, QWidget* value, QWidget* extra = nullptr) {
        slots->addWidget(captionLabel(binder_, f(caption)), r, 0);
        if (!extra) {
            slots->addWidget(value, r, 1, 1, 2);
            return;
        }
        auto* pair = new QHBoxLayout;
        pair->addWidget(value);
        pair->addWidget(extra);
        slots->addLayout(pair, r, 1, 1, 2);
    };
    // The mixture's rows reuse the single part's captions (captions are per field, so they are
    // bound again under the same field numbers).
    mixtureRow(6, F::PressureLabel, entryField(binder_, f(F::MixturePressure), 70),
               choiceBox(binder_, f(F::MixturePressureUnit)));
    mixtureRow(7, F::TemperatureLabel, entryField(binder_, f(F::MixtureTemperature), 70),
               choiceBox(binder_, f(F::MixtureTemperatureUnit)));
    slots->addWidget(button(F::MixtureCalculate), 8, 0);
    slots->addWidget(captionLabel(binder_, f(F::MixtureResultLabel)), 9, 0, 1, 3);
    mixtureRow(10, F::StateLabel, outputLabel(binder_, f(F::MixtureState)));
    mixtureRow(11, F::BoilingAtPressureLabel, outputLabel(binder_, f(F::MixtureBoiling)));
    mixtureRow(12, F::CriticalLabel, outputLabel(binder_, f(F::MixtureCritical)));
    mixtureRow(13, F::DensityCaption, outputLabel(binder_, f(F::MixtureDensity)));
    mixtureRow(14, F::ViscosityCaption, outputLabel(binder_, f(F::MixtureViscosity)));
    slots->addWidget(
        pushButton(binder_, f(F::MixtureTakeOver), [this] { finish(presenter_.takeOverMixture()); }), 15, 0,
        1, 3);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(details, 1);
    columns->addWidget(mixture);
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

void EstimationDialog::press(F field) {
    presenter_.pressed(field, messenger_);
    binder_.refresh();
}

std::optional<media::MediumTransfer> EstimationDialog::run(media::MediumOutput output) {
    presenter_.show(output);
    setWindowTitle(qs(presenter_.form().caption(f(F::Title))));
    binder_.refresh();
    for (int n = 0; n < media::estimationSlotCount; ++n)
        binder_.widget(f(media::estimationSlotRemove(n)))
            ->setToolTip(qs(presenter_.form().caption(f(media::estimationSlotRemove(n)))));
    if (loadMessage_) {
        messenger_.show(*loadMessage_);
        loadMessage_.reset();
    }
    return runModal();
}

}  // namespace velmora::ui
