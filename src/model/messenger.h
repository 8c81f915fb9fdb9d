#pragma once

#include <deque>
#include <vector>

#include "model/user_message.h"

namespace velmora::model {

// Shows messages to the user. The desktop program shows message boxes; tests and the command
// line record them. Code of the models never waits on a user otherwise.
class Messenger {
  public:
    virtual ~Messenger() = default;
    // Shows the message and returns the button pressed (one of the message's buttons).
    virtual MessageButton show(const UserMessage& message) = 0;
};

// Keeps every message shown and answers with the queued answers, then with the first button of
// each message (OK, respectively Yes).
class RecordingMessenger : public Messenger {
  public:
    MessageButton show(const UserMessage& message) override;

    // The next question is answered with this button (answers are used in the order given).
    void queueAnswer(MessageButton answer) { answers_.push_back(answer); }

    const std::vector<UserMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

  private:
    std::vector<UserMessage> messages_;
    std::deque<MessageButton> answers_;
};

}  // namespace velmora::model
