#include "install/core/installer_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "install/core/command_line.h"
#include "install/core/run_texts.h"
#include "install/core/system_report.h"
#include "install/core/target_problem.h"

namespace installer {
namespace {

TEST(InstallerTexts, CommandsAndPromptByLanguage) {
    struct Row {
        const char* code;
        const char* next;
        const char* cancel;
        const char* browse;
        const char* prompt;
    };
    const Row rows[] = {
        {"GER", "Weiter >", "Abbrechen", "Durchsuchen", "Tervalo installieren in :"},
        {"FRA", "Continue >", "Quitter", "Chercher", "Installe Kelvara a répertoire :"},
        {"ITA", "Continua >", "Interruzione", "Cercare", "Installa Kelvara nella directory :"},
        {"ENG", "Continue >", "Break", "Search", "Install Kelvara in directory :"},
        // Texts follow the exact code: anything but the three upper-case codes is English.
        {"ger", "Continue >", "Break", "Search", "Install Kelvara in directory :"},
        {"", "Continue >", "Break", "Search", "Install Kelvara in directory :"},
    };
    for (const Row& row : rows) {
        const InstallerTexts texts = TextsFor(row.code, "T", "Tervalo.EXE");
        EXPECT_EQ(texts.next, row.next) << row.code;
        EXPECT_EQ(texts.cancel, row.cancel) << row.code;
        EXPECT_EQ(texts.browse, row.browse) << row.code;
        EXPECT_EQ(texts.prompt, row.prompt) << row.code;
        EXPECT_EQ(texts.startCaption, "Start Tervalo") << row.code;
        EXPECT_EQ(texts.title, "Tervalo 2.12") << row.code;
    }
}

TEST(InstallerTexts, FinalMessageNamesTargetAndExecutable) {
    const std::string target = "c:\\Tervalo";
    EXPECT_EQ(TextsFor("GER", target, "Tervalo.EXE").finalMessage,
              "Tervalo Vollversion im Pfad c:\\Tervalo installiert. Ausführbare Datei ist Tervalo.EXE . ");
    EXPECT_EQ(TextsFor("FRA", target, "Tervalo.EXE").finalMessage,
              "Version complet de Kelvara installer a répertoire :\r\n\r\n   c:\\Tervalo.\r\n\r\n"
              "Le menu principal se trouve dans le repertoire sous Tervalo.EXE . ");
    EXPECT_EQ(
        TextsFor("ITA", target, "Tervalo.EXE").finalMessage,
        "La versione completa di Kelvara è stata installata nella directory c:\\Tervalo. Executable file "
        "Tervalo.EXE . ");
    EXPECT_EQ(
        TextsFor("XYZ", target, "tervalo").finalMessage,
        "Kelvara Fullversion successfully installed in directory c:\\Tervalo. Executable file is tervalo . ");
}

TEST(InstallerTexts, InformationTextJoinsFiveParagraphs) {
    EXPECT_EQ(
        TextsFor("ENG", "", "").information,
        "Kelvara Installation Software. \r\n\r\n"
        "The SETUP installs automatic all necessary files in one directory, in wich all exicutable files are "
        "situated. \r\n\r\n"
        "All libraries, like .DLL und .VBX - files, are also situated in this directory.\r\n\r\n"
        "That's why conflicts with other Windows applikations can be avoided. \r\n\r\n"
        " If you want to delete Kelvara on your computer, just delete this directory.");
    const std::string german = TextsFor("GER", "", "").information;
    EXPECT_EQ(german.rfind("Installation der Tervalo Software. \r\n\r\nDas SETUP", 0), 0u);
    EXPECT_NE(
        german.find("\r\n\r\nSollten Sie Tervalo von Ihrem Rechner entfernen wollen, löschen Sie einfach "
                    "dieses Verzeichnis."),
        std::string::npos);
    const std::string french = TextsFor("FRA", "", "").information;
    EXPECT_NE(french.find("répertoire. \r\n\r\n C’est pourquoi"), std::string::npos);
}

TEST(InstallerTexts, RightsQuestion) {
    EXPECT_EQ(RightsQuestion("GER"),
              "Sie haben keine Administrator Rechte!\r\nMöchten Sie trotzdem das Setup fortsetzen?");
    EXPECT_EQ(RightsQuestion("ger"), "You don't have Adimistrator Rights!\r\nDo you want to continue Setup?");
    EXPECT_EQ(RightsQuestion("FRA"), "You don't have Adimistrator Rights!\r\nDo you want to continue Setup?");
}

TEST(InstallerTexts, OptionsAreChosenByTheCodeInUpperCase) {
    struct Row {
        const char* code;
        int option;
    };
    const Row rows[] = {{"ENG", 1}, {"GER", 2}, {"ger", 2},  {"Ita", 3}, {"fra", 4},
                        {"", 1},    {"SWE", 1}, {"GERX", 1}, {" GER", 1}};
    for (const Row& row : rows) EXPECT_EQ(OptionForCode(row.code), row.option) << row.code;
    EXPECT_EQ(CodeOfOption(1), "ENG");
    EXPECT_EQ(CodeOfOption(2), "GER");
    EXPECT_EQ(CodeOfOption(3), "ITA");
    EXPECT_EQ(CodeOfOption(4), "FRA");
}

TEST(SystemReport, LinesKeepTheirLabelsAndFullByteCounts) {
    SystemFacts facts;
    facts.memory = {17179869184ull, 4294967297ull, 25769803776ull, 0};
    facts.processors = 12;
    facts.computerName = "PLANT-PC";
    facts.userName = "anna";
    const std::vector<std::string> expected{
        "Kelvara Installation Protokoll",
        "",
        "phys. Mem \t17179869184",
        "phys. Mem frei\t4294967297",
        "Ausl. Mem\t25769803776",
        "Ausl. Mem frei\t0",
        "Prozessoren\t12",
        " ",
        "Computername:      PLANT-PC",
        "Current User:         anna",
        " ",
    };
    EXPECT_EQ(SystemReportLines(facts), expected);
    EXPECT_EQ(AdminRightsLine(true), "Administrator Rights\tTrue");
    EXPECT_EQ(AdminRightsLine(false), "Administrator Rights\tFalse");
}

TEST(SystemReport, UnknownUserLeavesOutTheUserLine) {
    SystemFacts facts;
    facts.computerName = "";
    const auto lines = SystemReportLines(facts);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[8], "Computername:      ");
    EXPECT_EQ(lines[9], " ");
}

// The texts of failed and cancelled runs follow the page texts: one set for each of the four languages,
// chosen by the exact code, each naming the target.
TEST(RunTexts, OneSetPerLanguageChosenByTheExactCode) {
    std::set<std::string> failures, cancels, questions, updates;
    for (const char* code : {"GER", "FRA", "ITA", "ENG"}) {
        const std::string failure = FailureMessage(code, "/opt/Kälte");
        EXPECT_NE(failure.find("/opt/Kälte"), std::string::npos) << code;
        EXPECT_NE(CancelledMessage(code, "/opt/Kälte").find("/opt/Kälte"), std::string::npos) << code;
        const std::string update = UpdateQuestion(code, "/opt/Kälte", "kparam.dat, Kelvhelp.*");
        EXPECT_NE(update.find("kparam.dat, Kelvhelp.*"), std::string::npos) << code;
        EXPECT_NE(update.find(".new"), std::string::npos) << code;
        failures.insert(failure);
        cancels.insert(CancelledMessage(code, "T"));
        questions.insert(CancelQuestion(code));
        updates.insert(update);
    }
    EXPECT_EQ(failures.size(), 4u);
    EXPECT_EQ(cancels.size(), 4u);
    EXPECT_EQ(questions.size(), 4u);
    EXPECT_EQ(updates.size(), 4u);
    EXPECT_EQ(CancelQuestion("ger"), CancelQuestion("ENG"));
    EXPECT_EQ(CancelCaption("GER"), "Abbrechen");
    EXPECT_EQ(CancelCaption("xyz"), "Cancel");
}

// The headlines for a target that cannot be a folder: one text per language of the caption file, English for
// any other code, and the paths put in as they are, even when they hold a placeholder's characters.
TEST(TargetTexts, HeadlinesInEveryLanguageWithThePathsAsGiven) {
    const TargetCheck inside{TargetProblem::InsideAFile, "/opt/file"};
    EXPECT_EQ(
        ProblemHeadline("ENG", inside, "/opt/file/%3 100%", "/opt/file"),
        "Tervalo could not be installed in /opt/file/%3 100%: /opt/file is a file, not a folder. Nothing "
        "has been changed; choose another folder.");
    EXPECT_EQ(ProblemHeadline("xyz", inside, "T", "F"), ProblemHeadline("ENG", inside, "T", "F"));
    EXPECT_EQ(ProblemHeadline("ENG", {TargetProblem::NoRights, "/opt"}, "T", "F"), "");
    for (const TargetProblem problem :
         {TargetProblem::IsAFile, TargetProblem::InsideAFile, TargetProblem::PathTooLong}) {
        std::set<std::string> headlines;
        for (const char* code : {"ARA", "BUL", "ENG", "GER", "GRE", "FRA", "ESP", "HUN", "NDL", "ITA", "SWE",
                                 "POR", "RUS", "POL", "TRK", "ROM"}) {
            const std::string headline = ProblemHeadline(code, {problem, "/w"}, "<target>", "<file>");
            EXPECT_NE(headline.find("Tervalo"), std::string::npos) << code;
            EXPECT_NE(headline.find("<target>"), std::string::npos) << code;
            EXPECT_EQ(headline.find("<file>") != std::string::npos, problem == TargetProblem::InsideAFile)
                << code;
            EXPECT_EQ(headline.find('%'), std::string::npos) << code;
            headlines.insert(headline);
        }
        EXPECT_EQ(headlines.size(), 16u);
    }
}

// Every sequence of up to three of the uninstall's options: --all and --ask only with --uninstall, in any
// order, each setting its own flag; anything else opens the window or is refused.
TEST(InstallerCommandLine, OptionsOfTheUninstallOnlyWithIt) {
    const std::string_view options[] = {"--uninstall", "--all", "--ask", "--bogus"};
    int sequences = 0;
    for (int length = 0; length <= 3; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i) count *= 4;
        for (int code = 0; code < count; ++code) {
            std::vector<std::string_view> arguments;
            for (int i = 0, rest = code; i < length; ++i, rest /= 4) arguments.push_back(options[rest % 4]);
            const auto has = [&](std::string_view option) {
                return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
            };
            std::string shown;
            for (const auto argument : arguments) shown += std::string(argument) + " ";
            SCOPED_TRACE(shown);
            const CommandLine command = ParseCommandLine(arguments);
            const bool uninstall = has("--uninstall");
            if (has("--bogus") || (!uninstall && (has("--all") || has("--ask")))) {
                EXPECT_EQ(command.action, CommandAction::Invalid);
                EXPECT_FALSE(command.error.empty());
            } else {
                EXPECT_EQ(command.action, uninstall ? CommandAction::Uninstall : CommandAction::OpenWindow);
                EXPECT_EQ(command.removeUserFiles, has("--all"));
                EXPECT_EQ(command.ask, has("--ask"));
            }
            ++sequences;
        }
    }
    EXPECT_EQ(sequences, 1 + 4 + 16 + 64);
    EXPECT_EQ(ParseCommandLine({"--all", "--help"}).action, CommandAction::ShowHelp) << "help goes first";
}

}  // namespace
}  // namespace installer
