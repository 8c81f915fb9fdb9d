#pragma once

#include <QFont>
#include <QString>

#include "tools/curve_plot.h"
#include "tools/plot_layout.h"

namespace velmora::ui {

// The picture formats of "save diagram".
enum class PictureFormat { Svg, Pdf, Png };

// The format a file name asks for by its ending; PNG for any other.
PictureFormat pictureFormatOf(const QString& fileName);

// The style of the pictures and of the window: the font family, 12-unit text, one-unit lines.
tools::PlotStyle screenPlotStyle(const QString& fontFamily);

// Writes the diagram at `width` × `height` pixels: SVG through Qt SVG and PDF through QPdfWriter
// (both vector, the PDF page the picture's size at 96 pixels to the inch), PNG as an image of
// that many pixels. False when the file cannot be written.
bool writePicture(const tools::CurvePlot& plot, const QString& fileName, PictureFormat format, int width,
                  int height, const tools::PlotStyle& style);
// The same for a layout made already (velmora-render paints the layouts of velmora-cli).
bool writeLayout(const tools::PlotLayout& layout, const QString& fileName, PictureFormat format);

}  // namespace velmora::ui
