#include "engine/refrigerant_catalogue.h"

namespace tervalo {

std::span<const RefrigerantRow> RefrigerantCatalogue() {
    return RefrigerantRegistry();
}

std::optional<std::string_view> RefrigerantTableFile(std::string_view name) {
    if (const RefrigerantRow* row = FindRefrigerant(name)) return row->tableFile;
    return std::nullopt;
}

std::optional<TemperatureLimits> ApplicationLimitsOf(std::string_view name) {
    if (const RefrigerantRow* row = FindRefrigerant(name)) return row->limits;
    return std::nullopt;
}

TemperatureLimits RefreshApplicationLimits(std::string_view name, TemperatureLimits previous) {
    if (const auto limits = ApplicationLimitsOf(name)) return *limits;
    return {previous.tMin, 65};
}

}  // namespace tervalo
