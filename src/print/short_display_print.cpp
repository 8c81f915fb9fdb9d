#include "print/short_display_print.h"

#include "model/number_text.h"
#include "workflow/result_rows.h"

namespace velmora::print {

using model::GlobalText;
namespace row = workflow::row;

ShortDisplayContent shortDisplayContent(const workflow::ResultsTable& table,
                                        const std::string& resultsCaption,
                                        const std::string& shortDisplayCaption) {
    const lang::TextCatalogue& texts = table.texts();
    const auto t = [&texts](GlobalText role) { return texts.text(role); };
    ShortDisplayContent content;
    content.title = t(GlobalText::ProgramTitle) + " - " + resultsCaption;
    content.caption = shortDisplayCaption;
    content.header = {t(GlobalText::CaptionNumber),
                      t(GlobalText::CaptionElement) + "/" + t(GlobalText::CaptionCount),
                      t(GlobalText::CaptionDesignation),
                      table.unitSystem() == model::UnitSystem::Metric ? "dp/bar" : "dp/psi"};
    for (int i = 1; i <= table.elementCount(); ++i)
        content.lines.push_back({std::to_string(i), table.cell(i, row::element),
                                 table.cell(i, row::designation), table.cell(i, row::lossLarge)});
    content.total = table.totalCaption() + " " + table.totalText();
    return content;
}

namespace {

constexpr double step = 50;  // tenths of a mm

class ShortDisplayLayouter {
  public:
    ShortDisplayLayouter(const PageGeometry& page, const std::string& fontName, const TextMetrics& metrics)
        : regular_{fontName.empty() ? std::string("Arial") : fontName, shortDisplayFontSize, false},
          bold_{regular_.family, shortDisplayFontSize, true},
          width_(page.widthMm * 10),
          height_(page.heightMm * 10),
          scale_(page.widthMm > 0 ? page.width / width_ : 1.0),
          lineHeight_(metrics.lineHeight(regular_)) {
        x_[0] = 0;
        x_[1] = static_cast<double>(model::roundHalfAway(0.15 * width_));
        x_[2] = static_cast<double>(model::roundHalfAway(x_[1] + 0.35 * width_));
        x_[3] = static_cast<double>(model::roundHalfAway(x_[2] + 0.35 * width_));
        x_[4] = width_;
    }

    std::vector<PrintPage> run(const ShortDisplayContent& content) {
        pages_.emplace_back();
        put(0, 0, width_, content.title, bold_);
        put(0, step, width_, content.caption, bold_);
        row(150, content.header, bold_);
        double y = 150;
        for (std::size_t i = 0; i < content.lines.size(); ++i) {
            y += step;
            row(y, content.lines[i], regular_);
            if (y > height_ - step && i + 1 < content.lines.size()) y = newPage(content.header);
        }
        if (y + 2 * step > height_ - step) y = newPage(content.header);
        put(0, y + 2 * step, width_, content.total, regular_);
        return std::move(pages_);
    }

  private:
    double newPage(const std::array<std::string, 4>& header) {
        pages_.emplace_back();
        row(0, header, bold_);
        return 0;
    }

    void row(double y, const std::array<std::string, 4>& cells, const PrintFont& font) {
        for (std::size_t c = 0; c < cells.size(); ++c) put(x_[c], y, x_[c + 1] - x_[c], cells[c], font);
    }

    void put(double x, double y, double width, const std::string& text, const PrintFont& font) {
        if (text.empty()) return;
        pages_.back().texts.push_back({x * scale_, y * scale_, width * scale_, lineHeight_, {text}, font});
    }

    PrintFont regular_, bold_;
    double width_, height_;  // tenths of a mm
    double scale_;           // device units per tenth of a mm
    double lineHeight_;
    std::array<double, 5> x_{};
    std::vector<PrintPage> pages_;
};

}  // namespace

std::vector<PrintPage> layoutShortDisplay(const ShortDisplayContent& content, const PageGeometry& page,
                                          const std::string& fontName, const TextMetrics& metrics) {
    return ShortDisplayLayouter(page, fontName, metrics).run(content);
}

}  // namespace velmora::print
