#include "print/text_wrap.h"

namespace velmora::print {

namespace {

constexpr double tolerance = 1e-6;

// Length of the UTF-8 character that starts at `at`.
std::size_t characterLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return end - at;
}

class LineBreaker {
  public:
    LineBreaker(double width, const PrintFont& font, const TextMetrics& metrics,
                std::vector<std::string>& out)
        : width_(width), font_(font), metrics_(metrics), out_(out) {}

    void add(std::string_view line) {
        if (fits(line)) {
            out_.emplace_back(line);
            return;
        }
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find(' ', start);
            if (end == std::string_view::npos) end = line.size();
            if (end > start) addWord(line.substr(start, end - start));
            start = end + 1;
        }
        out_.push_back(current_);
        current_.clear();
    }

  private:
    bool fits(std::string_view text) const { return metrics_.textWidth(text, font_) <= width_ + tolerance; }

    void addWord(std::string_view word) {
        const std::string joined = current_.empty() ? std::string(word) : current_ + " " + std::string(word);
        if (fits(joined)) {
            current_ = joined;
            return;
        }
        if (!current_.empty()) out_.push_back(current_);
        current_.clear();
        if (fits(word)) {
            current_ = std::string(word);
            return;
        }
        // A word wider than the line: as many characters as fit, at least one, per line.
        std::size_t at = 0;
        while (at < word.size()) {
            std::size_t end = at + characterLength(word, at);
            while (end < word.size()) {
                const std::size_t next = end + characterLength(word, end);
                if (!fits(word.substr(at, next - at))) break;
                end = next;
            }
            if (end < word.size())
                out_.emplace_back(word.substr(at, end - at));
            else
                current_ = std::string(word.substr(at));
            at = end;
        }
    }

    double width_;
    const PrintFont& font_;
    const TextMetrics& metrics_;
    std::vector<std::string>& out_;
    std::string current_;
};

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> wrapText(std::string_view text, double width, const PrintFont& font,
                                  const TextMetrics& metrics) {
    std::vector<std::string> out;
    LineBreaker breaker(width, font, metrics, out);
    for (const std::string& line : splitLines(text)) breaker.add(line);
    return out;
}

}  // namespace velmora::print
