#include "model/messenger.h"

namespace velmora::model {

MessageButton RecordingMessenger::show(const UserMessage& message) {
    messages_.push_back(message);
    if (!answers_.empty()) {
        const MessageButton answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttonsOf(message.buttons).front();
}

}  // namespace velmora::model
