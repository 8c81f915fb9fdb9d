#include "workflow/element_texts.h"

#include "model/element_kind.h"
#include "model/unit_catalogue.h"

namespace velmora::workflow {

namespace {
const std::string noText;
}

const std::string& myWindowText(const lang::TextCatalogue& texts, model::MyWindowText role) {
    const std::vector<std::string>* block = texts.windowBlock("MyWindow");
    const auto position = static_cast<std::size_t>(role);
    return block && position < block->size() ? (*block)[position] : noText;
}

std::string slotLabel(const lang::TextCatalogue& texts, const model::SlotDescription& slot) {
    return texts.text(slot.labelWord) + std::string(slot.suffix);
}

std::string fixedUnitText(const lang::TextCatalogue& texts, model::SlotUnit unit) {
    if (unit == model::SlotUnit::Percent) return "%";
    if (auto word = model::slotUnitWord(unit)) return texts.text(*word);
    return {};
}

std::string slotUnitName(const lang::TextCatalogue& texts, model::SlotUnit unit, bool imperial) {
    if (auto list = model::slotUnitList(unit)) return model::unitLabels(*list).at(imperial ? 1 : 0);
    return fixedUnitText(texts, unit);
}

std::string optionText(const lang::TextCatalogue& texts, const model::OptionText& option) {
    return std::string(option.prefix) + texts.text(option.word);
}

std::string choiceTitle(const lang::TextCatalogue& texts, const model::ChoiceDescription& choice) {
    return texts.text(choice.title) + ": ";
}

std::string elementName(const lang::TextCatalogue& texts, model::ElementKind kind) {
    return texts.groupName(kind.group) + " - " + texts.subgroupName(kind.group, kind.subgroup);
}

std::string elementInformation(const lang::TextCatalogue& texts, model::ElementKind kind) {
    const std::vector<std::string>* block = texts.windowBlock(model::kElementInfoBlock);
    const auto position = static_cast<std::size_t>(model::cataloguePosition(kind));
    return block && position < block->size() ? (*block)[position] : std::string();
}

GasNoticeTexts gasElementCountNotice(const lang::TextCatalogue& texts) {
    // Block "TGasHinweis": the caption, then the lines of the text.
    GasNoticeTexts notice{texts.text(model::GlobalText::NoticeCaption), {}};
    const std::vector<std::string>* block = texts.windowBlock("TGasHinweis");
    if (!block || block->empty()) return notice;
    notice.caption = block->front();
    for (std::size_t i = 1; i < block->size(); ++i) notice.text += (i > 1 ? "\r" : "") + (*block)[i];
    return notice;
}

std::string editionText(const lang::TextCatalogue& texts, std::string_view commaText) {
    return texts.edition().decimalText(commaText);
}

std::optional<model::ElementKind> kindOfElementCell(const lang::TextCatalogue& texts, const std::string& cell) {
    std::optional<model::ElementKind> found;
    std::size_t length = 0;
    for (const model::ElementKind kind : model::allElementKinds()) {
        const std::string& name = texts.subgroupName(kind.group, kind.subgroup);
        if (!name.empty() && name.size() > length && cell.starts_with(name + "/")) {
            found = kind;
            length = name.size();
        }
    }
    return found;
}

}  // namespace velmora::workflow
