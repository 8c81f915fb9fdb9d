#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <map>
#include <tuple>

#include "print/print_font.h"

namespace velmora::ui {

// A print font as a Qt font whose size is in the device pixels of a page of `dpi` dots per inch,
// so that the layout, the printer and the preview (which scales the page) agree on every width.
QFont printFont(const print::PrintFont& font, double dpi);

// Measures text for the page layout in the device pixels of a page of `dpi` dots per inch.
class QtPrintMetrics : public print::TextMetrics {
  public:
    explicit QtPrintMetrics(double dpi) : dpi_(dpi) {}

    double textWidth(std::string_view text, const print::PrintFont& font) const override;
    double lineHeight(const print::PrintFont& font) const override;

  private:
    const QFontMetricsF& metricsOf(const print::PrintFont& font) const;

    double dpi_;
    mutable std::map<std::tuple<std::string, int, bool>, QFontMetricsF> cache_;
};

}  // namespace velmora::ui
