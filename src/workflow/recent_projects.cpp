#include "workflow/recent_projects.h"

#include <algorithm>

namespace velmora::workflow {

namespace {

std::filesystem::path fullPath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

// A folder without a trailing separator, so that it compares equal to a file's parent path.
std::filesystem::path folderPath(const std::filesystem::path& folder) {
    std::filesystem::path full = fullPath(folder);
    if (!full.has_filename() && full.has_parent_path() && full != full.root_path()) full = full.parent_path();
    return full;
}

}  // namespace

void RecentProjects::add(const std::filesystem::path& path) {
    if (path.empty()) return;
    const std::string full = fullPath(path).string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(full, ec)) return;
    std::erase(paths_, full);
    paths_.insert(paths_.begin(), full);
    if (paths_.size() > static_cast<std::size_t>(capacity)) paths_.resize(capacity);
}

std::string RecentProjects::displayForm(const std::string& path, const std::filesystem::path& currentFolder) {
    const std::filesystem::path file(path);
    const bool inCurrentFolder = file.parent_path().lexically_normal() == folderPath(currentFolder);
    return inCurrentFolder ? file.filename().string() : path;
}

std::vector<RecentProjects::MenuItem> RecentProjects::menuItems(const std::filesystem::path& currentFolder) const {
    std::vector<MenuItem> items;
    const std::size_t shown = std::min(paths_.size(), static_cast<std::size_t>(std::max(maxShown_, 0)));
    for (std::size_t i = 0; i < shown; ++i)
        items.push_back({"&" + std::to_string(i) + " " + displayForm(paths_[i], currentFolder), paths_[i]});
    return items;
}

std::optional<std::string> RecentProjects::pathOfCaption(std::string_view caption,
                                                         const std::filesystem::path& currentFolder) const {
    for (const MenuItem& item : menuItems(currentFolder))
        if (item.caption == caption) return item.path;
    return std::nullopt;
}

}  // namespace velmora::workflow
