#pragma once

#include <ostream>

#include "workflow/messenger.h"

namespace velmora::cli {

// Writes every message as one line: "information: …", "warning: …", "error: …" or "message: …"
// by its icon (a question counts as a plain message), line breaks as " / ". A question is
// answered with its first button, as a user pressing Enter would.
class StreamMessenger : public workflow::Messenger {
  public:
    explicit StreamMessenger(std::ostream& out) : out_(&out) {}

    workflow::MessageButton show(const workflow::UserMessage& message) override;

  private:
    std::ostream* out_;
};

}  // namespace velmora::cli
