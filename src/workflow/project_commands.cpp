#include "workflow/project_commands.h"

#include "workflow/project_content.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;

std::filesystem::path fullPath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

}  // namespace

ProjectCommands::ProjectCommands(const ProjectParts& parts) : parts_(parts) {}

// ---- commands ----------------------------------------------------------------------------------

bool ProjectCommands::newProject() {
    if (parts_.table.empty()) {
        // Nothing to ask about and nothing to clear; the heading typed stays. The file of the
        // project before is no longer this project's name.
        path_.reset();
        parts_.session.close();
        modified_ = false;
        parts_.shortDisplay.refresh();
        return true;
    }
    if (askBeforeLeaving() == Question::Stop) return false;
    clearProject();
    return true;
}

bool ProjectCommands::open() {
    if (askBeforeLeaving() == Question::Stop) return false;
    const std::optional<std::filesystem::path> chosen =
        parts_.chooser.chooseProjectToOpen(text(GlobalText::ProjectFileFilter));
    if (!chosen) return false;
    return read(*chosen);
}

bool ProjectCommands::openPath(const std::filesystem::path& path) {
    if (askBeforeLeaving() == Question::Stop) return false;
    return read(path);
}

bool ProjectCommands::save() {
    if (parts_.table.empty()) {
        parts_.messenger.show({.icon = MessageIcon::Information,
                               .caption = text(GlobalText::InformationCaption),
                               .text = text(GlobalText::NothingToSave)});
        return false;
    }
    if (!path_) return saveAs();
    return writeTo(*path_);
}

bool ProjectCommands::saveAs() {
    if (parts_.table.empty()) return save();  // the information message, nothing else
    const std::filesystem::path suggested = path_
                                                ? *path_
                                                : std::filesystem::path(text(GlobalText::DefaultProjectName) +
                                                                        "." + std::string(kProjectExtension));
    const std::optional<std::filesystem::path> chosen =
        parts_.chooser.chooseProjectToSave(text(GlobalText::ProjectFileFilter), suggested);
    if (!chosen) return false;
    if (!writeTo(*chosen)) return false;
    parts_.recent.add(*path_);
    return true;
}

bool ProjectCommands::confirmClose() {
    if (!modified_ || parts_.table.empty()) return true;
    return askBeforeLeaving() == Question::Proceed;
}

// ---- state -------------------------------------------------------------------------------------

std::string ProjectCommands::windowTitle() const {
    if (!path_) return text(GlobalText::DefaultProjectName);
    return parts_.options.titleForm == TitleForm::FullPath ? path_->string() : path_->filename().string();
}

std::string ProjectCommands::projectName() const {
    return path_ ? path_->string() : text(GlobalText::DefaultProjectName);
}

void ProjectCommands::setHeading(std::string heading) {
    if (heading == heading_) return;
    heading_ = std::move(heading);
    modified_ = true;
}

std::optional<std::filesystem::path> ProjectCommands::projectPathFromArguments(
    const std::vector<std::string>& words) {
    std::string joined;
    bool any = false;
    for (const std::string& word : words) {
        if (word.starts_with("--")) continue;
        if (any) joined += ' ';
        joined += word;
        any = true;
    }
    if (!any || joined.empty()) return std::nullopt;
    return std::filesystem::path(joined);
}

// ---- steps -------------------------------------------------------------------------------------

ProjectCommands::Question ProjectCommands::askBeforeLeaving() {
    if (parts_.table.empty()) return Question::Proceed;
    switch (parts_.messenger.show(saveQuestion())) {
        case MessageButton::Save:
            return save() ? Question::Proceed : Question::Stop;
        case MessageButton::Discard:
            return Question::Proceed;
        default:
            return Question::Stop;  // cancelled or closed: the user keeps the project as it is
    }
}

bool ProjectCommands::read(const std::filesystem::path& path) {
    ProjectSession::ReadOutcome outcome = parts_.session.read(path);
    if (!outcome.opened) {
        show(outcome.messages);
        return false;
    }
    if (!outcome.read.valid) {
        show(outcome.messages);
        clearProject();
        return false;
    }
    ProjectContent& content = outcome.read.content;
    applyProject(std::move(content), parts_.table);  // the columns only; the rest is read below
    heading_ = content.heading;
    if (content.page) parts_.page = *content.page;  // its extra header is the heading
    parts_.appearance = content.appearance;
    parts_.options.unitSystem = content.unitSystem;
    path_ = fullPath(path);
    modified_ = false;
    parts_.recent.add(*path_);
    parts_.shortDisplay.refresh();
    show(outcome.messages);
    return true;
}

bool ProjectCommands::writeTo(const std::filesystem::path& path) {
    const ProjectSession::SaveOutcome outcome =
        parts_.session.write(path, captureProject(parts_.table, heading_, parts_.page, parts_.appearance));
    if (!outcome.saved) {
        if (outcome.message) parts_.messenger.show(*outcome.message);
        return false;
    }
    path_ = fullPath(path);
    modified_ = false;
    return true;
}

void ProjectCommands::clearProject() {
    path_.reset();
    parts_.table.clear();
    heading_.clear();
    parts_.session.close();
    modified_ = false;
    parts_.shortDisplay.refresh();
}

void ProjectCommands::show(const std::vector<UserMessage>& messages) {
    for (const UserMessage& message : messages) parts_.messenger.show(message);
}

UserMessage ProjectCommands::saveQuestion() const {
    return {.icon = MessageIcon::Question,
            .caption = text(GlobalText::QuestionCaption),
            .text = text(GlobalText::SaveQuestion),
            .buttons = MessageButtons::SaveDiscardCancel};
}

const std::string& ProjectCommands::text(GlobalText role) const {
    return parts_.table.texts().text(role);
}

}  // namespace velmora::workflow
