#pragma once

// Messages are data of the model layer (property and tool dialogs below the workflow show them
// too); the workflow code uses them by their short names.
#include "model/user_message.h"
#include "workflow/form_field.h"

namespace velmora::workflow {
using model::buttonsOf;
using model::defaultButtonOf;
using model::escapeButtonOf;
using model::logLine;
using model::MessageButton;
using model::MessageButtons;
using model::MessageIcon;
using model::UserMessage;
}  // namespace velmora::workflow
