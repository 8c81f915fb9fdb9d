// velmora-render: paints a diagram that velmora-cli wrote as SVG into PNG or vector PDF. velmora-cli
// uses no graphics toolkit; this small program reads the picture's drawing back and paints it with
// the desktop program's own painter, so the pictures are alike. It needs no display: without a
// QT_QPA_PLATFORM of its own it renders off-screen.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "tools/plot_svg_reader.h"
#include "ui/curve_export.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velmora-render PICTURE.svg OUT.png|OUT.pdf\n");
        return 2;
    }
    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-render: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QByteArray svg = input.readAll();
    const auto layout =
        velmora::tools::readPlotSvg(std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
    if (!layout) {
        std::fprintf(stderr, "velmora-render: %s is no diagram of velmora-cli\n", qPrintable(args[1]));
        return 1;
    }
    if (!velmora::ui::writeLayout(*layout, args[2], velmora::ui::pictureFormatOf(args[2]))) {
        std::fprintf(stderr, "velmora-render: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
