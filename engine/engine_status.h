#pragma once

// How a table lookup or a cycle run ended. The engine throws nothing: a lookup or a cycle that cannot go on
// stops at the failing step and says why; the caller decides whether to go on with the values it has.

namespace tervalo {

enum class EngineStatus {
    Ok,
    UnknownRefrigerant,  // the refrigerant name is not in the catalogue
    MissingTable,        // the table file is missing, a directory, unreadable or implausibly large
    DamagedTable,        // the file ends inside a record, holds no record, or a unit conversion fails
    InvalidArithmetic,   // a step divides by zero or overflows (equal keys, a zero denominator)
    OutsideTable,        // a looked-up temperature or pressure lies outside the table's keys
};

}  // namespace tervalo
