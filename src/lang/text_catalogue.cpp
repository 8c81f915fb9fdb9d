#include "lang/text_catalogue.h"

namespace velmora::lang {

namespace {
const std::string empty;
bool inRange(int value, int count) { return value >= 1 && value <= count; }
}  // namespace

const std::string& TextCatalogue::groupName(int group) const {
    return inRange(group, groupCount) ? groups_[index(group)] : empty;
}

const std::string& TextCatalogue::subgroupName(int group, int subgroup) const {
    return subgroupName(group, subgroup, edition_.language());
}

const std::string& TextCatalogue::subgroupName(int group, int subgroup, Edition::Language language) const {
    if (!inRange(group, groupCount) || !inRange(subgroup, subgroupCount)) return empty;
    return subgroups_[index(group)][index(subgroup)][static_cast<std::size_t>(language)];
}

void TextCatalogue::setSubgroupName(int group, int subgroup, Edition::Language language, std::string name) {
    subgroups_.at(index(group)).at(index(subgroup)).at(static_cast<std::size_t>(language)) = std::move(name);
}

const std::string& TextCatalogue::text(model::GlobalText role) const {
    const auto position = static_cast<std::size_t>(role);
    return position < texts_.size() ? texts_[position] : empty;
}

const std::vector<std::string>* TextCatalogue::windowBlock(std::string_view window) const {
    auto it = blocks_.find(window);
    return it == blocks_.end() ? nullptr : &it->second;
}

}  // namespace velmora::lang
