#include "ui/table_printing.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QWidget>

#include "model/print_window_texts.h"
#include "model/window_texts.h"
#include "print/short_display_print.h"
#include "ui/page_setup_dialog.h"
#include "ui/qt_messenger.h"
#include "ui/qt_print_metrics.h"
#include "ui/qt_text.h"
#include "ui/table_print_job.h"

namespace velmora::ui {

void printTable(QWidget* parent, const workflow::ResultsTable& table, workflow::PageSettings& settings,
                const QString& windowCaption, const QString& projectName) {
    if (table.empty()) return;
    PageSetupDialog dialog(table, settings, windowCaption, projectName, parent);
    dialog.exec();
}

bool printShortDisplayOn(QPrinter& printer, const workflow::ResultsTable& table,
                         const QString& windowCaption) {
    const lang::TextCatalogue& texts = table.texts();
    const std::string caption =
        blockText(texts, "TKurzAnzeige", static_cast<int>(model::ShortDisplayText::Title)).toStdString();
    const print::ShortDisplayContent content =
        print::shortDisplayContent(table, windowCaption.toStdString(), caption);
    const QtPrintMetrics metrics(printer.resolution());
    const std::vector<print::PrintPage> pages =
        print::layoutShortDisplay(content, printableGeometry(printer), "Arial", metrics);
    return printPages(printer, pages, 1, static_cast<int>(pages.size()));
}

void prepareShortDisplayPrinter(QPrinter& printer, const lang::TextCatalogue& texts,
                                const QString& windowCaption) {
    constexpr double marginMm = 15;
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    printer.setDocName(globalText(texts, model::GlobalText::PrintJobTitle) + " " + windowCaption);
}

void printShortDisplay(QWidget* parent, const workflow::ResultsTable& table, const QString& windowCaption) {
    if (table.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    prepareShortDisplayPrinter(printer, table.texts(), windowCaption);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    prepareShortDisplayPrinter(printer, table.texts(), windowCaption);
    if (printShortDisplayOn(printer, table, windowCaption)) return;
    const lang::TextCatalogue& texts = table.texts();
    QtMessenger(parent, {})
        .show({.icon = workflow::MessageIcon::Error,
               .caption = texts.text(model::GlobalText::ErrorCaption),
               .text = blockText(texts, "TSeite_einrichtenDlg",
                                 static_cast<int>(model::PageSetupText::PrintFailed))
                           .toStdString() +
                       "\r" + printer.printerName().toStdString()});
}

}  // namespace velmora::ui
