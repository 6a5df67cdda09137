#pragma once

// A figure of the decision views: its value and the text the window shows, or nothing where it cannot be
// formed.

#include <optional>
#include <string>

namespace tervalo::decision {

struct ShownFigure {
    double value = 0;
    std::string text;  // regional decimal separator
};
using Figure = std::optional<ShownFigure>;

}  // namespace tervalo::decision
