#include "sheet/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

namespace kestrava {
namespace {

namespace fs = std::filesystem;

// Linux gives up on longer symlink chains with ELOOP; so do we.
constexpr int kMaxLinkHops = 40;
// The permissions a new file gets before the process's umask.
constexpr mode_t kNewFileMode = 0666;

// Closes a descriptor when it goes out of scope unless it was closed explicitly.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

  private:
    int fd_;
};

// The file a symlink chain ends at (the path itself when it is no link); the end may not exist.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// umask() can only be read by changing it, which would race with other threads.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

FileReplaced Failed(std::string_view action, int error) {
    return Fail(FileReplaceFailure{action, error});
}

FileReplaced WriteSpecialFile(const fs::path& file, const FileContentsWriter& write) {
    Descriptor fd(open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.Get() < 0) return Failed("create", errno);
    errno = 0;
    if (!write(fd.Get(), file)) return Failed("write", errno);
    if (!fd.Close()) return Failed("write", errno);
    return {};
}

// A rename is durable only once the folder that holds the new entry is on disk too.
FileReplaced FlushFolder(const fs::path& folder) {
    Descriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) return Failed("flush", errno);
    // Some file systems cannot flush a folder at all; that is no failure of this save.
    if (fsync(fd.Get()) != 0 && errno != EINVAL) return Failed("flush", errno);
    return {};
}

FileReplaced WriteThroughTemporary(const fs::path& file, const struct stat* existing,
                                   const FileContentsWriter& write) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::string name = (folder / ".kestrava-XXXXXX").string();
    Descriptor fd(mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0) return Failed("create", errno);
    const fs::path temporary = name;
    const auto discard = [&temporary](std::string_view action, int error) {
        unlink(temporary.c_str());
        return Failed(action, error);
    };

    const mode_t mode =
        existing ? existing->st_mode & 07777 : kNewFileMode & ~CurrentUmask() & 07777;
    if (fchmod(fd.Get(), mode) != 0) return discard("create", errno);
    errno = 0;
    if (!write(fd.Get(), temporary)) return discard("write", errno);
    if (fsync(fd.Get()) != 0) return discard("flush", errno);
    if (!fd.Close()) return discard("write", errno);
    if (rename(temporary.c_str(), file.c_str()) != 0) return discard("replace", errno);
    return FlushFolder(folder);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

FileReplaced ReplaceFile(const fs::path& target, const FileContentsWriter& write) {
    const std::optional<fs::path> file = FollowLinks(target);
    if (!file) return Failed("create", errno);
    struct stat existing {};
    if (stat(file->c_str(), &existing) != 0) {
        if (errno != ENOENT) return Failed("create", errno);
        return WriteThroughTemporary(*file, nullptr, write);
    }
    if (S_ISDIR(existing.st_mode)) return Failed("create", EISDIR);
    if (!S_ISREG(existing.st_mode)) return WriteSpecialFile(*file, write);
    return WriteThroughTemporary(*file, &existing, write);
}

FileReplaced ReplaceFileBytes(const fs::path& target, std::string_view bytes) {
    return ReplaceFile(target, [bytes](int fd, const fs::path&) { return WriteAll(fd, bytes); });
}

std::string DescribeFileFailure(const FileReplaceFailure& failure, std::string_view what,
                                const fs::path& path) {
    std::string message = "Cannot ";
    message.append(failure.action).append(" ").append(what).append(" \"");
    message.append(path.string()).append("\"");
    if (failure.error != 0) message.append(": ").append(std::strerror(failure.error));
    return message;
}

}  // namespace kestrava
