#include "bench/table.h"

#include <algorithm>
#include <cmath>

namespace bench {

QString Table::text() const
{
    QList<int> widths;
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths[c], int(row.at(c).size()));
        }
    QString out;
    for (const QStringList &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c)
            line += c == 0 ? row.at(c).leftJustified(widths[c]) : QStringLiteral("  ") + row.at(c).rightJustified(widths[c]);
        while (line.endsWith(u' '))
            line.chop(1);
        out += line + u'\n';
    }
    return out;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return NAN;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QString ms(double value)
{
    if (std::isnan(value))
        return QStringLiteral("-");
    const double a = std::fabs(value);
    const int decimals = a >= 100 ? 0 : a >= 10 ? 1 : a >= 1 ? 2 : a >= 0.1 ? 3 : 4;
    return QString::number(value, 'f', decimals);
}

QString ratio(double value)
{
    if (std::isnan(value))
        return QStringLiteral("-");
    return QString::number(value, 'f', value >= 10 ? 1 : 2) + u'x';
}

QString thousands(long long value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return value < 0 ? u'-' + digits : digits;
}

} // namespace bench
