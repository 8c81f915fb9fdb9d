#include "print/page_texts.h"

namespace velmora::print {

using model::GlobalText;

std::string PageTexts::pageLine(int page, int count) const {
    return pageWord + " " + std::to_string(page) + " " + ofWord + " " + std::to_string(count) + " - " + date;
}

PageTexts makePageTexts(const lang::TextCatalogue& texts, const workflow::PageSettings& settings,
                        const std::string& windowCaption, std::string date) {
    PageTexts page;
    page.header = {texts.text(GlobalText::ProgramTitle) + " - " + texts.text(GlobalText::TableTitle), "",
                   settings.extraHeader};
    page.footer = {settings.showFilePath ? windowCaption : std::string(), settings.extraFooter};
    page.pageWord = texts.text(GlobalText::PageWord);
    page.ofWord = texts.text(GlobalText::OfWord);
    page.date = std::move(date);
    return page;
}

}  // namespace velmora::print
