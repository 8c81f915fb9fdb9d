#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::workflow {

// The recently used projects, most recent first, as the File menu lists them.
class RecentProjects {
public:
    static constexpr int capacity = 20;     // paths remembered
    static constexpr int defaultShown = 6;  // paths listed in the File menu
    static constexpr int missingShown = 4;  // a stored list without a usable maximum

    // Puts a project at the top: the path is made absolute and normal; it is taken only when it
    // names an existing file, an equal entry is removed first, and the oldest beyond 20 drop out.
    // The case of the path is kept (file names differ by case on this system).
    void add(const std::filesystem::path& path);
    void clear() { paths_.clear(); }

    const std::vector<std::string>& paths() const { return paths_; }

    int maxShown() const { return maxShown_; }
    void setMaxShown(int count) { maxShown_ = count; }
    // The stored display-form value; kept and written back as it was.
    int pathFormat() const { return pathFormat_; }
    void setPathFormat(int format) { pathFormat_ = format; }

    struct MenuItem {
        std::string caption;  // "&0 project.vla"
        std::string path;

        friend bool operator==(const MenuItem&, const MenuItem&) = default;
    };
    // The first maxShown() paths as File menu items: "&", the index from 0, a blank and the
    // display form of the path.
    std::vector<MenuItem> menuItems(const std::filesystem::path& currentFolder) const;
    // The path of a menu caption, if it is one of the items.
    std::optional<std::string> pathOfCaption(std::string_view caption, const std::filesystem::path& currentFolder) const;

    // The file name alone for a file in `currentFolder`, else the full path.
    static std::string displayForm(const std::string& path, const std::filesystem::path& currentFolder);

private:
    std::vector<std::string> paths_;
    int maxShown_ = defaultShown;
    int pathFormat_ = 0;
};

}  // namespace velmora::workflow
