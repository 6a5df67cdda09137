// The two files the installer reads of a user's machine, from arbitrary bytes: the distribution's kparam.dat
// (its language code) and the user-dirs.dirs that names the desktop folder.
#include <filesystem>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "install/core/kparam_reader.h"
#include "install/posix/xdg_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(data, size, 2);
    std::istringstream settings{std::string(parts[0])};
    installer::ReadLeadingFields(settings, 20);
    fuzz::LayDown("kparam.dat", parts[0]);
    installer::ReadLanguageCode("kparam.dat");

    std::filesystem::create_directory("config");
    fuzz::LayDown("config/user-dirs.dirs", parts[1]);
    const std::string config = (std::filesystem::current_path() / "config").string();
    const auto environment = [&config](const std::string& name) -> std::optional<std::string> {
        if (name == "XDG_CONFIG_HOME") return config;
        return std::nullopt;
    };
    installer::UserDesktopFolder(environment, "/home/fuzz");
    return 0;
}
