#include "report/report_title.h"

#include "config/run_settings.h"
#include "engine/text_util.h"
#include "localisation/language_tables.h"
#include "localisation/title_texts.h"

namespace tervalo {

std::string BuildReportTitle() {
    const std::string& a = Caption(kCaptionCalculation);
    const std::string& b = Caption(kCaptionHeatPump);
    const std::string& c = Caption(kCaptionEmission);
    const std::string start = Settings.ProductName + " : " + a;
    const std::string code = UpperAscii(Settings.LanguageCode);
    if (code == "FRA") return start + " de " + b + " - Simulacion " + c + " CO2";
    if (code == "ESP" || code == "POR") return start + " del " + b + " - Simulacion " + c + " CO2";
    if (code == "ITA") return start + " di " + b + " - Simulatione " + c + " CO2";
    return start + " " + b + " - " + TitleText(titles_texts::kSimulation, Settings.LanguageCode) + " CO2 " +
           c;
}

}  // namespace tervalo
