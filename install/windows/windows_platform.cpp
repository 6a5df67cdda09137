#include "install/windows/windows_platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first: the shell headers rely on its types.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "install/core/install_plan.h"

namespace installer {

namespace {

std::wstring WideFromCodePage(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string CodePageFromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                           0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

std::string Utf8FromAnsi(const std::string& ansi) {
    return CodePageFromWide(CP_UTF8, WideFromCodePage(CP_ACP, ansi));
}

std::string AnsiFromPath(const std::filesystem::path& path) {
    return CodePageFromWide(CP_ACP, path.wstring());
}

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComReference {
  public:
    ComReference() = default;
    ~ComReference() {
        if (pointer_ != nullptr) pointer_->Release();
    }
    ComReference(const ComReference&) = delete;
    ComReference& operator=(const ComReference&) = delete;

    Interface* operator->() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

  private:
    Interface* pointer_ = nullptr;
};

}  // namespace

WindowsPlatform::WindowsPlatform() {
    // S_FALSE (already initialised on this thread) must be balanced as well.
    comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

WindowsPlatform::~WindowsPlatform() {
    if (comInitialised_) CoUninitialize();
}

bool WindowsPlatform::IsUserAnAdmin() {
    return ::IsUserAnAdmin() != FALSE;
}

MemoryStatus WindowsPlatform::QueryMemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return {};
    return {status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile, status.ullAvailPageFile};
}

unsigned WindowsPlatform::ProcessorCount() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
}

std::optional<std::string> WindowsPlatform::UserName() {
    char buffer[256] = {};
    DWORD length = sizeof buffer;
    if (!GetUserNameA(buffer, &length)) return std::nullopt;
    return Utf8FromAnsi(std::string(buffer, strnlen(buffer, sizeof buffer)));
}

std::string WindowsPlatform::ComputerName() {
    const char* name = std::getenv("ComputerName");
    return name == nullptr ? std::string() : Utf8FromAnsi(name);
}

std::filesystem::path WindowsPlatform::SpecialFolder(int csidl) {
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr) return {};
    char buffer[512] = {};
    const BOOL converted = SHGetPathFromIDListA(items, buffer);
    CoTaskMemFree(items);
    if (!converted) return {};
    return std::filesystem::path(
        WideFromCodePage(CP_ACP, std::string(buffer, strnlen(buffer, sizeof buffer))));
}

bool WindowsPlatform::CreateLink(const ShortcutRecord& link) {
    ComReference<IShellLinkA> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                shellLink.Out())))
        return false;
    shellLink->SetPath(AnsiFromPath(link.Datei).c_str());
    if (!link.Parameter.empty())
        shellLink->SetArguments(CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, link.Parameter)).c_str());
    if (!link.Comment.empty())
        shellLink->SetDescription(CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, link.Comment)).c_str());
    if (!link.WorkingDir.empty()) shellLink->SetWorkingDirectory(AnsiFromPath(link.WorkingDir).c_str());
    if (!link.IconPath.empty() && link.IconNumber > 0)
        shellLink->SetIconLocation(AnsiFromPath(link.IconPath).c_str(), link.IconNumber);

    ComReference<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Out()))) return false;
    // FALSE: the saved file does not become the object's current file.
    return SUCCEEDED(file->Save(link.LinkName.wstring().c_str(), FALSE));
}

bool WindowsPlatform::ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path temporary =
        file.parent_path() / (L"." + file.filename().wstring() + L".part");
    const HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    bool written = bytes.size() <= MAXDWORD &&
                   WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                   done == bytes.size();
    // The file's bytes reach the disk before its name does; the move is written through as well.
    written = FlushFileBuffers(handle) && written;
    written = CloseHandle(handle) && written;
    if (!written ||
        !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::string WindowsPlatform::ShortcutFileName(std::string_view linkFileName) {
    return std::string(linkFileName);
}

std::optional<bool> WindowsPlatform::IsReadOnly(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void WindowsPlatform::ClearReadOnlyAttribute(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    const DWORD cleared = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(file.c_str(), cleared == 0 ? FILE_ATTRIBUTE_NORMAL : cleared);
}

std::string WindowsPlatform::ProgramFileName() {
    return std::string(kProgramName) + ".EXE";
}

std::string WindowsPlatform::InstallerFileName() {
    return "install.exe";
}

bool WindowsPlatform::IsProgramFile(const std::filesystem::path&) {
    return false;
}

std::filesystem::path WindowsPlatform::DefaultTargetDirectory() {
    return std::filesystem::path("c:\\") / std::string(kProgramName);
}

bool WindowsPlatform::StartProgram(const std::filesystem::path& program,
                                   const std::filesystem::path& workingDirectory) {
    SetCurrentDirectoryW(workingDirectory.c_str());
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace installer
