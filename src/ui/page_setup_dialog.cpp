#include "ui/page_setup_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/print_window_texts.h"
#include "ui/qt_messenger.h"
#include "ui/qt_text.h"
#include "ui/table_print_job.h"

namespace velmora::ui {

using model::PageSetupText;
using model::PaperText;
using workflow::MarginUnit;
using workflow::PageSettings;
using workflow::PrintScaling;

namespace {

QString setupText(const lang::TextCatalogue& texts, PageSetupText role) {
    return blockText(texts, "TSeite_einrichtenDlg", static_cast<int>(role));
}

QString paperText(const lang::TextCatalogue& texts, PaperText role) {
    return blockText(texts, "TSeite_Papier", static_cast<int>(role));
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// The page settings' margin entries in their order: top, bottom, left, right.
constexpr PageSetupText marginLabels[4] = {PageSetupText::MarginTop, PageSetupText::MarginBottom,
                                           PageSetupText::MarginLeft, PageSetupText::MarginRight};
constexpr const char* marginNames[4] = {"marginTop", "marginBottom", "marginLeft", "marginRight"};

}  // namespace

PageSetupDialog::PageSetupDialog(const workflow::ResultsTable& table, PageSettings& settings,
                                 QString windowCaption, QString projectName, QWidget* parent)
    : ModalDialog(parent),
      table_(table),
      settings_(settings),
      windowCaption_(std::move(windowCaption)),
      projectName_(std::move(projectName)) {
    const lang::TextCatalogue& texts = table.texts();
    setObjectName("TSeite_einrichtenDlg");
    setWindowTitle(setupText(texts, PageSetupText::Title));
    prepareTablePrinter(printer_, texts, windowCaption_);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(buildPageTab(), setupText(texts, PageSetupText::TabPage));
    tabs->addTab(buildPrinterTab(), setupText(texts, PageSetupText::TabPrinter));

    auto* preview = named(new QPushButton(setupText(texts, PageSetupText::Preview)), "previewButton");
    auto* print = named(new QPushButton(setupText(texts, PageSetupText::Print)), "printButton");
    auto* pdf = named(new QPushButton(setupText(texts, PageSetupText::Pdf)), "pdfButton");
    auto* ok = named(new QPushButton(globalText(texts, model::GlobalText::ButtonOk)), "okButton");
    auto* cancel = named(new QPushButton(globalText(texts, model::GlobalText::ButtonCancel)), "cancelButton");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(preview, &QPushButton::clicked, this, &PageSetupDialog::showPreview);
    connect(print, &QPushButton::clicked, this, &PageSetupDialog::printOnPrinter);
    connect(pdf, &QPushButton::clicked, this, &PageSetupDialog::saveAsPdf);
    connect(ok, &QPushButton::clicked, this, [this] {
        commit();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    showSettings(settings_);
    showPrinterName();
    relayout();
}

QWidget* PageSetupDialog::buildPageTab() {
    const lang::TextCatalogue& texts = table_.texts();
    const auto text = [&texts](PageSetupText role) { return setupText(texts, role); };
    auto* page = new QWidget;

    auto* size = new QGroupBox(text(PageSetupText::ScalingGroup));
    scaleToFont_ = named(new QRadioButton(text(PageSetupText::ScaleToFontSize)), "scaleToFontSize");
    fitToPages_ = named(new QRadioButton(text(PageSetupText::FitToPages)), "fitToPages");
    fontSize_ = named(new QSpinBox, "fontSize");
    fontSize_->setRange(print::smallestFontSize, print::largestFontSize);
    fontSize_->setSuffix(" pt");
    pagesWide_ = named(new QSpinBox, "pagesWide");
    pagesWide_->setRange(1, 99);
    wordWrap_ = named(new QCheckBox(text(PageSetupText::WordWrap)), "wordWrap");
    fontName_ = named(new QComboBox, "fontName");
    fontName_->addItems(QFontDatabase::families());
    fontName_->setMaxVisibleItems(20);
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->addWidget(scaleToFont_, 0, 0);
    sizeGrid->addWidget(fontSize_, 0, 1);
    sizeGrid->addWidget(fitToPages_, 1, 0);
    sizeGrid->addWidget(pagesWide_, 1, 1);
    sizeGrid->addWidget(new QLabel(text(PageSetupText::PagesWide)), 1, 2);
    sizeGrid->addWidget(wordWrap_, 2, 0, 1, 3);
    auto* fontLabel = new QLabel(text(PageSetupText::FontLabel));
    fontLabel->setBuddy(fontName_);
    sizeGrid->addWidget(fontLabel, 3, 0);
    sizeGrid->addWidget(fontName_, 3, 1, 1, 2);
    sizeGrid->setColumnStretch(3, 1);

    auto* margins = new QGroupBox(text(PageSetupText::MarginsGroup));
    auto* marginRow = new QHBoxLayout(margins);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(text(marginLabels[i]));
        margins_[i] = named(new QLineEdit, marginNames[i]);
        margins_[i]->setMaximumWidth(70);
        label->setBuddy(margins_[i]);
        marginRow->addWidget(label);
        marginRow->addWidget(margins_[i]);
        marginRow->addSpacing(8);
    }
    marginUnit_ = named(new QComboBox, "marginUnit");
    marginUnit_->addItems({"mm", "in."});
    marginRow->addWidget(new QLabel(text(PageSetupText::MarginUnit)));
    marginRow->addWidget(marginUnit_);
    marginRow->addStretch(1);

    extraHeader_ = named(new QLineEdit, "extraHeader");
    extraFooter_ = named(new QLineEdit, "extraFooter");
    showFilePath_ = named(new QCheckBox(text(PageSetupText::ShowFilePath)), "showFilePath");
    auto* standard = named(new QPushButton(text(PageSetupText::Standard)), "standardButton");
    pageCount_ = named(new QLabel, "pageCount");

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(size);
    layout->addWidget(margins);
    layout->addWidget(new QLabel(text(PageSetupText::ExtraHeader)));
    layout->addWidget(extraHeader_);
    layout->addWidget(new QLabel(text(PageSetupText::ExtraFooter)));
    layout->addWidget(extraFooter_);
    layout->addWidget(showFilePath_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard);
    bottom->addStretch(1);
    bottom->addWidget(pageCount_);
    layout->addLayout(bottom);

    connect(standard, &QPushButton::clicked, this, &PageSetupDialog::applyStandardSettings);
    const auto changed = [this] { relayout(); };
    connect(scaleToFont_, &QRadioButton::toggled, this, changed);
    connect(fontSize_, &QSpinBox::valueChanged, this, changed);
    connect(pagesWide_, &QSpinBox::valueChanged, this, changed);
    connect(wordWrap_, &QCheckBox::toggled, this, changed);
    connect(fontName_, &QComboBox::currentIndexChanged, this, changed);
    for (QLineEdit* margin : margins_) connect(margin, &QLineEdit::textChanged, this, changed);
    connect(marginUnit_, &QComboBox::currentIndexChanged, this, changed);
    connect(extraHeader_, &QLineEdit::textChanged, this, changed);
    connect(extraFooter_, &QLineEdit::textChanged, this, changed);
    connect(showFilePath_, &QCheckBox::toggled, this, changed);
    return page;
}

QWidget* PageSetupDialog::buildPrinterTab() {
    const lang::TextCatalogue& texts = table_.texts();
    auto* page = new QWidget;
    printerName_ = named(new QLabel, "printerName");
    auto* change =
        named(new QPushButton(setupText(texts, PageSetupText::ChangePrinter)), "changePrinterButton");
    paperName_ = named(new QLabel, "paperName");
    auto* paper = named(new QPushButton(paperText(texts, PaperText::PaperButton)), "paperButton");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(setupText(texts, PageSetupText::PrinterLabel)), 0, 0);
    grid->addWidget(printerName_, 0, 1);
    grid->addWidget(change, 0, 2);
    grid->addWidget(new QLabel(paperText(texts, PaperText::PaperLabel)), 1, 0);
    grid->addWidget(paperName_, 1, 1);
    grid->addWidget(paper, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch(1);
    connect(change, &QPushButton::clicked, this, &PageSetupDialog::changePrinter);
    connect(paper, &QPushButton::clicked, this, &PageSetupDialog::choosePaper);
    return page;
}

void PageSetupDialog::showSettings(const PageSettings& settings) {
    loading_ = true;
    const bool fit = settings.scaling == PrintScaling::FitToPages;
    scaleToFont_->setChecked(!fit);
    fitToPages_->setChecked(fit);
    fontSize_->setValue(settings.fontSize);
    pagesWide_->setValue(settings.pagesWide);
    wordWrap_->setChecked(settings.wordWrap);
    // A font this computer lacks (a project from elsewhere) stays chosen; Qt prints a substitute.
    const QString font = qs(settings.fontName.empty() ? std::string("Arial") : settings.fontName);
    if (fontName_->findText(font) < 0) fontName_->insertItem(0, font);
    fontName_->setCurrentIndex(fontName_->findText(font));
    for (int i = 0; i < 4; ++i) margins_[i]->setText(qs(settings.margins[static_cast<std::size_t>(i)]));
    marginUnit_->setCurrentIndex(settings.marginUnit == MarginUnit::Inch ? 1 : 0);
    extraHeader_->setText(qs(settings.extraHeader));
    extraFooter_->setText(qs(settings.extraFooter));
    showFilePath_->setChecked(settings.showFilePath);
    loading_ = false;
}

PageSettings PageSetupDialog::entries() const {
    PageSettings settings;
    settings.scaling = fitToPages_->isChecked() ? PrintScaling::FitToPages : PrintScaling::FontSize;
    settings.fontSize = fontSize_->value();
    settings.pagesWide = pagesWide_->value();
    settings.wordWrap = wordWrap_->isChecked();
    settings.fontName = fontName_->currentText().toStdString();
    for (int i = 0; i < 4; ++i)
        settings.margins[static_cast<std::size_t>(i)] = margins_[i]->text().toStdString();
    settings.marginUnit = marginUnit_->currentIndex() == 1 ? MarginUnit::Inch : MarginUnit::Millimetre;
    settings.extraHeader = extraHeader_->text().toStdString();
    settings.extraFooter = extraFooter_->text().toStdString();
    settings.showFilePath = showFilePath_->isChecked();
    return settings;
}

void PageSetupDialog::relayout() {
    if (loading_) return;
    PageSettings settings = entries();
    layout_ = layoutTableFor(printer_, table_, settings, windowCaption_);
    const bool fit = settings.scaling == PrintScaling::FitToPages;
    fontSize_->setEnabled(!fit);
    pagesWide_->setEnabled(fit);
    if (fit && fontSize_->value() != settings.fontSize) {
        const QSignalBlocker quiet(fontSize_);
        fontSize_->setValue(settings.fontSize);  // the fitted size, as the entry shows it
    }
    pageCount_->setText(setupText(table_.texts(), PageSetupText::PageCount) + " " +
                        QString::number(pageCount()));
}

void PageSetupDialog::commit() {
    relayout();
    settings_ = entries();
}

void PageSetupDialog::applyStandardSettings() {
    PageSettings settings = entries();
    settings.applyStandard(projectName_.toStdString());
    showSettings(settings);
    relayout();
}

// Qt's preview of the pages as the printer would get them, with its zoom, page navigation, page
// setup and print buttons; what is printed from it is laid out for the printer it prints on.
void PageSetupDialog::showPreview() {
    relayout();
    QPrintPreviewDialog preview(&printer_, this);
    preview.setWindowTitle(blockText(table_.texts(), "TDruckvorschauDlg", static_cast<int>(model::PrintPreviewText::Title)));
    preview.resize(window()->size().expandedTo(QSize(900, 650)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        keepTableMargins(*target);
        PageSettings settings = entries();
        const print::TableLayout layout = layoutTableFor(*target, table_, settings, windowCaption_);
        int first = 1, last = layout.pageCount();
        if (target->printRange() == QPrinter::PageRange && target->fromPage() > 0) {
            first = target->fromPage();
            last = target->toPage() > 0 ? target->toPage() : first;
        }
        printPages(*target, layout.pages, first, last);
    });
    preview.exec();
    // Paper or orientation may have been changed in the preview's tool bar.
    keepTableMargins(printer_);
    showPrinterName();
    relayout();
}

bool PageSetupDialog::printOnPrinter() {
    relayout();
    QPrintDialog dialog(&printer_, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max(1, pageCount()));
    dialog.setFromTo(1, std::max(1, pageCount()));
    if (dialog.exec() != QDialog::Accepted) return false;
    // The paper and orientation chosen stay; the margins are the page settings' own.
    keepTableMargins(printer_);
    showPrinterName();
    commit();
    int first = 1, last = pageCount();
    if (printer_.printRange() == QPrinter::PageRange && printer_.fromPage() > 0) {
        first = printer_.fromPage();
        last = printer_.toPage() > 0 ? printer_.toPage() : first;
    }
    if (!printPages(printer_, layout_.pages, first, last)) {
        showError(setupText(table_.texts(), PageSetupText::PrintFailed) + "\r" + printerName_->text());
        return false;
    }
    accept();
    return true;
}

bool PageSetupDialog::saveAsPdf() {
    const lang::TextCatalogue& texts = table_.texts();
    const QFileInfo project(windowCaption_);
    const QString suggestion = project.suffix().compare("vla", Qt::CaseInsensitive) == 0
                                   ? project.path() + "/" + project.completeBaseName() + ".pdf"
                                   : QDir::home().filePath("Velmora.pdf");
    QString path = QFileDialog::getSaveFileName(this, setupText(texts, PageSetupText::PdfSaveTitle),
                                                suggestion, setupText(texts, PageSetupText::PdfFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    return saveAsPdfTo(path);
}

bool PageSetupDialog::saveAsPdfTo(const QString& path) {
    commit();
    if (!writeTablePdf(path, table_, settings_, windowCaption_)) {
        showError(setupText(table_.texts(), PageSetupText::PdfWriteFailed) + "\r" +
                  QDir::toNativeSeparators(path));
        return false;
    }
    accept();
    return true;
}

// The printer dialog used only to choose: its accepting button says so, not "Print".
void PageSetupDialog::changePrinter() {
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(setupText(table_.texts(), PageSetupText::ChangePrinter).remove('&').remove("..."));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(paperText(table_.texts(), PaperText::ChooseButton));
    if (dialog.exec() != QDialog::Accepted) return;
    keepTableMargins(printer_);
    showPrinterName();
    relayout();
}

// Paper size and orientation through Qt's page setup; the table's margins stay those of the
// page settings.
void PageSetupDialog::choosePaper() {
    QPageSetupDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    keepTableMargins(printer_);
    showPrinterName();
    relayout();
}

void PageSetupDialog::showPrinterName() {
    const QString name = printer_.outputFormat() == QPrinter::PdfFormat ? QString() : printer_.printerName();
    printerName_->setText(name.isEmpty() ? setupText(table_.texts(), PageSetupText::NoPrinter) : name);
    paperName_->setText(ui::paperText(printer_));
}

void PageSetupDialog::showError(const QString& text) {
    const lang::TextCatalogue& texts = table_.texts();
    QtMessenger messenger(this, {});
    messenger.show({.icon = workflow::MessageIcon::Error,
                    .caption = texts.text(model::GlobalText::ErrorCaption),
                    .text = text.toStdString()});
}

}  // namespace velmora::ui
