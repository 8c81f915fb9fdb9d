#pragma once

#include <QFont>
#include <QPrinter>
#include <QString>

#include "tools/curve_plot.h"

class QWidget;

namespace velmora::ui {

// The printout's font: the results table's, "Arial" for the old "MS Sans Serif".
QString printFontFamily(const QFont& tableFont);

// The diagram on a printer made ready by the caller: landscape, the title above it, filling the
// printable area; the curves a little wider than on the screen. False when printing cannot start.
bool printCurveOn(QPrinter& printer, const tools::CurvePlot& plot, const QString& title,
                  const QString& fontFamily);

// "Diagramm drucken": Qt's print preview of the landscape page, from which the user prints.
void printCurve(QWidget* parent, const tools::CurvePlot& plot, const QString& title,
                const QString& fontFamily);

}  // namespace velmora::ui
