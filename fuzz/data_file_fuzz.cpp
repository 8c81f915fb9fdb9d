// The data files' line cipher and field access: a line of hex digits deciphered with each key,
// its tab-separated fields taken as the loaders take them, and the plain text enciphered again,
// which must decipher to itself.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "fuzz_support.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"
#include "persist/windows1252.h"

using namespace velmora;
using persist::LineCipher;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    for (std::string_view key : {LineCipher::dataKey, LineCipher::propertyTableKey, std::string_view{}}) {
        const auto plain = LineCipher::decipher(line, key);
        if (!plain) continue;
        const std::string text = persist::windows1252ToUtf8(*plain);
        std::size_t fields = 0;
        for (int n = 0; n <= 12; ++n) fields += persist::field(text, n).size();
        fuzz::require(fields <= text.size(), "fields are parts of the line");
        try {
            const std::string again = LineCipher::encipher(*plain, key, [&] { return size ? data[0] : 0; });
            fuzz::require(LineCipher::decipher(again, key) == *plain, "an enciphered line deciphers to itself");
        } catch (const std::invalid_argument&) {
            fuzz::require(plain->find('\0') != std::string::npos, "only a line holding code 0 is refused");
        }
    }
    // The bytes as a plain line: enciphered and read back.
    try {
        const std::string enciphered = LineCipher::encipher(line, LineCipher::dataKey);
        fuzz::require(LineCipher::decipher(enciphered, LineCipher::dataKey) == std::string(line),
                      "any line without code 0 survives the cipher");
    } catch (const std::invalid_argument&) {
        fuzz::require(line.find('\0') != std::string_view::npos, "only a line holding code 0 is refused");
    }
    return 0;
}
