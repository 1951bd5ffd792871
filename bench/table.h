#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace bench {

// Plain-text table with aligned columns: the first column left-aligned, the
// figures right-aligned.
class Table {
public:
    void add(const QStringList &cells) { rows.append(cells); }
    QString text() const;

private:
    QList<QStringList> rows;
};

// The middle value (the mean of the two middle ones for an even count); NaN
// for none.
double median(QList<double> values);

// A time in milliseconds with three significant figures or so ("0.0412",
// "3.47", "142").
QString ms(double value);
// A ratio such as "1.74x".
QString ratio(double value);
// A whole number with thousands marks ("20,000").
QString thousands(long long value);

} // namespace bench
