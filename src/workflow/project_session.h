#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "lang/text_catalogue.h"
#include "persist/file_ops.h"
#include "persist/locked_file.h"
#include "workflow/project_file.h"
#include "workflow/user_message.h"

namespace velmora::workflow {

// The current project file: read, written, and held locked against other Velmora processes for
// as long as it is the current project. Results come back as data; the File commands apply them
// to the results table, the page setup and the project name, and show the messages.
class ProjectSession {
public:
    explicit ProjectSession(const lang::TextCatalogue& texts, persist::FileOps& ops = persist::systemFileOps());

    struct ReadOutcome {
        // False when the file could not be opened (missing, not writable, or held by another
        // Velmora). Nothing changed then: the project held before is still held, and the caller
        // keeps its project name and table.
        bool opened = false;
        // When opened: the file's content. An invalid file (read.valid false) has been let go
        // again; the caller starts a new project. The file on disk is never changed by reading.
        ProjectReadResult read;
        std::vector<UserMessage> messages;  // to show, in order
    };
    // Opens, locks and reads a project; the project held before is let go once the new one is
    // held. Reading the project already held reads it again.
    ReadOutcome read(const std::filesystem::path& path);

    struct SaveOutcome {
        bool saved = false;
        std::optional<UserMessage> message;  // the reason, when not saved
    };
    // Writes the project to `path` and holds that file from then on (save and save as). The
    // previous content of the file stays whole until the new content is complete on disk; a
    // failure leaves it and the file held before as they were, and is reported, never taken for
    // success. A text the file cannot hold is refused with its character and place named.
    SaveOutcome write(const std::filesystem::path& path, const ProjectContent& content);

    // Lets the current file go (new project, program end).
    void close();

    bool isOpen() const { return held_.has_value(); }
    std::optional<std::filesystem::path> heldPath() const;

private:
    bool holds(const std::filesystem::path& path) const;
    UserMessage saveFailed(const std::filesystem::path& path, const std::string& reason) const;
    UserMessage unstorable(const UnstorableText& text, model::UnitSystem unitSystem) const;

    const lang::TextCatalogue* texts_;
    persist::FileOps* ops_;
    std::optional<persist::LockedFile> held_;
};

}  // namespace velmora::workflow
