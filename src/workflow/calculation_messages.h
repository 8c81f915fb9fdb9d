#pragma once

#include "engine/notice.h"
#include "lang/text_catalogue.h"
#include "workflow/user_message.h"

// The messages a calculation shows after the entries have passed: the engines' notices and range
// warnings, the transition-zone notice of the results table, the gas limit and the failed
// calculation. Every text is the edition's catalogue text; line breaks are "\r".
namespace velmora::workflow {

// An engine notice as its message box: the laminar notice is a plain message, the orifice range
// warnings and the notice for a value outside a coefficient table carry the notice caption and an
// information icon. The latter adds the value given and the table value used, on a line of their own.
UserMessage noticeMessage(const lang::TextCatalogue& texts, const engine::Notice& notice);

// Reynolds numbers between laminar and turbulent flow, 2200 … 2320 inclusive, where neither
// engine's coefficients are certain.
bool inTransitionZone(model::Real reynolds);
UserMessage transitionZoneMessage(const lang::TextCatalogue& texts);

// A gas loss above half the inlet pressure: both gas-limit texts, error icon, error caption.
UserMessage gasLimitMessage(const lang::TextCatalogue& texts);

// An arithmetic failure inside an engine (plain message).
UserMessage calculationFailedMessage(const lang::TextCatalogue& texts);

}  // namespace velmora::workflow
