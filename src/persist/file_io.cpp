#include "persist/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace welkin {

namespace {

namespace fs = std::filesystem;

std::string reason(int error) {
    return std::strerror(error);
}

// Closes the descriptor however the scope is left.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error a late write failure shows up as.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// errno after the first failed write, or 0.
int write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The file a path finally names: symbolic links followed, even to a target
// that does not exist yet.
fs::path final_target(const fs::path& path) {
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.lexically_normal();
}

Result<std::string> write_in_place(const std::string& path, std::string_view bytes) {
    // Non-blocking, so that a FIFO nobody reads is refused rather than waited on.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return Result<std::string>::failure(reason(errno));
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (const int error = write_all(fd.get(), bytes); error != 0) {
        return Result<std::string>::failure(reason(error));
    }
    if (fd.close() != 0) return Result<std::string>::failure(reason(errno));
    return path;
}

// What a new file gets: the old file's permissions, or the usual ones.
mode_t mode_for(const struct stat* old) {
    if (old != nullptr) return old->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

Result<std::string> write_beside(const fs::path& target, std::string_view bytes,
                                 const struct stat* old) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) return Result<std::string>::failure(reason(errno));
    const std::string temporary(name.data());
    int error = write_all(fd.get(), bytes);
    if (error == 0 && ::fchmod(fd.get(), mode_for(old)) != 0) error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (fd.close() != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Result<std::string>::failure(reason(error));
    }
    return target.string();
}

// Where a write to `path` lands: links followed, made absolute, with the
// folders that exist resolved.
fs::path landing_place(const std::string& path) {
    std::error_code ec;
    fs::path target = fs::absolute(final_target(path), ec);
    if (ec) return fs::path(path).lexically_normal();
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target.lexically_normal() : resolved;
}

}  // namespace

Result<std::string> read_small_file(const std::string& path, std::size_t limit) {
    if (path.empty()) return Result<std::string>::failure("no file name");
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Result<std::string>::failure(reason(errno));
    if (!S_ISREG(st.st_mode)) return Result<std::string>::failure("not a regular file");
    if (static_cast<std::size_t>(st.st_size) > limit) {
        return Result<std::string>::failure("too large");
    }
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return Result<std::string>::failure(reason(errno));
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Result<std::string>::failure(reason(errno));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        // The file may have grown since it was measured.
        if (bytes.size() > limit) return Result<std::string>::failure("too large");
    }
    return bytes;
}

bool exists_but_unreadable(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::exists(fs::symlink_status(path, ec))) return false;
    return !read_small_file(path).ok();
}

std::optional<std::string> read_file(const std::string& path) {
    Result<std::string> bytes = read_small_file(path);
    if (!bytes) return std::nullopt;
    return *bytes;
}

Result<std::string> write_file_atomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return Result<std::string>::failure("no file name");
    const fs::path target = final_target(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Result<std::string>::failure(reason(EISDIR));
        if (!S_ISREG(st.st_mode)) return write_in_place(target.string(), bytes);
        return write_beside(target, bytes, &st);
    }
    return write_beside(target, bytes, nullptr);
}

bool names_one_file(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    // Hard links are one file under two names.
    if (fs::equivalent(a, b, ec) && !ec) return true;
    return landing_place(a) == landing_place(b);
}

}  // namespace welkin
