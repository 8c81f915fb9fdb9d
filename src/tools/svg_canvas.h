#pragma once

#include <sstream>
#include <string>

#include "tools/plot_layout.h"

namespace velmora::tools {

// A canvas that writes SVG text (SVG 1.1 elements that SVG Tiny 1.2 also has: rect, line,
// polyline, circle, text), one element per item, sizes in pixels. Needs no graphics toolkit, so
// the command line writes the same pictures as the desktop program.
class SvgCanvas : public PlotCanvas {
  public:
    void begin(const PlotLayout& layout) override;
    void line(const LineItem& item) override;
    void polyline(const PolylineItem& item) override;
    void rect(const RectItem& item) override;
    void disc(const DiscItem& item) override;
    void text(const TextItem& item) override;
    void end() override;

    std::string svg() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

// The layout as an SVG document.
std::string plotSvg(const PlotLayout& layout);

}  // namespace velmora::tools
