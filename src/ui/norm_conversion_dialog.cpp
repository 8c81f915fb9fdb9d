#include "ui/norm_conversion_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/media_dialog_widgets.h"
#include "ui/qt_text.h"

namespace velmora::ui {

NormConversionDialog::NormConversionDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : ModalDialog(parent), presenter_(texts), binder_(presenter_.form(), this), messenger_(this, binder_) {
    using F = media::NormConversionField;
    const auto f = [](F field) { return static_cast<int>(field); };
    auto* grid = new QGridLayout;
    grid->addWidget(captionLabel(binder_, f(F::FlowLabel)), 0, 0, 1, 3);
    grid->addWidget(entryField(binder_, f(F::Flow), 110), 1, 1);
    grid->addWidget(choiceBox(binder_, f(F::FlowUnit)), 1, 2);
    grid->addWidget(captionLabel(binder_, f(F::TemperatureLabel)), 2, 0);
    grid->addWidget(entryField(binder_, f(F::Temperature), 110), 2, 1);
    grid->addWidget(choiceBox(binder_, f(F::TemperatureUnit)), 2, 2);
    grid->addWidget(captionLabel(binder_, f(F::PressureLabel)), 3, 0);
    grid->addWidget(entryField(binder_, f(F::Pressure), 110), 3, 1);
    grid->addWidget(choiceBox(binder_, f(F::PressureUnit)), 3, 2);
    grid->addWidget(captionLabel(binder_, f(F::ResultLabel)), 4, 0);
    grid->addWidget(outputLabel(binder_, f(F::Result), 150), 4, 1, 1, 2);
    grid->addWidget(outputLabel(binder_, f(F::ResultGallons), 150), 5, 1, 1, 2);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    auto* calculate = pushButton(binder_, f(F::Calculate), [this] {
        presenter_.calculate(messenger_);
        binder_.refresh();
    });
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    buttons->addWidget(pushButton(binder_, f(F::TakeOver), [this] {
        transfer_ = presenter_.takeOver();
        if (transfer_) accept();
    }));
    buttons->addStretch();
    buttons->addWidget(pushButton(binder_, f(F::Cancel), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
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

std::optional<media::NormConversionTransfer> NormConversionDialog::run(bool decimalComma, int decimals,
                                                                       const media::TextWithUnit& temperature,
                                                                       const media::TextWithUnit& pressure) {
    transfer_.reset();
    presenter_.show(decimalComma, decimals, temperature, pressure);
    setWindowTitle(qs(presenter_.form().caption(static_cast<int>(media::NormConversionField::Title))));
    binder_.refresh();
    binder_.focus(static_cast<int>(media::NormConversionField::Flow));
    exec();
    return transfer_;
}

}  // namespace velmora::ui
