#include "ui/curve_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "ui/qt_plot_canvas.h"

namespace velmora::ui {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPdfDpi = 1200;

bool paintOn(QPaintDevice& device, const tools::PlotLayout& layout, double scale) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintLayout(painter, layout, scale);
    return painter.end();
}

}  // namespace

PictureFormat pictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "svg") return PictureFormat::Svg;
    if (suffix == "pdf") return PictureFormat::Pdf;
    return PictureFormat::Png;
}

tools::PlotStyle screenPlotStyle(const QString& fontFamily) {
    tools::PlotStyle style;
    style.fontFamily = fontFamily.toStdString();
    return style;
}

bool writePicture(const tools::CurvePlot& plot, const QString& fileName, PictureFormat format, int width,
                  int height, const tools::PlotStyle& style) {
    tools::PlotLayout layout = tools::layoutCurvePlot(plot, width, height, style);
    return writeLayout(layout, fileName, format);
}

bool writeLayout(const tools::PlotLayout& layout, const QString& fileName, PictureFormat format) {
    const int width = static_cast<int>(std::lround(static_cast<double>(layout.width)));
    const int height = static_cast<int>(std::lround(static_cast<double>(layout.height)));
    switch (format) {
        case PictureFormat::Svg: {
            QSvgGenerator svg;
            svg.setFileName(fileName);
            svg.setResolution(kScreenDpi);
            svg.setSize(QSize(width, height));
            svg.setViewBox(QRect(0, 0, width, height));
            if (!paintOn(svg, layout, 1.0)) return false;
            return QFileInfo(fileName).size() > 0;
        }
        case PictureFormat::Pdf: {
            QPdfWriter pdf(fileName);
            pdf.setResolution(kPdfDpi);
            const QSizeF points(width * 72.0 / kScreenDpi, height * 72.0 / kScreenDpi);
            pdf.setPageSize(QPageSize(points, QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            if (!paintOn(pdf, layout, double(kPdfDpi) / kScreenDpi)) return false;
            return QFileInfo(fileName).size() > 0;
        }
        case PictureFormat::Png: {
            QImage image(width, height, QImage::Format_ARGB32);
            image.setDotsPerMeterX(static_cast<int>(kScreenDpi / 0.0254));
            image.setDotsPerMeterY(static_cast<int>(kScreenDpi / 0.0254));
            image.fill(Qt::white);
            if (!paintOn(image, layout, 1.0)) return false;
            return image.save(fileName, "PNG");
        }
    }
    return false;
}

}  // namespace velmora::ui
