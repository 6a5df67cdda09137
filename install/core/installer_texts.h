#pragma once

#include <string>
#include <string_view>

// The installer's texts in its four languages. The texts are chosen by the exact code, while the language
// option is chosen by the code in upper case, so "ger" selects the German option but shows English texts.
namespace installer {

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kRightsQuestionTitle = ":  Installation Setup";
inline constexpr std::string_view kEndCaption = "End";

struct InstallerTexts {
    std::string next;          // Command1, Command5
    std::string cancel;        // Command2, Command6
    std::string browse;        // Command7
    std::string prompt;        // Label1
    std::string information;   // Label7
    std::string finalMessage;  // label6
    std::string startCaption;  // Command3
    std::string title;         // Label4, Label9
};

// `targetDirectory` and `programFile` (the executable's file name) are named by the final message.
InstallerTexts TextsFor(std::string_view code, std::string_view targetDirectory,
                        std::string_view programFile);

// The question asked of a user without administrator rights.
std::string RightsQuestion(std::string_view code);

// Options 1 to 4 stand for "ENG", "GER", "ITA", "FRA"; any other code selects option 1.
int OptionForCode(std::string_view code);
std::string_view CodeOfOption(int option);

}  // namespace installer
