// velmora-render: turns a picture that velmora-cli wrote as SVG into PNG or vector PDF. velmora-cli
// uses no graphics toolkit; this small program lends it Qt's renderer and font engine. It needs no
// display: without a QT_QPA_PLATFORM of its own it renders off-screen.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPdfDpi = 1200;

int fail(const char* what, const QString& file) {
    std::fprintf(stderr, "velmora-render: %s %s\n", what, file.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velmora-render PICTURE.svg OUT.png|OUT.pdf\n");
        return 2;
    }
    const QString input = args[1], output = args[2];
    QSvgRenderer svg(input);
    if (!svg.isValid()) return fail("cannot read the SVG picture", input);
    const QSize size = svg.defaultSize();
    const QString suffix = QFileInfo(output).suffix().toLower();
    QPainter painter;
    if (suffix == "pdf") {
        QPdfWriter pdf(output);
        pdf.setResolution(kPdfDpi);
        pdf.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / kScreenDpi, size.height() * 72.0 / kScreenDpi),
                                  QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!painter.begin(&pdf)) return fail("cannot write", output);
        const double scale = double(kPdfDpi) / kScreenDpi;
        svg.render(&painter, QRectF(0, 0, size.width() * scale, size.height() * scale));
        return painter.end() ? 0 : fail("cannot write", output);
    }
    QImage image(size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(static_cast<int>(kScreenDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kScreenDpi / 0.0254));
    image.fill(Qt::white);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(output, "PNG") ? 0 : fail("cannot write", output);
}
