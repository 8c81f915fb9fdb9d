#pragma once

#include <QFont>
#include <QPainter>

#include "tools/plot_layout.h"

namespace velmora::ui {

// Paints a plot layout with a QPainter: on the plot window, on the printer, into SVG (Qt SVG), PDF
// and PNG. The painter's coordinates are the layout's units (the caller scales the painter to its
// device); fonts are sized so that a layout unit is one pixel of a 96-dpi screen.
class QtPlotCanvas : public tools::PlotCanvas {
  public:
    explicit QtPlotCanvas(QPainter& painter) : painter_(painter) {}

    void begin(const tools::PlotLayout& layout) override;
    void line(const tools::LineItem& item) override;
    void polyline(const tools::PolylineItem& item) override;
    void rect(const tools::RectItem& item) override;
    void disc(const tools::DiscItem& item) override;
    void text(const tools::TextItem& item) override;
    void end() override {}

  private:
    QPen pen(const tools::Pen& pen) const;

    QPainter& painter_;
    QString family_;
};

// Paints the layout from the painter's origin, scaled by `scale` (device pixels per layout unit).
void paintLayout(QPainter& painter, const tools::PlotLayout& layout, double scale);

}  // namespace velmora::ui
