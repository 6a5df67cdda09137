#include "install/core/run_texts.h"

#include "install/core/install_plan.h"
#include "install/core/installer_texts.h"

namespace installer {

namespace {

enum class Language { German, French, Italian, English };

Language LanguageOf(std::string_view code) {
    if (code == "GER") return Language::German;
    if (code == "FRA") return Language::French;
    if (code == "ITA") return Language::Italian;
    return Language::English;
}

}  // namespace

std::string FailureMessage(std::string_view code, std::string_view targetDirectory) {
    const std::string name(kProgramName);
    const std::string target(targetDirectory);
    switch (LanguageOf(code)) {
        case Language::German:
            return name + " konnte nicht im Pfad " + target +
                   " installiert werden. Es wurde nichts verändert; die Liste nennt den Grund.";
        case Language::French:
            return name + " n'a pas pu être installé dans le répertoire " + target +
                   ". Rien n'a été modifié ; la liste en indique la raison.";
        case Language::Italian:
            return name + " non è stato installato nella directory " + target +
                   ". Nulla è stato modificato; l'elenco ne indica il motivo.";
        case Language::English:
            break;
    }
    return name + " could not be installed in directory " + target +
           ". Nothing has been changed; the list names the cause.";
}

std::string CancelledMessage(std::string_view code, std::string_view targetDirectory) {
    const std::string target(targetDirectory);
    switch (LanguageOf(code)) {
        case Language::German:
            return "Die Installation wurde abgebrochen. Im Pfad " + target + " wurde nichts verändert.";
        case Language::French:
            return "L'installation a été interrompue. Rien n'a été modifié dans le répertoire " + target +
                   ".";
        case Language::Italian:
            return "L'installazione è stata interrotta. Nulla è stato modificato nella directory " + target +
                   ".";
        case Language::English:
            break;
    }
    return "The installation was cancelled. Nothing has been changed in directory " + target + ".";
}

std::string UpdateQuestion(std::string_view code, std::string_view targetDirectory,
                           std::string_view keptFiles) {
    const std::string name(kProgramName);
    const std::string target(targetDirectory);
    const std::string kept(keptFiles);
    const std::string lb(kLineBreak);
    switch (LanguageOf(code)) {
        case Language::German:
            return name + " ist im Pfad " + target + " bereits installiert und wird aktualisiert." + lb + lb +
                   "Ihre eigenen Dateien bleiben erhalten: " + kept +
                   ". Weicht die neue Fassung einer dieser Dateien ab, wird sie mit der Endung \".new\" "
                   "daneben gelegt." +
                   lb + lb + "Möchten Sie fortfahren?";
        case Language::French:
            return name + " est déjà installé dans le répertoire " + target + " et sera mis à jour." + lb +
                   lb + "Vos propres fichiers sont conservés : " + kept +
                   ". Si la nouvelle version d'un de ces fichiers diffère, elle est placée à côté avec "
                   "l'extension \".new\"." +
                   lb + lb + "Voulez-vous continuer ?";
        case Language::Italian:
            return name + " è già installato nella directory " + target + " e sarà aggiornato." + lb + lb +
                   "I vostri file sono conservati: " + kept +
                   ". Se la nuova versione di uno di questi file è diversa, viene messa accanto con "
                   "l'estensione \".new\"." +
                   lb + lb + "Continuare?";
        case Language::English:
            break;
    }
    return name + " is already installed in directory " + target + " and will be updated." + lb + lb +
           "Your own files are kept: " + kept +
           ". Where the new version of one of them differs, it is put beside yours with the ending "
           "\".new\"." +
           lb + lb + "Do you want to continue?";
}

std::string CancelQuestion(std::string_view code) {
    const std::string lb(kLineBreak);
    switch (LanguageOf(code)) {
        case Language::German:
            return "Installation abbrechen?" + lb + "Die bisher kopierten Dateien werden wieder entfernt.";
        case Language::French:
            return "Interrompre l'installation ?" + lb + "Les fichiers déjà copiés seront supprimés.";
        case Language::Italian:
            return "Interrompere l'installazione?" + lb + "I file già copiati saranno rimossi.";
        case Language::English:
            break;
    }
    return "Cancel the installation?" + lb + "The files copied so far are removed.";
}

std::string BackCaption(std::string_view code) {
    switch (LanguageOf(code)) {
        case Language::German:
            return "< Zurück";
        case Language::French:
            return "< Retour";
        case Language::Italian:
            return "< Indietro";
        case Language::English:
            break;
    }
    return "< Back";
}

std::string CancelCaption(std::string_view code) {
    switch (LanguageOf(code)) {
        case Language::German:
            return "Abbrechen";
        case Language::French:
            return "Annuler";
        case Language::Italian:
            return "Annulla";
        case Language::English:
            break;
    }
    return "Cancel";
}

}  // namespace installer
