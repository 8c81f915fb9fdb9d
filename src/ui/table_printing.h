#pragma once

#include <QPrinter>
#include <QString>

#include "lang/text_catalogue.h"
#include "workflow/page_settings.h"
#include "workflow/results_table.h"

class QWidget;

// The printing commands the windows call.
namespace velmora::ui {

// The main window's print command and the results window's print button: opens the page setup
// (with preview, printing and PDF output) when the table has element columns. `windowCaption` is
// the results window's caption (the project's path), `projectName` its project heading (the
// standard settings take it as the extra header line). The settings change on OK or printing.
void printTable(QWidget* parent, const workflow::ResultsTable& table, workflow::PageSettings& settings,
                const QString& windowCaption, const QString& projectName);

// The main window's command for printing the short display: the printer dialog, then the list of
// elements in portrait; nothing when the table has no element columns.
void printShortDisplay(QWidget* parent, const workflow::ResultsTable& table, const QString& windowCaption);

// Portrait, 15 mm margins (the short display's positions start at the printable area's corner, which
// on a PDF is the paper's edge), and the job title: print title + " " + window caption.
void prepareShortDisplayPrinter(QPrinter& printer, const lang::TextCatalogue& texts,
                                const QString& windowCaption);

// The short display on a printer made ready by the caller (also a PDF printer); false when the
// printer cannot be started.
bool printShortDisplayOn(QPrinter& printer, const workflow::ResultsTable& table,
                         const QString& windowCaption);

}  // namespace velmora::ui
