#pragma once

#include <QString>
#include <string>

#include "lang/text_catalogue.h"
#include "model/global_text.h"
#include "model/my_window_text.h"

namespace velmora::ui {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// Catalogue texts hold "\r" as line break; Qt widgets want "\n".
inline QString displayText(const std::string& text) { return qs(text).replace('\r', '\n'); }

inline QString globalText(const lang::TextCatalogue& texts, model::GlobalText role) { return qs(texts.text(role)); }

// A text of a window's caption block by its position; empty when the block is short or missing.
inline QString blockText(const lang::TextCatalogue& texts, const char* window, int position) {
    const std::vector<std::string>* block = texts.windowBlock(window);
    if (!block || position < 0 || static_cast<std::size_t>(position) >= block->size()) return {};
    return qs((*block)[static_cast<std::size_t>(position)]);
}

inline QString mainText(const lang::TextCatalogue& texts, model::MyWindowText role) {
    return blockText(texts, "MyWindow", static_cast<int>(role));
}

}  // namespace velmora::ui
