#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "lang/edition.h"
#include "model/global_text.h"

namespace velmora::lang {

// The texts of the program after loading: element names, the global texts of the edition, the
// window text blocks and the translation vocabulary. Filled by the data-file loader.
class TextCatalogue {
public:
    static constexpr int groupCount = 13;
    static constexpr int subgroupCount = 9;
    static constexpr int languageCount = 4;

    // A table word or phrase in German, English, French and Dutch (Edition::Language order).
    using Forms = std::array<std::string, languageCount>;

    explicit TextCatalogue(Edition edition = Edition{}) : edition_(edition) {}

    Edition edition() const { return edition_; }

    // Names in the edition's language; group 1…13, subgroup 1…9 (empty outside).
    const std::string& groupName(int group) const;
    const std::string& subgroupName(int group, int subgroup) const;
    // A subgroup name in any language (old project files name kinds in German, English or French).
    const std::string& subgroupName(int group, int subgroup, Edition::Language language) const;

    const std::string& text(model::GlobalText role) const;

    // The edition's texts of a window's block, in the block's order; nullptr when the caption
    // file has no block of that name.
    const std::vector<std::string>* windowBlock(std::string_view window) const;

    const std::vector<Forms>& vocabulary() const { return vocabulary_; }

    // The deciphered lines of the global text file, kept for the project file's translations.
    const std::vector<std::string>& globalFileLines() const { return globalFileLines_; }

    // Filling (the loader).
    void setGroupName(int group, std::string name) { groups_.at(index(group)) = std::move(name); }
    void setSubgroupName(int group, int subgroup, Edition::Language language, std::string name);
    void setText(int position, std::string text) { texts_.at(static_cast<std::size_t>(position)) = std::move(text); }
    void addWindowText(const std::string& window, std::string text) { blocks_[window].push_back(std::move(text)); }
    void addVocabulary(Forms forms) { vocabulary_.push_back(std::move(forms)); }
    void setGlobalFileLines(std::vector<std::string> lines) { globalFileLines_ = std::move(lines); }

private:
    static std::size_t index(int group) { return static_cast<std::size_t>(group - 1); }

    Edition edition_;
    std::array<std::string, groupCount> groups_;
    std::array<std::array<Forms, subgroupCount>, groupCount> subgroups_;
    std::array<std::string, model::globalTextCount> texts_;
    std::map<std::string, std::vector<std::string>, std::less<>> blocks_;
    std::vector<Forms> vocabulary_;
    std::vector<std::string> globalFileLines_;
};

}  // namespace velmora::lang
