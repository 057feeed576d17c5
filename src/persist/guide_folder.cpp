#include "persist/guide_folder.h"

#include <system_error>

namespace welkin {

std::filesystem::path guide_folder_for(const std::filesystem::path& executable_folder) {
    return (executable_folder / ".." / "share" / "welkin" / "guide").lexically_normal();
}

std::filesystem::path guide_folder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return guide_folder_for(ec ? std::filesystem::current_path(ec) : exe.parent_path());
}

}  // namespace welkin
