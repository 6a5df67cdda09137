#pragma once

// energk.dat: five numbers in the working directory. Fields 1 to 4 are the factors of the provisional
// heat-pump running cost (full-load hours, tariff factor, electricity price, correction), field 5 the CO2 of
// the electricity mix in kg per kWh.

#include <array>

namespace tervalo {

inline constexpr const char* kEnergyFactorFileName = "energk.dat";

// How many of the five numbers a read found; 0 with `present` false when there is no such file.
struct EnergyFactorRead {
    bool present = false;
    int fieldsRead = 0;
};

// Reads the five numbers in order into `factors`; the ones a missing or short file does not reach keep their
// values. Field 2 is then replaced by 1, whether the file was read or not.
EnergyFactorRead ReadEnergyFactors(std::array<double, 5>& factors);

}  // namespace tervalo
