#pragma once

namespace tervalo {

// ⌊x⌋ of the value a formula means. Products and quotients of typed decimal numbers that are mathematically
// whole (150 × 120 × 100 / 90 × 110 / 100 = 22000) come out of binary arithmetic a few units in the last
// place on either side of the whole number; such results are taken as that whole number, so
// 21999.999999999996 shows as 22000 and not 21999. The tolerance (a millionth of a millionth of the value)
// lies far above the error of the few operations of a formula and far below any difference between displayed
// values.
double RoundDown(double value);

// ⌊scale × value⌋ / scale: a value cut (not rounded) to the decimals that `scale` (10, 100, 1000) stands for.
double RoundDownTo(double value, double scale);

}  // namespace tervalo
