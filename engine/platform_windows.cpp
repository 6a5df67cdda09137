#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <cstdlib>

#include "engine/platform.h"

namespace tervalo {

namespace {

// Closes a file handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Opens `path` for writing, creating it when missing, shared with nobody but a rename: the open handle is the
// sign of a live writer, and the system closes it when the writer dies. A writer busy with the file is waited
// for.
HANDLE OpenExclusive(const std::filesystem::path& path) {
    for (int attempt = 0; attempt < static_cast<int>(kWriterWait / std::chrono::milliseconds(10));
         ++attempt) {
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_SHARING_VIOLATION) return file;
        ::Sleep(10);
    }
    return INVALID_HANDLE_VALUE;
}

std::string Utf8(const wchar_t* text) {
    const int wide = static_cast<int>(::wcslen(text));
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, wide, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring Wide(const std::string& utf8) {
    const int narrow = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), narrow, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), narrow, wide.data(), length);
    return wide;
}

}  // namespace

// The read-only attribute and the access rights both count: _waccess reads the attribute only, so the file is
// also opened for writing (a folder for adding files) and closed again untouched.
bool IsWritable(const std::filesystem::path& path) {
    if (::_waccess(path.c_str(), 2) != 0) return false;
    std::error_code error;
    const bool folder = std::filesystem::is_directory(path, error);
    const Handle opened(::CreateFileW(path.c_str(), folder ? FILE_ADD_FILE : FILE_WRITE_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
    return opened.valid();
}

bool WriteAndRenameOver(const std::filesystem::path& temporary, const std::filesystem::path& target,
                        std::string_view bytes, std::optional<std::filesystem::perms> mode) {
    Handle file(OpenExclusive(temporary));
    if (!file.valid()) return false;
    // A file taken over from a writer that died still holds its bytes.
    bool written =
        ::SetEndOfFile(file.get()) && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
    // Windows keeps one permission of its own: a file without write permission is read-only.
    if (written && mode && (*mode & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        written = ::SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_READONLY);
    // The rename happens while the handle is open, so a waiting writer never takes the file being put in
    // place; unlike the C library's rename, it replaces an existing target.
    const bool renamed = written && ::MoveFileExW(temporary.c_str(), target.c_str(),
                                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!renamed) {
        FILE_DISPOSITION_INFO remove{TRUE};
        ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &remove, sizeof remove);
    }
    return renamed;
}

bool TemporaryInUse(const std::filesystem::path& temporary) {
    Handle file(::CreateFileW(temporary.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file.valid() && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

void RemoveAbandonedTemporary(const std::filesystem::path& temporary) {
    // Opened by nobody else, the file is removed when this handle closes; a live writer's handle refuses it.
    Handle file(::CreateFileW(temporary.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE,
                              nullptr));
}

std::filesystem::path StoredSpelling(const std::filesystem::path& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return path;
    ::FindClose(search);
    return path.has_parent_path() ? path.parent_path() / found.cFileName
                                  : std::filesystem::path(found.cFileName);
}

std::optional<std::vector<std::filesystem::path>> DirectoryEntriesWhere(
    const std::filesystem::path& directory, const std::function<bool(std::string_view name)>& accept) {
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    if (error) return std::nullopt;
    std::vector<std::filesystem::path> taken;
    for (const auto& entry : entries)
        if (accept(entry.path().filename().string())) taken.push_back(entry.path().filename());
    return taken;
}

std::optional<std::filesystem::path> DriveRoot(std::string_view directory) {
    const bool letter = !directory.empty() && ((directory[0] >= 'A' && directory[0] <= 'Z') ||
                                               (directory[0] >= 'a' && directory[0] <= 'z'));
    if (!letter || directory.size() < 2 || directory[1] != ':') return std::nullopt;
    if (directory.size() > 3 || (directory.size() == 3 && directory[2] != '\\' && directory[2] != '/'))
        return std::nullopt;
    return std::filesystem::path(std::string{directory[0], ':', '\\'});
}

std::optional<std::filesystem::path> RunningProgramFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::nullopt;
        if (length < name.size()) return std::filesystem::path(name.substr(0, length));
        name.resize(name.size() * 2);
    }
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const wchar_t* value = ::_wgetenv(Wide(name).c_str());
    if (value == nullptr) return std::nullopt;
    return Utf8(value);
}

std::filesystem::path UserDataHome(
    const std::function<std::optional<std::string>(const std::string& name)>& variable) {
    const auto appData = variable("APPDATA");
    if (!appData) return {};
    const std::filesystem::path folder(Wide(*appData));
    return folder.is_absolute() ? folder : std::filesystem::path();
}

// Users make no links without a privilege, and the folders of a user's profile are guarded by access lists
// that admit that user alone: the owner's name is no safeguard there.
bool OwnedByUser(const std::filesystem::path&) {
    return true;
}

bool IsPrivateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

bool UsersMakeSymbolicLinks() {
    return false;
}

Utf8Console::Utf8Console() {
    const UINT previous = ::GetConsoleOutputCP();  // 0 without a console
    if (previous != 0 && previous != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) previousCodePage_ = previous;
}

Utf8Console::~Utf8Console() {
    if (previousCodePage_ != 0) ::SetConsoleOutputCP(previousCodePage_);
}

}  // namespace tervalo
