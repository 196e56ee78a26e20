#include "cli/safe_write.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vcalc {

namespace {

namespace fs = std::filesystem;

constexpr int kMostLinkHops = 40; // as the kernel's own limit

WriteResult Failed(std::string_view what, int error) {
    return {false, std::string(what) + ": " + std::strerror(error)};
}

// Closes the descriptor when it goes out of scope, unless Close was called.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }
    bool Close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

  private:
    int descriptor_;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(descriptor, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Where a chain of symbolic links ends; that file need not exist yet.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// A new file beside the target that becomes the target by a rename: a reader sees
// the old contents or the new, never a part.
WriteResult ReplaceByRename(const fs::path& target, const struct stat* old, std::string_view bytes) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return {false, "its folder is not writable"};
        return Failed("cannot create a file in its folder", errno);
    }
    bool ok;
    if (old != nullptr) {
        // Owner where allowed (root, or a group the user belongs to), then the mode,
        // since a change of owner clears the set-id bits.
        [[maybe_unused]] const bool ownerKept =
            ::fchown(file.get(), old->st_uid, old->st_gid) == 0 ||
            ::fchown(file.get(), static_cast<uid_t>(-1), old->st_gid) == 0;
        ok = ::fchmod(file.get(), old->st_mode & 07777) == 0;
    } else {
        ok = ::fchmod(file.get(), 0666 & ~CurrentUmask()) == 0;
    }
    ok = ok && WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    ok = file.Close() && ok;
    if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failed("cannot write", error);
    }
    // The rename itself reaches the disk with the folder.
    Descriptor folderDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderDescriptor.get() >= 0)
        ::fsync(folderDescriptor.get());
    return {true, {}};
}

// A rename would give one name a new inode and leave the other names with the old
// text, so the existing inode is overwritten once the whole text is at hand.
WriteResult WriteThroughInode(const fs::path& target, std::string_view bytes) {
    Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.get() < 0)
        return Failed("cannot open", errno);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        const int claimed = ::posix_fallocate(file.get(), 0, size);
        if (claimed != 0 && claimed != EOPNOTSUPP && claimed != EINVAL)
            return Failed("no room for the new text", claimed);
    }
    const bool ok =
        WriteAll(file.get(), bytes) && ::ftruncate(file.get(), size) == 0 && ::fsync(file.get()) == 0;
    if (!file.Close() || !ok)
        return Failed("cannot write", errno);
    return {true, {}};
}

WriteResult WriteDirectly(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.get() < 0)
        return Failed("cannot open", errno);
    if (!WriteAll(file.get(), bytes) || !file.Close())
        return Failed("cannot write", errno);
    return {true, {}};
}

} // namespace

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode))
            return {false, "it is a folder"};
        return WriteDirectly(path, bytes); // a device or a pipe, such as /dev/stdout
    }
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target)
        return Failed("cannot follow its symbolic links", ELOOP);
    struct stat old {};
    if (::stat(target->c_str(), &old) != 0)
        return ReplaceByRename(*target, nullptr, bytes);
    if (::access(target->c_str(), W_OK) != 0)
        return Failed("cannot write", errno);
    if (old.st_nlink > 1)
        return WriteThroughInode(*target, bytes);
    return ReplaceByRename(*target, &old, bytes);
}

} // namespace vcalc
