#include "ui/curve_plot_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "lang/dialog_messages.h"
#include "model/system_curve_texts.h"
#include "tools/curve_plot_presenter.h"
#include "ui/curve_export.h"
#include "ui/curve_plot_view.h"
#include "ui/curve_printing.h"
#include "ui/dialog_binder.h"
#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

using Presenter = tools::CurvePlotPresenter;
using model::CurvePlotText;

QString plotText(const lang::TextCatalogue& texts, CurvePlotText text) {
    return blockText(texts, "TKurve", static_cast<int>(text));
}

// Width and height of a picture to save, in pixels.
bool askPictureSize(QWidget* parent, const lang::TextCatalogue& texts, int& width, int& height) {
    QDialog dialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(plotText(texts, CurvePlotText::SizeTitle));
    dialog.setMinimumWidth(300);
    auto* form = new QFormLayout(&dialog);
    auto* w = new QSpinBox;
    auto* h = new QSpinBox;
    for (QSpinBox* box : {w, h}) {
        box->setRange(100, 20000);
        box->setSingleStep(100);
    }
    w->setValue(width);
    h->setValue(height);
    form->addRow(plotText(texts, CurvePlotText::WidthLabel), w);
    form->addRow(plotText(texts, CurvePlotText::HeightLabel), h);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(globalText(texts, model::GlobalText::ButtonOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(globalText(texts, model::GlobalText::ButtonCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    width = w->value();
    height = h->value();
    return true;
}

}  // namespace

CurvePlotWindow::CurvePlotWindow(Presenter& presenter, QString fontFamily, QWidget* parent)
    : ModalDialog(parent), presenter_(presenter), fontFamily_(std::move(fontFamily)) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);  // a diagram is read better large
    setSizeGripEnabled(true);
    binder_ = new DialogBinder(presenter_.form(), this);
    view_ = new CurvePlotView([this]() -> const tools::CurvePlot& { return presenter_.plot(); }, fontFamily_);

    // The pump panel: the head unit, the 20 rows of points, the three pump buttons.
    auto* pump = new QGroupBox;
    binder_->bindCaption(Presenter::PumpGroup, pump);
    auto* pumpLayout = new QVBoxLayout(pump);
    auto* unitRow = new QHBoxLayout;
    auto* unitLabel = new QLabel;
    binder_->bindCaption(Presenter::HeadUnitLabel, unitLabel);
    auto* unit = new QComboBox;
    binder_->bindChoice(Presenter::HeadUnit, unit);
    unitRow->addWidget(unitLabel);
    unitRow->addWidget(unit);
    unitRow->addStretch();
    pumpLayout->addLayout(unitRow);

    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto* flowHeader = new QLabel;
    auto* headHeader = new QLabel;
    binder_->bindCaption(Presenter::FlowHeader, flowHeader);
    binder_->bindCaption(Presenter::HeadHeader, headHeader);
    grid->addWidget(flowHeader, 0, 1);
    grid->addWidget(headHeader, 0, 2);
    for (int row = 0; row < tools::kMaxPumpPoints; ++row) {
        grid->addWidget(new QLabel(QString::number(row + 1)), row + 1, 0, Qt::AlignRight);
        for (const int field : {Presenter::flowField(row), Presenter::headField(row)}) {
            auto* entry = new QLineEdit;
            entry->setMaximumWidth(90);
            binder_->bindEntry(field, entry);
            grid->addWidget(entry, row + 1, field == Presenter::flowField(row) ? 1 : 2);
        }
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(rows->sizeHint().width() + 24);
    pumpLayout->addWidget(scroll, 1);

    const auto button = [this](int field, auto slot) {
        auto* b = new QPushButton;
        binder_->bindCaption(field, b);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    pumpLayout->addWidget(button(Presenter::Load, [this] { chooseAndLoadPumpFile(); }));
    pumpLayout->addWidget(button(Presenter::Draw, [this] { drawPump(); }));
    pumpLayout->addWidget(button(Presenter::Remove, [this] { removePump(); }));
    auto* note = new QLabel;
    note->setWordWrap(true);
    binder_->bindOutput(Presenter::DensityNote, note);
    pumpLayout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = button(Presenter::Ok, [this] { accept(); });
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(button(Presenter::Print, [this] { printDiagram(); }));
    buttons->addWidget(button(Presenter::Copy, [this] { copyValues(); }));
    buttons->addWidget(button(Presenter::Save, [this] { chooseAndSaveDiagram(); }));
    buttons->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(view_, 1);
    body->addWidget(pump);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(binder_, &DialogBinder::chosen, this, [this](int field) {
        if (field == Presenter::HeadUnit && presenter_.pumpShown())
            drawPump();
        else
            refresh();
    });
}

void CurvePlotWindow::prepare(const QString& printTitle, int pictureWidth, int pictureHeight) {
    printTitle_ = printTitle;
    pictureWidth_ = pictureWidth;
    pictureHeight_ = pictureHeight;
}

void CurvePlotWindow::showEvent(QShowEvent* event) {
    setWindowTitle(qs(presenter_.title()));
    presenter_.shown();
    refresh();
    if (!sized_) {
        // A diagram is read better large: most of the screen at the first opening, then the
        // size the user leaves it at.
        sized_ = true;
        const QRect area = screen()->availableGeometry();
        resize(std::min(1180, area.width() * 9 / 10), std::min(760, area.height() * 9 / 10));
    }
    ModalDialog::showEvent(event);
}

void CurvePlotWindow::refresh() {
    binder_->refresh();
    view_->update();
}

void CurvePlotWindow::drawPump() {
    DialogMessenger messenger(this, *binder_);
    presenter_.drawPump(messenger);
    refresh();
}

void CurvePlotWindow::removePump() {
    presenter_.removePump();
    refresh();
}

void CurvePlotWindow::loadPumpFile(const QString& fileName) {
    DialogMessenger messenger(this, *binder_);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        messenger.show(
            lang::dataFileError(presenter_.texts(), fileName.toStdString(), lang::FileNameBreak::Line));
        return;
    }
    const QByteArray bytes = file.readAll();
    presenter_.loadPumpFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                            messenger);
    refresh();
}

void CurvePlotWindow::chooseAndLoadPumpFile() {
    const QString fileName =
        QFileDialog::getOpenFileName(this, plotText(presenter_.texts(), CurvePlotText::Load).remove('&'),
                                     QString(), plotText(presenter_.texts(), CurvePlotText::PumpFileFilter));
    if (!fileName.isEmpty()) loadPumpFile(fileName);
}

void CurvePlotWindow::copyValues() {
    QGuiApplication::clipboard()->setText(qs(presenter_.copyText()));
}

void CurvePlotWindow::printDiagram() {
    printCurve(this, presenter_.plot(), printTitle_, fontFamily_);
}

void CurvePlotWindow::saveDiagram(const QString& fileName, int width, int height) {
    if (writePicture(presenter_.plot(), fileName, pictureFormatOf(fileName), width, height,
                     screenPlotStyle(fontFamily_)))
        return;
    const lang::TextCatalogue& texts = presenter_.texts();
    DialogMessenger(this, *binder_)
        .show({.icon = model::MessageIcon::Error,
               .caption = texts.text(model::GlobalText::ErrorCaption),
               .text =
                   plotText(texts, CurvePlotText::SaveFailed).toStdString() + "\r" + fileName.toStdString()});
}

void CurvePlotWindow::chooseAndSaveDiagram() {
    const lang::TextCatalogue& texts = presenter_.texts();
    const QStringList filters{plotText(texts, CurvePlotText::SvgFilter),
                              plotText(texts, CurvePlotText::PdfFilter),
                              plotText(texts, CurvePlotText::PngFilter)};
    const QString suffixes[] = {"svg", "pdf", "png"};
    QString chosenFilter = filters[0];
    QString fileName = QFileDialog::getSaveFileName(this, plotText(texts, CurvePlotText::Save).remove('&'),
                                                    QString(), filters.join(";;"), &chosenFilter);
    if (fileName.isEmpty()) return;
    const QString suffix = suffixes[std::max<qsizetype>(0, filters.indexOf(chosenFilter))];
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += "." + suffix;
    if (!askPictureSize(this, texts, pictureWidth_, pictureHeight_)) return;
    saveDiagram(fileName, pictureWidth_, pictureHeight_);
}

}  // namespace velmora::ui
