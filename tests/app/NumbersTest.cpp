#include "Numbers.h"

#include <QtTest>

class NumbersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() { QCOMPARE(IntToStr(5), QStringLiteral("5")); }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "NumbersTest.moc"
