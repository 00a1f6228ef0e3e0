// Reading the entry window's text as a score.
#include "forms/scores/ScoreReading.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class ScoreReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsNumbersInTheCLocale_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "950" << true << 950.0;
        QTest::newRow("blanks around") << "  42 \t" << true << 42.0;
        QTest::newRow("plus sign") << "+7" << true << 7.0;
        QTest::newRow("negative") << "-3.25" << true << -3.25;
        QTest::newRow("fraction") << "400.5" << true << 400.5;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("grouping") << "1,234" << true << 1234.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing letters") << "12abc" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("-Infinity") << "-INF" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("overflowing exponent") << "1e400" << false << 0.0;
        QTest::newRow("decimal comma") << "1,5" << false << 0.0;
    }
    void readsNumbersInTheCLocale() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const auto number = ScoreReading::readNumber(text, QLocale::c());
        QCOMPARE(number.has_value(), accepted);
        if (accepted)
            QCOMPARE(*number, value);
    }

    void readsTheGermanFormat() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(ScoreReading::readNumber(QStringLiteral("99,5"), german), 99.5);
        QCOMPARE(ScoreReading::readNumber(QStringLiteral("1.234,5"), german), 1234.5);
        QVERIFY(!ScoreReading::readNumber(QStringLiteral("1.5"), german));
    }

    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("score");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("99.5") << 99.5 << 100;
        QTest::newRow("399.5") << 399.5 << 400;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("2.5001") << 2.5001 << 3;
        QTest::newRow("just below the top") << 2147483647.4 << 2147483647;
        QTest::newRow("the bottom") << -2147483648.0 << std::numeric_limits<int>::min();
        QTest::newRow("half below the bottom") << -2147483648.5 << std::numeric_limits<int>::min();
    }
    void roundsHalvesToEven() {
        QFETCH(double, number);
        QFETCH(int, score);
        QCOMPARE(ScoreReading::toScore(number), std::optional<std::int32_t>(score));
    }

    void refusesWhatDoesNotFitASlot() {
        for (double number : {2147483647.5, 3000000000.0, -2147483649.0, -3e9, 1e300,
                              std::numeric_limits<double>::infinity(), std::nan("")})
            QVERIFY2(!ScoreReading::toScore(number), qPrintable(QString::number(number)));
    }
};

QTEST_APPLESS_MAIN(ScoreReadingTest)
#include "tst_score_reading.moc"
