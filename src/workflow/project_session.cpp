#include "workflow/project_session.h"

#include <cstdio>
#include <new>

#include "model/project_file_text.h"
#include "persist/replacement_file.h"
#include "workflow/result_rows.h"
#include "workflow/results_table.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using model::ProjectFileText;
using persist::FileAccessError;

const std::string& blockText(const lang::TextCatalogue& texts, ProjectFileText text) {
    static const std::string none;
    const std::vector<std::string>* block = texts.windowBlock(model::kProjectFileBlock);
    const auto at = static_cast<std::size_t>(text);
    return block && at < block->size() ? (*block)[at] : none;
}

// "U+2192" for a character, "0xFF" for a byte that is no UTF-8 character.
std::string characterCode(const std::string& utf8) {
    const auto lead = static_cast<unsigned char>(utf8.empty() ? 0 : utf8[0]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char code[16];
    if (length == 0 || utf8.size() != static_cast<std::size_t>(length)) {
        std::snprintf(code, sizeof code, "0x%02X", lead);
        return code;
    }
    unsigned long cp = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
    for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[static_cast<std::size_t>(k)]) & 0x3Fu);
    std::snprintf(code, sizeof code, "U+%04lX", cp);
    return code;
}

// A row's caption without its colon; the rows under the dimensions caption share it.
std::string rowName(const lang::TextCatalogue& texts, model::UnitSystem unitSystem, int r) {
    ResultsTable captions(texts);
    captions.setUnitSystem(unitSystem);
    int captioned = r;
    while (captioned > 0 && captions.cell(0, captioned).empty()) --captioned;
    std::string name = captions.cell(0, captioned);
    if (!name.empty() && name.back() == ':') name.pop_back();
    if (!name.empty() && name.back() == ' ') name.pop_back();  // the French blank before it
    return name;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

}  // namespace

ProjectSession::ProjectSession(const lang::TextCatalogue& texts, persist::FileOps& ops) : texts_(&texts), ops_(&ops) {}

std::optional<std::filesystem::path> ProjectSession::heldPath() const {
    if (!held_) return std::nullopt;
    return held_->path();
}

bool ProjectSession::holds(const std::filesystem::path& path) const { return held_ && sameFile(held_->path(), path); }

void ProjectSession::close() { held_.reset(); }

ProjectSession::ReadOutcome ProjectSession::read(const std::filesystem::path& path) {
    ReadOutcome outcome;
    // A file larger than any project is refused unread, as the command line refuses it.
    std::optional<std::string> bytes;
    try {
        if (holds(path)) {
            bytes = held_->readAll(kMaxProjectFileBytes);
        } else {
            persist::LockedFile file = persist::LockedFile::open(path);
            bytes = file.readAll(kMaxProjectFileBytes);
            held_ = std::move(file);  // the project held before is let go here
        }
    } catch (const FileAccessError&) {
        outcome.messages.push_back(projectNotice(*texts_, GlobalText::ProjectOpenFailed));
        return outcome;
    } catch (const std::bad_alloc&) {
        bytes.reset();
    }
    outcome.opened = true;
    if (bytes) {
        outcome.read = readProjectFile(*bytes, *texts_);
    } else {
        outcome.read.messages.push_back(projectNotice(*texts_, GlobalText::ProjectFileInvalid));
    }
    outcome.messages = outcome.read.messages;
    if (!outcome.read.valid) close();
    return outcome;
}

ProjectSession::SaveOutcome ProjectSession::write(const std::filesystem::path& path, const ProjectContent& content) {
    auto encoded = encodeProjectFile(content, *texts_);
    if (const auto* text = std::get_if<UnstorableText>(&encoded)) return {false, unstorable(*text, content.unitSystem)};
    const std::string& bytes = std::get<std::string>(encoded);
    try {
        if (holds(path)) {
            held_->replaceContent(bytes, *ops_);
        } else {
            persist::LockedFile file = persist::LockedFile::create(path, bytes, *ops_);
            held_ = std::move(file);
        }
    } catch (const FileAccessError& e) {
        if (e.kind() == FileAccessError::Kind::Locked) return {false, projectNotice(*texts_, GlobalText::ProjectOpenFailed)};
        return {false, saveFailed(path, e.reason())};
    } catch (const persist::FileWriteError& e) {
        return {false, saveFailed(path, e.reason())};
    }
    return {true, std::nullopt};
}

UserMessage ProjectSession::saveFailed(const std::filesystem::path& path, const std::string& reason) const {
    return {.icon = MessageIcon::Error,
            .caption = texts_->text(GlobalText::ErrorCaption),
            .text = blockText(*texts_, ProjectFileText::SaveFailed) + "\r" + path.string() + "\r" + reason};
}

UserMessage ProjectSession::unstorable(const UnstorableText& text, model::UnitSystem unitSystem) const {
    using Kind = TextPlace::Kind;
    std::string place;
    switch (text.place.kind) {
        case Kind::Heading: place = blockText(*texts_, ProjectFileText::PlaceHeading); break;
        case Kind::PrintFont: place = blockText(*texts_, ProjectFileText::PlacePrintFont); break;
        case Kind::Margins: place = blockText(*texts_, ProjectFileText::PlaceMargins); break;
        case Kind::Footer: place = blockText(*texts_, ProjectFileText::PlaceFooter); break;
        case Kind::TableFont: place = blockText(*texts_, ProjectFileText::PlaceTableFont); break;
        case Kind::Cell:
            place = texts_->text(GlobalText::CaptionColumn) + " " + std::to_string(text.place.column) + ", " +
                    rowName(*texts_, unitSystem, text.place.row);
            break;
    }
    // A tab or line break would not show between the quotes; its code names it.
    const bool visible = static_cast<unsigned char>(text.character[0]) >= 0x20;
    const std::string shown = (visible ? "\"" + text.character + "\" " : std::string()) + "(" + characterCode(text.character) + ")";
    return {.icon = MessageIcon::Error,
            .caption = texts_->text(GlobalText::ErrorCaption),
            .text = blockText(*texts_, ProjectFileText::CharacterNotStorable) + " " + shown + "\r" + place + "\r" +
                    blockText(*texts_, ProjectFileText::ReplaceCharacter)};
}

}  // namespace velmora::workflow
