// Compiled by the test suite, not linked: a field name looked up when the program is built must be in the
// field table. With FIELD_NAME_TYPO defined the lookup names a field that does not exist, and the compiler
// must refuse it.
#include "project/project_fields.h"

#ifdef FIELD_NAME_TYPO
constexpr tervalo::FieldUnit kUnit = tervalo::Field("WohnFl").unit;
#else
constexpr tervalo::FieldUnit kUnit = tervalo::Field("WohnFL").unit;
#endif
static_assert(kUnit == tervalo::FieldUnit::SquareMetre);
