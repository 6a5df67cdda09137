#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Texts of the installer are UTF-8; paths convert at this one boundary.
namespace installer {

std::string Utf8(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace installer
