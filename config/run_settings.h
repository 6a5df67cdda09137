#pragma once

// The run settings every part of the program reads: language, currency, print font, user, branding, and the
// fields of kparam.dat that this program only carries from one run to the next.

#include <array>
#include <cstdint>
#include <string>

namespace tervalo {

// Fields of kparam.dat that the program writes back as it read them.
struct CarriedSettings {
    std::int16_t welcomeOption = 0;  // line 1 field 8, read by the welcome window
    std::string line1Field9, line1Field10, line1Field11;
    std::int16_t PrintHeaderOption = 0;  // line 1 field 12, read by the results view
    std::int16_t line2Field1 = 0;
    std::string line2Field2 = "35";  // number or text, kept as read
    bool line2Field2Quoted = false;
    double line2Field3 = 2.5;  // a decimal number stored as text; never zero or negative
    std::string line2Field4, line2Field5;
    std::int16_t line2Field6 = 0;
    std::string line2Field7;
    // Fields 13 and 14 as they stand in the file, for a save before any full read has set ParameterDirectory.
    std::string storedParameterDirectory;
    std::int16_t storedParameterDirectoryMode = 0;
};

struct RunSettings {
    std::string LanguageCode;
    std::string CurrencyCode;
    std::string PrintFontName;
    std::string UserName;
    std::string ParameterDirectory;           // a drive root ("C:\") or empty (the current directory)
    std::int16_t ParameterDirectoryMode = 0;  // 77: ParameterDirectory is empty
    bool parameterDirectoryRead = false;      // set by the full read of kparam.dat
    std::string LineBreak = "\r\n";
    std::string LabelSeparator = " :";
    std::string ProductName;
    std::string NoticeLine;
    std::string WebAddress;
    std::array<std::string, 3> OwnerLines;
    std::int16_t SkipWelcome = 0;
    bool WelcomeShown = false;
    std::string HandOverText;  // KELVData.dat field 3, kept for the run
    CarriedSettings carried;
};

extern RunSettings Settings;
void ResetRunSettings();

}  // namespace tervalo
