#include "stream_messenger.h"

namespace velmora::cli {

using workflow::MessageIcon;

workflow::MessageButton StreamMessenger::show(const workflow::UserMessage& message) {
    workflow::UserMessage line = message;
    if (line.icon == MessageIcon::Question) line.icon = MessageIcon::None;
    *out_ << workflow::logLine(line) << '\n';
    return workflow::buttonsOf(message.buttons).front();
}

}  // namespace velmora::cli
