#pragma once

#include <array>
#include <string>

#include "lang/text_catalogue.h"
#include "workflow/page_settings.h"

namespace velmora::print {

// The header and footer lines of the printed table.
struct PageTexts {
    // Program title + " - " + table title; empty; the extra header line.
    std::array<std::string, 3> header;
    // The results window caption (the project's path) when the path option is on, else empty;
    // the extra footer line. The third footer line is the page line.
    std::array<std::string, 2> footer;
    std::string pageWord, ofWord;
    std::string date;  // today in the short date format

    // Page word + " " + n + " " + of word + " " + count + " - " + date.
    std::string pageLine(int page, int count) const;
};

PageTexts makePageTexts(const lang::TextCatalogue& texts, const workflow::PageSettings& settings,
                        const std::string& windowCaption, std::string date);

}  // namespace velmora::print
