#include "ui/table_print_job.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "print/page_texts.h"
#include "print/print_grid.h"
#include "ui/print_page_painter.h"
#include "ui/qt_print_metrics.h"
#include "ui/edition_locale.h"
#include "ui/qt_text.h"

namespace velmora::ui {

print::PageGeometry printableGeometry(const QPrinter& printer) {
    const QRectF pixels = printer.pageRect(QPrinter::DevicePixel);
    const QRectF millimetres = printer.pageRect(QPrinter::Millimeter);
    return {pixels.width(), pixels.height(), millimetres.width(), millimetres.height()};
}

void prepareTablePrinter(QPrinter& printer, const lang::TextCatalogue& texts, const QString& windowCaption) {
    printer.setPageOrientation(QPageLayout::Landscape);
    keepTableMargins(printer);
    printer.setDocName(globalText(texts, model::GlobalText::PrintJobTitle) + " " + windowCaption);
}

void keepTableMargins(QPrinter& printer) { printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter); }

QString paperText(const QPrinter& printer) {
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    return printer.pageLayout().pageSize().name() + QString(" (%1 × %2 mm)")
                                                        .arg(std::lround(paper.width()))
                                                        .arg(std::lround(paper.height()));
}

print::TableLayout layoutTableFor(const QPrinter& printer, const workflow::ResultsTable& table,
                                  workflow::PageSettings& settings, const QString& windowCaption) {
    const QString date = editionDate(table.texts().edition(), QDate::currentDate());
    const print::PageTexts texts =
        print::makePageTexts(table.texts(), settings, windowCaption.toStdString(), date.toStdString());
    const QtPrintMetrics metrics(printer.resolution());
    return print::layoutForPrint(print::buildPrintGrid(table), texts, settings, printableGeometry(printer),
                                 metrics);
}

bool printPages(QPrinter& printer, const std::vector<print::PrintPage>& pages, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(pages.size()));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int k = first; k <= last; ++k) {
        if (k > first) printer.newPage();
        paintPage(painter, pages[static_cast<std::size_t>(k - 1)], printer.resolution());
    }
    return painter.end();
}

bool writeTablePdf(const QString& path, const workflow::ResultsTable& table, workflow::PageSettings& settings,
                   const QString& windowCaption, int* pageCount) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    prepareTablePrinter(printer, table.texts(), windowCaption);
    printer.setCreator(globalText(table.texts(), model::GlobalText::ProgramTitle));
    const print::TableLayout layout = layoutTableFor(printer, table, settings, windowCaption);
    if (pageCount) *pageCount = layout.pageCount();
    return printPages(printer, layout.pages, 1, layout.pageCount());
}

}  // namespace velmora::ui
