#include "ui/qt_print_metrics.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace velmora::ui {

QFont printFont(const print::PrintFont& font, double dpi) {
    QFont qfont(QString::fromStdString(font.family));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * dpi / 72.0))));
    qfont.setBold(font.bold);
    qfont.setStyleHint(QFont::SansSerif);
    // Glyph widths exactly as designed, not fitted to a screen grid: the printer must see the
    // widths the layout measured.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

const QFontMetricsF& QtPrintMetrics::metricsOf(const print::PrintFont& font) const {
    const auto key = std::make_tuple(font.family, font.pointSize, font.bold);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, QFontMetricsF(printFont(font, dpi_))).first;
    return it->second;
}

double QtPrintMetrics::textWidth(std::string_view text, const print::PrintFont& font) const {
    return metricsOf(font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtPrintMetrics::lineHeight(const print::PrintFont& font) const {
    return metricsOf(font).lineSpacing();
}

}  // namespace velmora::ui
