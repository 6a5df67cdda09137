#include "install/core/installer_texts.h"

#include <array>

#include "install/core/install_plan.h"

namespace installer {

namespace {

std::string JoinParagraphs(const std::array<std::string, 5>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += parts[i];
        if (i + 1 < parts.size()) text += std::string(kLineBreak) + std::string(kLineBreak);
    }
    return text;
}

std::string Upper(std::string_view code) {
    std::string upper(code);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

}  // namespace

InstallerTexts TextsFor(std::string_view code, std::string_view targetDirectory,
                        std::string_view programFile) {
    const std::string name(kProgramName);
    const std::string target(targetDirectory);
    const std::string executable = std::string(programFile) + " . ";
    const std::string lb(kLineBreak);

    InstallerTexts texts;
    texts.startCaption = "Start " + name;
    texts.title = ProgramTitle();
    if (code == "GER") {
        texts.next = "Weiter >";
        texts.cancel = "Abbrechen";
        texts.browse = "Durchsuchen";
        texts.prompt = name + " installieren in :";
        texts.finalMessage =
            name + " Vollversion im Pfad " + target + " installiert. Ausführbare Datei ist " + executable;
        texts.information = JoinParagraphs({
            "Installation der " + name + " Software. ",
            "Das SETUP installiert eigenständig alle notwendigen Dateien in ein Verzeichnis, in dem sich "
            "auch alle "
            "ausführbaren Dateien befinden.",
            "Sämtliche Bibliotheken, wie .DLL und .VBX - Dateien, befinden sich in diesem Verzeichnis. ",
            "Damit werden Konflikte mit anderen Windows Anwendungen vermieden. ",
            "Sollten Sie " + name +
                " von Ihrem Rechner entfernen wollen, löschen Sie einfach dieses Verzeichnis.",
        });
    } else if (code == "FRA") {
        texts.next = "Continue >";
        texts.cancel = "Quitter";
        texts.browse = "Chercher";
        texts.prompt = "Installe Kelvara a répertoire :";
        texts.finalMessage = "Version complet de Kelvara installer a répertoire :" + lb + lb + "   " +
                             target + "." + lb + lb + "Le menu principal se trouve dans le repertoire sous " +
                             executable;
        texts.information = JoinParagraphs({
            "Installation du logiciel Kelvara. ",
            "Le SETUP installe automatiquement tous les fichiers nécessaires dans un répertoire, dans lequel "
            "tous les "
            "fichiers exécutables sont situés.",
            "Toutes les bibilothèques, comme les fichiers .DLL et .VBX, sont aussi situés dans ce "
            "répertoire. ",
            " C’est pourquoi les conflits avec d’autres applications Windows ou avec le système lui-même "
            "sont évités. ",
            " Si vous voulez supprimer Kelvara de votre ordinateur, vous n’avez qu’à effacer ce répertoire.",
        });
    } else if (code == "ITA") {
        texts.next = "Continua >";
        texts.cancel = "Interruzione";
        texts.browse = "Cercare";
        texts.prompt = "Installa Kelvara nella directory :";
        texts.finalMessage = "La versione completa di Kelvara è stata installata nella directory " + target +
                             ". Executable file " + executable;
        texts.information = JoinParagraphs({
            "Setup per installazione di Kelvara. ",
            "Il SETUP installerà automaticamente tutti i files in una directory, dove sarano scritti tutti i "
            "files "
            "eseguibili. ",
            "Tutte le librerie, comee .DLL e .VBX - files, sono anche scritte nella directory.",
            "Questo per evitare conflitti com altre applicazioni Windows. ",
            "Se volete cancellare Kelvara, cancellate questa directory.",
        });
    } else {
        texts.next = "Continue >";
        texts.cancel = "Break";
        texts.browse = "Search";
        texts.prompt = "Install Kelvara in directory :";
        texts.finalMessage = "Kelvara Fullversion successfully installed in directory " + target +
                             ". Executable file is " + executable;
        texts.information = JoinParagraphs({
            "Kelvara Installation Software. ",
            "The SETUP installs automatic all necessary files in one directory, in wich all exicutable files "
            "are "
            "situated. ",
            "All libraries, like .DLL und .VBX - files, are also situated in this directory.",
            "That's why conflicts with other Windows applikations can be avoided. ",
            " If you want to delete Kelvara on your computer, just delete this directory.",
        });
    }
    return texts;
}

std::string RightsQuestion(std::string_view code) {
    const std::string lb(kLineBreak);
    if (code == "GER")
        return "Sie haben keine Administrator Rechte!" + lb + "Möchten Sie trotzdem das Setup fortsetzen?";
    return "You don't have Adimistrator Rights!" + lb + "Do you want to continue Setup?";
}

int OptionForCode(std::string_view code) {
    const std::string upper = Upper(code);
    if (upper == "GER") return 2;
    if (upper == "ITA") return 3;
    if (upper == "FRA") return 4;
    return 1;
}

std::string_view CodeOfOption(int option) {
    switch (option) {
        case 2:
            return "GER";
        case 3:
            return "ITA";
        case 4:
            return "FRA";
        default:
            return "ENG";
    }
}

}  // namespace installer
