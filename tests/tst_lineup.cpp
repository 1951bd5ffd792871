#include "support/fixture.h"
#include <QTest>
class T : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(T)
#include "tst_lineup.moc"
