#include "install/core/install_plan.h"

#include <algorithm>
#include <system_error>

#include "install/core/path_text.h"

namespace installer {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsOrdinaryFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error);
}

}  // namespace

std::string ProgramTitle() {
    return std::string(kProgramName) + std::string(kProgramVersion);
}

std::string LinkFileName() {
    return ProgramTitle() + ".LNK";
}

std::string WindowCaption() {
    return std::string(kProgramName) + " - Install";
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    // Greedy matching with one backtrack point: the last "*" seen.
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || LowerAscii(mask[m]) == LowerAscii(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

bool NameLessNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return static_cast<unsigned char>(LowerAscii(c)); };
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [&](char x, char y) { return lower(x) < lower(y); });
    if (less || greater) return less;
    return a < b;
}

std::vector<std::filesystem::path> MatchingFiles(
    const std::filesystem::path& folder, std::string_view mask,
    const std::function<bool(const std::filesystem::path&)>& alsoTake) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!IsOrdinaryFile(*it)) continue;
        const std::string name = Utf8(it->path().filename());
        if (MatchesMask(name, mask) || (alsoTake && alsoTake(it->path())))
            files.push_back(it->path().filename());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return NameLessNoCase(Utf8(a), Utf8(b)); });
    return files;
}

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name) {
    // The folder is read even when the name is found as it is: a system that ignores case finds a file under
    // any spelling, and the stored one is wanted.
    std::error_code error;
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = Utf8(it->path().filename());
        if (!IsOrdinaryFile(*it) || candidate.size() != name.size()) continue;
        if (!std::equal(candidate.begin(), candidate.end(), name.begin(),
                        [](char a, char b) { return LowerAscii(a) == LowerAscii(b); }))
            continue;
        if (candidate == name) return it->path();
        if (!found || NameLessNoCase(candidate, Utf8(found->filename()))) found = it->path();
    }
    return found;
}

std::string NameWithoutExtension(std::string_view name) {
    if (name.size() >= 4 && name[name.size() - 4] == '.') return std::string(name.substr(0, name.size() - 4));
    return std::string(name);
}

}  // namespace installer
