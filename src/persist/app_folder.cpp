#include "persist/app_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace welkin {

namespace {

std::filesystem::path from_env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value)
                                              : std::filesystem::path();
}

bool writable(const std::filesystem::path& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path executable_folder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

std::filesystem::path user_config_folder() {
    std::filesystem::path base = from_env("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::filesystem::path home = from_env("HOME");
        base = home.empty() ? std::filesystem::temp_directory_path() : home / ".config";
    }
    std::filesystem::path folder = base / "welkin";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

}  // namespace

std::filesystem::path app_folder() {
    if (std::filesystem::path home = from_env("WELKIN_HOME"); !home.empty()) return home;
    if (std::filesystem::path exe = executable_folder(); writable(exe)) return exe;
    return user_config_folder();
}

std::filesystem::path settings_path() {
    return app_folder() / settings_file_name;
}

}  // namespace welkin
