#include "core/DeclaredVolume.h"

#include <QtTest>

class TestDeclaredVolume : public QObject
{
    Q_OBJECT
private slots:
    void differenceAndPercent_data()
    {
        QTest::addColumn<double>("declared");
        QTest::addColumn<double>("measured");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("percent");
        QTest::newRow("overstated") << 30.0 << 28.5 << "-1,500" << "-5,00";
        QTest::newRow("understated") << 20.0 << 21.0 << "+1,000" << "+5,00";
        QTest::newRow("as declared") << 12.345 << 12.345 << "0,000" << "0,00";
        QTest::newRow("nothing measured yet") << 8.0 << 0.0 << "-8,000" << "-100,00";
        // Nothing declared in m3: no percent to give.
        QTest::newRow("no declared volume") << 0.0 << 3.25 << "+3,250" << "";
        QTest::newRow("thousands") << 1500.0 << 1234.5 << "-265,500" << "-17,70";
    }
    void differenceAndPercent()
    {
        QFETCH(double, declared);
        QFETCH(double, measured);
        QFETCH(QString, difference);
        QFETCH(QString, percent);
        QCOMPARE(core::formatVolume3(core::declaredDifference(declared, measured), true), difference);
        QCOMPARE(core::formatSignedPercent(core::declaredDifferencePercent(declared, measured)), percent);
    }
    void volumesWithThousands()
    {
        QCOMPARE(core::formatVolume3(30), QStringLiteral("30,000"));
        QCOMPARE(core::formatVolume3(1234.5), QStringLiteral("1.234,500"));
    }
};

QTEST_APPLESS_MAIN(TestDeclaredVolume)
#include "tst_DeclaredVolume.moc"
