#include "install/posix/desktop_entry.h"

#include "install/core/path_text.h"

namespace installer {

std::string EscapeDesktopValue(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\t':
                escaped += "\\t";
                break;
            default:
                escaped += c;
        }
    }
    // A leading blank would be taken as part of the separator around "=".
    if (!escaped.empty() && escaped.front() == ' ') escaped.replace(0, 1, "\\s");
    return escaped;
}

std::string QuoteExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        // A lone "%" would start a field code.
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

std::string DesktopEntryText(const ShortcutRecord& link) {
    std::string exec = QuoteExecArgument(Utf8(link.Datei));
    if (!link.Parameter.empty()) {
        std::string parameter;
        for (char c : link.Parameter) parameter += (c == '%') ? std::string("%%") : std::string(1, c);
        exec += " " + parameter;
    }

    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=" + EscapeDesktopValue(Utf8(link.LinkName.stem())) + "\n";
    if (!link.Comment.empty()) text += "Comment=" + EscapeDesktopValue(link.Comment) + "\n";
    text += "Exec=" + EscapeDesktopValue(exec) + "\n";
    if (!link.WorkingDir.empty()) text += "Path=" + EscapeDesktopValue(Utf8(link.WorkingDir)) + "\n";
    if (!link.IconPath.empty() && link.IconNumber > 0)
        text += "Icon=" + EscapeDesktopValue(Utf8(link.IconPath)) + "\n";
    text += "Terminal=false\n";
    return text;
}

}  // namespace installer
