#include "project/paint/chart_axis.h"

#include <cmath>

namespace tervalo {

double NiceStep(double span, int count) {
    if (!(span > 0)) return 1;
    const double rough = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= rough) return factor * power;
    return 10 * power;
}

QString AxisNumber(double value, double step, char decimalSeparator) {
    int decimals = 0;
    for (double scaled = step; decimals < 6 && std::abs(scaled - std::round(scaled)) > 1e-9 * scaled;
         scaled *= 10)
        ++decimals;
    QString text = QString::number(std::abs(value) < step * 1e-9 ? 0.0 : value, 'f', decimals);
    return text.replace('.', QChar(decimalSeparator));
}

}  // namespace tervalo
