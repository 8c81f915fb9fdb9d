#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::lang {

// The language edition, fixed for a whole run: German, English, French or Dutch.
class Edition {
public:
    enum class Language { German, English, French, Dutch };

    constexpr explicit Edition(Language language = Language::English) : language_(language) {}

    // "D", "E", "F" or "H" (case-insensitive); anything else is not an edition.
    static std::optional<Edition> fromLetter(std::string_view letter);

    // --edition=X first, then the environment's VELMORA_EDITION, then the stored choice, else "E".
    // Invalid values at one level fall through to the next.
    static Edition choose(std::string_view optionValue, std::string_view environmentValue,
                          std::string_view storedValue);

    Language language() const { return language_; }
    char letter() const;
    bool isEnglish() const { return language_ == Language::English; }

    // Language field of "elemente.gru" (3–6) and of the caption and global text files (4–7).
    int elementTextField() const;
    int textField() const;

    // Every edition but the English one writes a decimal comma.
    bool decimalComma() const { return !isEnglish(); }
    char decimalSeparator() const { return decimalComma() ? ',' : '.'; }

    // A default text written with a decimal comma ("1,0"), in this edition's form ("1.0" in "E").
    std::string decimalText(std::string_view commaText) const;

    // Default width of the results table's normal columns (pixels).
    int defaultNormalColumnWidth() const { return isEnglish() ? 150 : 145; }

    friend bool operator==(Edition, Edition) = default;

private:
    Language language_;
};

}  // namespace velmora::lang
