#include "lang/edition.h"

#include "model/number_text.h"

namespace velmora::lang {

std::optional<Edition> Edition::fromLetter(std::string_view letter) {
    if (letter.size() != 1) return std::nullopt;
    switch (letter[0]) {
        case 'D': case 'd': return Edition(Language::German);
        case 'E': case 'e': return Edition(Language::English);
        case 'F': case 'f': return Edition(Language::French);
        case 'H': case 'h': return Edition(Language::Dutch);
        default: return std::nullopt;
    }
}

Edition Edition::choose(std::string_view optionValue, std::string_view environmentValue,
                        std::string_view storedValue) {
    for (std::string_view value : {optionValue, environmentValue, storedValue})
        if (auto edition = fromLetter(value)) return *edition;
    return Edition(Language::English);
}

char Edition::letter() const {
    constexpr char letters[] = {'D', 'E', 'F', 'H'};
    return letters[static_cast<int>(language_)];
}

int Edition::elementTextField() const { return 3 + static_cast<int>(language_); }
int Edition::textField() const { return 4 + static_cast<int>(language_); }

std::string Edition::decimalText(std::string_view commaText) const {
    return decimalComma() ? std::string(commaText) : model::replaceChar(commaText, ',', '.');
}

}  // namespace velmora::lang
