// The Windows programs' resources as Windows reads them: the version information carries the project's
// version, the manifest declares what the programs rely on, and the icon is there for Explorer and the
// windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tervalo_version.h"

namespace {

const std::wstring kFolder = L"" TERVALO_DIST_DIR;

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// The string of the version information's English block, empty when missing.
std::wstring VersionString(const std::wstring& file, const wchar_t* name) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return {};
    std::string block(size, '\0');
    if (!::GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return {};
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return {};
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

// The fixed file version as "major.minor.build.revision".
std::string FixedVersion(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &ignored);
    std::string block(size, '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !::GetFileVersionInfoW(file.c_str(), 0, size, block.data()) ||
        !::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length))
        return {};
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionLS));
}

struct Resources {
    std::string manifest;
    bool icon = false;
};

Resources ReadResources(const std::wstring& file) {
    Resources resources;
    const HMODULE module =
        ::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return resources;
    if (const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const HGLOBAL loaded = ::LoadResource(module, found);
        resources.manifest.assign(static_cast<const char*>(::LockResource(loaded)),
                                  ::SizeofResource(module, found));
    }
    resources.icon = ::FindResourceW(module, L"IDI_ICON1", MAKEINTRESOURCEW(14)) != nullptr;  // RT_GROUP_ICON
    ::FreeLibrary(module);
    return resources;
}

TEST(WindowsResourcesTest, EveryProgramCarriesTheVersionTheIconAndItsManifest) {
    const std::string version = TERVALO_VERSION;
    const std::string fixed = version + ".0.0";
    struct Program {
        const wchar_t* file;
        bool utf8CodePage;
    };
    for (const Program& program : {Program{L"tervalo.exe", true}, Program{L"install.exe", true},
                                   Program{L"tervalo-calc.exe", false}}) {
        const std::wstring file = kFolder + L"/" + program.file;
        SCOPED_TRACE(std::string(file.begin(), file.end()));
        EXPECT_EQ(FixedVersion(file), fixed);
        EXPECT_EQ(VersionString(file, L"ProductVersion"), Wide(version));
        EXPECT_EQ(VersionString(file, L"FileVersion"), Wide(version));
        EXPECT_EQ(VersionString(file, L"OriginalFilename"), program.file);
        EXPECT_EQ(VersionString(file, L"ProductName"), L"Tervalo");
        EXPECT_FALSE(VersionString(file, L"FileDescription").empty());

        const Resources resources = ReadResources(file);
        EXPECT_TRUE(resources.icon);
        const std::string& manifest = resources.manifest;
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos)
            << "no elevation, no virtualisation";
        EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor<"), std::string::npos);
        EXPECT_NE(manifest.find(">true/pm<"), std::string::npos) << "per monitor before Windows 10 too";
        EXPECT_NE(manifest.find("<longPathAware"), std::string::npos);
        EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
        EXPECT_NE(manifest.find("version=\"" + fixed + "\""), std::string::npos);
        EXPECT_EQ(manifest.find(">UTF-8</activeCodePage>") != std::string::npos, program.utf8CodePage);
    }
}

}  // namespace
