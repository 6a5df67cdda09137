#include "install/posix/desktop_entry.h"

#include "install/core/install_plan.h"
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
    // A second installation's launchers carry a number after the ID.
    const bool uninstall = Utf8(link.LinkName.stem()).rfind(kUninstallLauncherId, 0) == 0;

    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    if (uninstall) {
        text += "Name=Uninstall Tervalo\n";
        text += "Name[de]=Tervalo entfernen\n";
        text += "Comment=Remove Tervalo and its launchers; your own settings and projects stay\n";
        text += "Comment[de]=Tervalo und seine Starter entfernen; Ihre Einstellungen und Projekte bleiben\n";
    } else {
        text += "Name=Tervalo\n";
        text += "GenericName=Heat Pump Comparison\n";
        text += "GenericName[de]=Wärmepumpen-Vergleich\n";
        text +=
            "Comment=Compare a heat pump with the existing boiler heating: energy, cost and CO2 per year\n";
        text +=
            "Comment[de]=Wärmepumpe und vorhandene Kesselheizung vergleichen: Energie, Kosten und CO2 im "
            "Jahr\n";
        text += "Keywords=heat pump;boiler;heating;COP;energy;cost;CO2;refrigeration;\n";
        text += "Keywords[de]=Wärmepumpe;Heizkessel;Heizung;Leistungszahl;Energie;Kosten;CO2;Kältetechnik;\n";
        text += "StartupNotify=true\n";
        text += "StartupWMClass=" + EscapeDesktopValue(Utf8(link.Datei.filename())) + "\n";
    }
    text += "Exec=" + EscapeDesktopValue(exec) + "\n";
    if (!link.WorkingDir.empty()) text += "Path=" + EscapeDesktopValue(Utf8(link.WorkingDir)) + "\n";
    const std::filesystem::path icon = !link.IconPath.empty() && link.IconNumber > 0
                                           ? link.IconPath
                                           : link.Datei.parent_path() / PathFromUtf8(kIconFileName);
    text += "Icon=" + EscapeDesktopValue(Utf8(icon)) + "\n";
    text += "Terminal=false\n";
    text += "Categories=Science;Engineering;\n";
    return text;
}

}  // namespace installer
