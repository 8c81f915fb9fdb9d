#include "ui/curve_printing.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QWidget>

#include "tools/plot_layout.h"
#include "ui/qt_plot_canvas.h"

namespace velmora::ui {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kMarginMm = 15;

void preparePrinter(QPrinter& printer, const QString& title) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    printer.setDocName(title);
}

}  // namespace

QString printFontFamily(const QFont& tableFont) {
    const QString family = tableFont.family();
    return family == "MS Sans Serif" || family.isEmpty() ? QStringLiteral("Arial") : family;
}

bool printCurveOn(QPrinter& printer, const tools::CurvePlot& plot, const QString& title,
                  const QString& fontFamily) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printable area in layout units of a 96-dpi screen.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = printer.resolution() / kScreenDpi;
    tools::PlotStyle style;
    style.fontFamily = fontFamily.toStdString();
    style.fontSize = 13;
    style.curveWidth = 1.8L;  // about 0.5 mm
    style.lineWidth = 1;
    style.title = title.toStdString();
    const tools::PlotLayout layout =
        tools::layoutCurvePlot(plot, page.width() / scale, page.height() / scale, style);
    paintLayout(painter, layout, scale);
    return painter.end();
}

void printCurve(QWidget* parent, const tools::CurvePlot& plot, const QString& title,
                const QString& fontFamily) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    if (parent) preview.resize(parent->window()->size());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { printCurveOn(*target, plot, title, fontFamily); });
    preview.exec();
}

}  // namespace velmora::ui
