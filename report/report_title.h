#pragma once

#include <string>

namespace tervalo {

// The report's title, used as the results view's caption and as the page's title line: ProductName and the
// captions 81, 66 and 222 joined by words chosen by the language code (compared in upper case). For the
// languages without joining words of their own it ends in caption 222, unlike the project window's title.
std::string BuildReportTitle();

}  // namespace tervalo
