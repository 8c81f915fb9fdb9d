#include "workflow/messenger.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::workflow {
namespace {

// The command line writes each message as one line, its kind first and line breaks as " / ".
TEST(LogLine, NamesTheKindAndJoinsTheLines) {
    struct Case {
        const char* name;
        MessageIcon icon;
        const char* text;
        const char* line;
    };
    for (const Case& c :
         {Case{"information", MessageIcon::Information, "a\rb", "information: a / b"},
          Case{"warning", MessageIcon::Warning, "a", "warning: a"},
          Case{"error", MessageIcon::Error, "Invalid entry:\r\"D:\"!", "error: Invalid entry: / \"D:\"!"},
          Case{"plain", MessageIcon::None, "a\r\nb\nc", "message: a / b / c"},
          Case{"question", MessageIcon::Question, "Save?", "question: Save?"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(logLine({.icon = c.icon, .caption = "Caption", .text = c.text}), c.line);
    }
}

TEST(RecordingMessenger, AnswersAsQueuedThenWithTheFirstButton) {
    RecordingMessenger messenger;
    const UserMessage question{
        .icon = MessageIcon::Question, .text = "Save?", .buttons = MessageButtons::YesNoCancel};
    messenger.queueAnswer(MessageButton::Cancel);
    EXPECT_EQ(messenger.show(question), MessageButton::Cancel);
    EXPECT_EQ(messenger.show(question), MessageButton::Yes);
    EXPECT_EQ(messenger.show(UserMessage{.text = "Done."}), MessageButton::Ok);
    ASSERT_EQ(messenger.messages().size(), 3u);
    EXPECT_EQ(messenger.messages()[2].text, "Done.");
}

}  // namespace
}  // namespace velmora::workflow
