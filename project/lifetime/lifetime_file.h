#pragma once

// Lifetime.dat: the lifetime inputs of the project, beside TempPart.dat in the program directory. Text
// records: a header statement, then one statement per input, a quoted name followed by its value(s):
//
//   "Tervalo lifetime inputs",1
//   "HeatPumpCost",30000
//   "GridFactorEdits",0.38,0.35
//
// Reading is forgiving: unknown names are skipped, an input missing or damaged keeps its default, and a file
// that is missing, not of this kind or far too large gives the defaults. A file that was there but not read
// wholly is reported as damaged, so the window can say that defaults stand in its place.

#include <string>
#include <string_view>

#include "project/lifetime/lifetime_inputs.h"

namespace tervalo::lifetime {

inline constexpr const char* kLifetimeFileName = "Lifetime.dat";

struct LifetimeFileRead {
    LifetimeInputs inputs;
    bool damaged = false;  // some or all inputs are defaults in place of what the file held
};

LifetimeFileRead ParseLifetimeInputs(std::string_view bytes, const LifetimeInputs& defaults);
std::string LifetimeInputsBytes(const LifetimeInputs& inputs);

// Lifetime.dat read from, or written to, the current directory; a missing file gives the defaults and is no
// damage. Saving replaces the file as a whole; false when it could not be written (the old file then stays).
LifetimeFileRead LoadLifetimeInputs(const LifetimeInputs& defaults);
bool SaveLifetimeInputs(const LifetimeInputs& inputs);

}  // namespace tervalo::lifetime
