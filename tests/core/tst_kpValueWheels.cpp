#include "kpValueWheels.h"

#include <QtTest>

using Digits = QList<int>;

constexpr int Row = 3;
const Digits Nines = {9, 9, 9, 9, 9, 9};
const Digits Zeros = {0, 0, 0, 0, 0, 0};

class tst_kpValueWheels : public QObject
{
    Q_OBJECT

private slots:
    // What the wheels show for a stored text, and what confirming them untouched stores.
    void shownAndConfirmedUntouched_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Digits>("shown");
        QTest::addColumn<QString>("confirmed");
        QTest::newRow("integer and decimals") << "12.5" << Digits{0, 0, 1, 2, 5, 0} << "12.5";
        QTest::newRow("tens and hundredths") << "10.05" << Digits{0, 0, 1, 0, 0, 5} << "10.05";
        QTest::newRow("fraction only") << "0.50" << Digits{0, 0, 0, 0, 5, 0} << "0.5";
        QTest::newRow("largest") << "9999.99" << Nines << "9999.99";
        QTest::newRow("no value") << "" << Zeros << "";
        QTest::newRow("unreadable is no value") << "abc" << Zeros << "";
        // 0.005 is held as a single-precision value just below it.
        QTest::newRow("rounds to zero, stored as no value") << "0.005" << Zeros << "";
        QTest::newRow("too large, kept") << "12000" << Nines << "12000";
        QTest::newRow("rounds past the largest, kept") << "9999.996" << Nines << "9999.996";
        QTest::newRow("negative, kept") << "-5" << Zeros << "-5";
        QTest::newRow("infinite, kept") << "inf" << Nines << "inf";
        QTest::newRow("not a number, kept") << "nan" << Zeros << "nan";
    }

    void shownAndConfirmedUntouched()
    {
        QFETCH(QString, stored);
        QFETCH(Digits, shown);
        QFETCH(QString, confirmed);
        const kpValueWheels::Shown wheels = kpValueWheels::showNumber(Row, stored);
        QCOMPARE(wheels.wheels(), shown);
        QCOMPARE(kpValueWheels::readNumber(wheels, Row, shown), confirmed);
    }

    void keptOnlyWhileUntouchedOnTheRowShown()
    {
        const kpValueWheels::Shown beyond = kpValueWheels::showNumber(Row, "12000");
        QCOMPARE(kpValueWheels::readNumber(beyond, Row, {0, 0, 1, 2, 0, 0}), "12");
        QCOMPARE(kpValueWheels::readNumber(beyond, Row + 1, Nines), "9999.99");
        QCOMPARE(kpValueWheels::readNumber({}, Row, Nines), "9999.99");
        // A unit the table lacks (stored in another language) shows as row 0, no unit, and is
        // kept unless the user turns the unit wheel. An empty unit is no unit: nothing to keep.
        using kpValueWheels::readUnit;
        const kpValueWheels::Shown foreign = kpValueWheels::showUnit(Row, "кг", 0, " ");
        QCOMPARE(foreign.wheels(), Digits{0});
        QCOMPARE(readUnit(foreign, Row, 0, " "), "кг");
        QCOMPARE(readUnit(foreign, Row, 2, "kg"), "kg");
        QCOMPARE(readUnit(kpValueWheels::showUnit(Row, "", 0, " "), Row, 0, " "), " ");
    }
};

QTEST_APPLESS_MAIN(tst_kpValueWheels)
#include "tst_kpValueWheels.moc"
