#pragma once

#include <optional>
#include <string>

#include "lang/text_catalogue.h"
#include "model/element_catalogue.h"
#include "model/my_window_text.h"

// The texts the element catalogue names by role, composed in the edition's language.
namespace velmora::workflow {

// A text of the main window's caption block; empty when the block does not have it.
const std::string& myWindowText(const lang::TextCatalogue& texts, model::MyWindowText role);

// The caption of a slot's label: the catalogue word followed by the slot's suffix ("Diameter D:").
std::string slotLabel(const lang::TextCatalogue& texts, const model::SlotDescription& slot);

// The unit text shown beside a slot without a unit box: the degree word, "%", the count word;
// empty for the other slots.
std::string fixedUnitText(const lang::TextCatalogue& texts, model::SlotUnit unit);

// The unit the results table writes after a slot's label: for a unit list its first (metric) or
// second (imperial) label, for a fixed unit that text in both systems, empty for no unit.
std::string slotUnitName(const lang::TextCatalogue& texts, model::SlotUnit unit, bool imperial);

// An option of the two-option choice ("sharp-edged", "15 degrees").
std::string optionText(const lang::TextCatalogue& texts, const model::OptionText& option);

// The title of the two-option choice as shown: the catalogue title followed by ": ".
std::string choiceTitle(const lang::TextCatalogue& texts, const model::ChoiceDescription& choice);

// The kind whose element name starts a results column's element cell ("name/count"); the longest
// name wins, so a name that begins another name is not mistaken for it.
std::optional<model::ElementKind> kindOfElementCell(const lang::TextCatalogue& texts, const std::string& cell);

// "group name - subgroup name" as the main form shows it.
std::string elementName(const lang::TextCatalogue& texts, model::ElementKind kind);

// The kind's information text; empty when the caption file has none for it.
std::string elementInformation(const lang::TextCatalogue& texts, model::ElementKind kind);

// A default text written with a decimal comma ("1,0"), in the edition's form.
// The notice for several gas elements in one column: its caption and its text lines joined by "\r".
struct GasNoticeTexts {
    std::string caption;
    std::string text;
};
GasNoticeTexts gasElementCountNotice(const lang::TextCatalogue& texts);

std::string editionText(const lang::TextCatalogue& texts, std::string_view commaText);

}  // namespace velmora::workflow
