#pragma once

// Value axes of the charts: round steps and their labels.

#include <QString>

namespace tervalo {

// Axis steps of 1, 2, 2.5 or 5 times a power of ten, about `count` of them over the span.
double NiceStep(double span, int count);

// As many decimals as the step needs: 2.5 gives one, 0.25 two, 1000 none.
QString AxisNumber(double value, double step, char decimalSeparator);

}  // namespace tervalo
