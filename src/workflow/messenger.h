#pragma once

#include "model/messenger.h"
#include "workflow/user_message.h"

namespace velmora::workflow {
using model::Messenger;
using model::RecordingMessenger;
}  // namespace velmora::workflow
