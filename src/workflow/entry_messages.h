#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/element_catalogue.h"
#include "workflow/form_field.h"
#include "workflow/user_message.h"

// The entry and check messages of the main form, composed from the catalogue texts. All of them
// carry the catalogue's message caption; line breaks are "\r".
namespace velmora::workflow {

// An entry that does not read as a number: the invalid-entry text, a line break and the label
// caption in double quotes followed by "!" (error icon).
UserMessage invalidEntryMessage(const lang::TextCatalogue& texts, std::string_view labelCaption,
                                FormField focus);

// A value outside its bound: lead text, " ", line break, ">> label << ", line break, the wording
// (must be greater / smaller / …), line break, ">> bound << " (error icon).
UserMessage boundMessage(const lang::TextCatalogue& texts, std::string_view labelCaption,
                         model::GlobalText wording, std::string_view boundText, FormField focus);

// A kind-specific relation: the lead text and each catalogue text on its own line, or the texts
// alone joined by line breaks when `leadText` is false (error icon).
UserMessage relationMessage(const lang::TextCatalogue& texts, const std::vector<model::GlobalText>& lines,
                            bool leadText, FormField focus);

// The bound as the message shows it: "0" for the checks against zero, else one decimal with the
// edition's separator ("99.0", "99,0").
std::string boundText(const lang::TextCatalogue& texts, model::CheckKind kind, model::Real bound);

// The message of a failed slot check; `labelCaption` names the failing slot.
UserMessage checkFailureMessage(const lang::TextCatalogue& texts, const model::CheckFailure& failure,
                                std::string_view labelCaption);

}  // namespace velmora::workflow
