#include "picture_render.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <ostream>
#include <vector>

extern char** environ;

namespace velmora::cli {

namespace {

// A temporary file that is removed again.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& suffix) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-curve-XXXXXX").string() + suffix;
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
        if (fd >= 0) {
            close(fd);
            path_ = name.data();
        }
    }
    ~TemporaryFile() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove(path_, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace

std::filesystem::path renderHelper(const std::filesystem::path& programFolder) {
    return programFolder / "velmora-render";
}

bool renderPicture(const std::string& svg, const std::filesystem::path& output,
                   const std::filesystem::path& programFolder, std::ostream& err) {
    const std::filesystem::path helper = renderHelper(programFolder);
    if (access(helper.c_str(), X_OK) != 0) {
        err << "error: PNG and PDF pictures need " << helper.string()
            << " (built with the desktop program); --svg works without it\n";
        return false;
    }
    TemporaryFile input(".svg");
    if (input.path().empty()) {
        err << "error: no temporary file for the picture\n";
        return false;
    }
    {
        std::ofstream file(input.path(), std::ios::binary);
        file << svg;
        if (!file.flush()) {
            err << "error: the temporary picture " << input.path().string() << " cannot be written\n";
            return false;
        }
    }
    const std::string helperPath = helper.string(), in = input.path().string(), out = output.string();
    std::vector<char*> argv{const_cast<char*>(helperPath.c_str()), const_cast<char*>(in.c_str()),
                            const_cast<char*>(out.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, helperPath.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        err << "error: " << helperPath << " cannot be started\n";
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        err << "error: the picture " << out << " was not written\n";
        return false;
    }
    return true;
}

}  // namespace velmora::cli
