// Team tactic entries and the condition texts: the tactic code always has
// six fields with a value only for a complete condition; the value-field
// rule and the arrow steps stay within -90 to 90 for any text, also one
// read from a file.
#include "fuzzsupport.h"
#include "lineup/tactics.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString pick(FuzzedDataProvider &in, const QStringList &vocabulary)
{
    const size_t choice = in.ConsumeIntegralInRange<size_t>(0, vocabulary.size() + 1);
    if (choice < size_t(vocabulary.size()))
        return vocabulary.at(qsizetype(choice));
    return choice == size_t(vocabulary.size()) ? QString() : fieldText(in.ConsumeRandomLengthString(12));
}

lineup::Condition condition(FuzzedDataProvider &in)
{
    lineup::Condition c;
    c.event = pick(in, lineup::conditionEvents());
    c.op = pick(in, lineup::conditionOperators());
    c.value = fieldText(in.ConsumeRandomLengthString(16));
    return c;
}

bool isNumberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok && low <= v && v <= high;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const lineup::Condition a = condition(in), b = condition(in);
    const bool timeSteps = in.ConsumeBool();
    const QString name = fieldText(in.ConsumeRandomLengthString(20));
    const QString value = QString::fromUtf8(in.ConsumeRemainingBytesAsString());

    const QStringList code = lineup::tacticCode(a, b).split(u',');
    FUZZ_CHECK(code.size() == 6, quoted(code));
    FUZZ_CHECK(code == QStringList({a.event, a.op, a.complete() ? a.value : QString(), b.event, b.op,
                                    b.complete() ? b.value : QString()}),
               quoted(code));
    FUZZ_CHECK(lineup::readableConditions(a, b).size() == int(a.complete()) + int(b.complete()), quoted(code));

    const bool chosen = !name.isEmpty();
    FUZZ_CHECK(lineup::strategyCode(name, chosen) == (chosen ? name.left(1) : QStringLiteral("N")), quoted(name));

    const QString limited = lineup::limitValueText(value);
    FUZZ_CHECK(isNumberIn(limited, -90, 90), quoted(value) + QStringLiteral(" limited to ") + quoted(limited));
    if (isNumberIn(value, -90, 90) && value.toInt() != 0)
        FUZZ_CHECK(limited == value, quoted(limited));

    for (const QString &event : lineup::conditionEvents()) {
        const int step = lineup::stepFor(event, timeSteps);
        FUZZ_CHECK(step == 1 || step == 15, quoted(event));
        for (const bool up : {true, false}) {
            const QString stepped = lineup::stepValue(value, up, step);
            FUZZ_CHECK(isNumberIn(stepped, -90, 90), quoted(value) + QStringLiteral(" stepped to ") + quoted(stepped));
        }
    }
    return 0;
}
