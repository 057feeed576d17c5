// Holds the process's file size limit at a few bytes for the lifetime of the
// scope, so that writes fail part way as on a full disk, even for root.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace welkin {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        // Past the limit a write fails with EFBIG instead of ending the process.
        saved_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, saved_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*saved_handler_)(int) = SIG_DFL;
};

}  // namespace welkin
