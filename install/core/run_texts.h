#pragma once

#include <string>
#include <string_view>

// Texts of the installer beyond its classic pages: the headline of a run that failed or was cancelled, the
// questions before an update and before cancelling, the caption of the cancel button during the copy. In the
// installer's four languages, chosen by the exact code like the page texts ("GER", "FRA", "ITA", else
// English).
namespace installer {

// Headlines of the final page when nothing was installed.
std::string FailureMessage(std::string_view code, std::string_view targetDirectory);
std::string CancelledMessage(std::string_view code, std::string_view targetDirectory);

// Asked when the target already holds an installation; `keptFiles` names the user's files that stay.
std::string UpdateQuestion(std::string_view code, std::string_view targetDirectory,
                           std::string_view keptFiles);
// Asked when the window is closed while files are being copied.
std::string CancelQuestion(std::string_view code);
// The final page's button that leads back to the target after a failed or cancelled run.
std::string BackCaption(std::string_view code);
std::string CancelCaption(std::string_view code);

}  // namespace installer
