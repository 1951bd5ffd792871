// Auction bids: a Bids file that the writer accepts (no line longer than the
// league reads), written the way Save Bids writes it, holds one line per
// kept bid and reads back as those lines; the name suggestion and the
// amount check take any text.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "fuzzsupport.h"
#include "orders/bids.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString lot(FuzzedDataProvider &in)
{
    const int choice = in.ConsumeIntegralInRange(0, 12);
    if (choice <= 10)
        return choice == 0 ? QString() : QString::number(choice);
    return QString::fromUtf8(in.ConsumeRandomLengthString(4));
}

QString price(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return QString();
    case 1: return QStringLiteral("ALL");
    case 2: return QString::number(in.ConsumeIntegralInRange(1, 9999));
    default: return QString::fromUtf8(in.ConsumeRandomLengthString(6));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QVector<orders::Bid> bids(5);
    for (orders::Bid &b : bids) {
        b.lot = lot(in);
        b.price = price(in);
        b.name = QString::fromUtf8(in.ConsumeRandomLengthString(300));
    }
    const bool autoSort = in.ConsumeBool();
    const QString amount = QString::fromUtf8(in.ConsumeRemainingBytesAsString());

    orders::namesConsistent(bids);
    for (int row = 1; row <= 5; ++row) {
        const QString suggested = orders::suggestedName(bids, row);
        if (!bids[row - 1].name.isEmpty())
            FUZZ_CHECK(suggested == bids[row - 1].name, quoted(suggested));
    }

    const QString problem = orders::amountProblem(amount.trimmed());
    if (problem.isEmpty())
        FUZZ_CHECK(amount.trimmed().toInt() >= 1 && amount.trimmed().toInt() <= 9999, quoted(amount));

    QStringList lines;
    QByteArray bytes;
    try {
        lines = orders::bidLines(bids, autoSort);
        bytes = textfile::encode(textfile::joinLines(lines), QStringLiteral("ABCSession1Bids.txt"));
    } catch (const PelError &) {
        return 0; // refused before writing
    }
    for (const QString &line : lines)
        if (line.size() > textfile::MaxLineLength)
            return 0; // the league reads no longer line: the save must refuse it
    qsizetype kept = 0;
    for (const orders::Bid &b : bids)
        kept += (b.lot + u',' + b.price + u',' + b.name).size() > 3;
    FUZZ_CHECK(lines.size() == kept, quoted(lines));
    if (autoSort)
        for (qsizetype i = 1; i < lines.size(); ++i)
            FUZZ_CHECK(lines[i - 1].compare(lines[i], Qt::CaseInsensitive) <= 0, quoted(lines));

    const QStringList back = writtenAndRead(QStringLiteral("ABCSession1Bids.txt"), bytes);
    FUZZ_CHECK(back == lines, QStringLiteral("wrote %1\nread %2").arg(quoted(lines), quoted(back)));
    return 0;
}
