#pragma once

#include <QPrinter>
#include <QString>
#include <vector>

#include "lang/text_catalogue.h"
#include "print/print_page.h"
#include "print/table_layout.h"
#include "workflow/page_settings.h"
#include "workflow/results_table.h"

namespace velmora::ui {

// The printable area of the printer's paper.
print::PageGeometry printableGeometry(const QPrinter& printer);

// Landscape (until the user chooses otherwise in the page setup), the job title (print title + " "
// + window caption), and no margins of the printer's own: the page settings' margins count.
void prepareTablePrinter(QPrinter& printer, const lang::TextCatalogue& texts, const QString& windowCaption);
// After a printer, page or preview dialog: its paper and orientation stay, its margins are set
// back to none, so the page settings' margins are not added to them.
void keepTableMargins(QPrinter& printer);
// The paper as the page setup shows it: its name and its size across × down in mm.
QString paperText(const QPrinter& printer);

// The results table laid out on the printer's paper with the page settings; in fit mode the
// fitted font size is written into `settings`. The footer's date is today's in the short format.
print::TableLayout layoutTableFor(const QPrinter& printer, const workflow::ResultsTable& table,
                                  workflow::PageSettings& settings, const QString& windowCaption);

// Paints pages first … last (counted from 1) on the printer. False when the printer (or the
// file of a PDF printer) cannot be opened.
bool printPages(QPrinter& printer, const std::vector<print::PrintPage>& pages, int first, int last);

// The results table as a PDF file at `path`, laid out as it would be printed. False when the file
// cannot be written; `pageCount` receives the number of pages.
bool writeTablePdf(const QString& path, const workflow::ResultsTable& table, workflow::PageSettings& settings,
                   const QString& windowCaption, int* pageCount = nullptr);

}  // namespace velmora::ui
