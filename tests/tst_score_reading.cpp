// Reading the entry window's text as a score.
#include "forms/scores/ScoreReading.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class ScoreReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Locale, text, whether it is a number, and which.
    void readsNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        const auto number = [](const char* row, const char* locale, const char* text,
                               double value) {
            QTest::newRow(row) << QString::fromLatin1(locale) << QString::fromUtf8(text) << true
                               << value;
        };
        const auto refused = [](const char* row, const char* locale, const char* text) {
            QTest::newRow(row) << QString::fromLatin1(locale) << QString::fromUtf8(text) << false
                               << 0.0;
        };

        // The locale's own format, as Qt reads it.
        number("C plain", "C", "950", 950);
        number("C blanks around", "C", "  42 \t", 42);
        number("C negative fraction", "C", "-3.25", -3.25);
        number("C grouping", "C", "1,234", 1234);
        number("de_DE groups and comma", "de_DE", "1.234,5", 1234.5);
        number("de_DE decimal comma", "de_DE", "1,5", 1.5);
        number("de_DE group before the plain reading", "de_DE", "1.000", 1000);
        number("hi_IN groups of two", "hi_IN", "12,34,567.5", 1234567.5);
        number("ar_EG own digits and separators", "ar_EG",
               "\u0661\u066C\u0662\u0663\u0664\u066B\u0665", 1234.5);

        // The locale's own printed signs and exponents, as the running Qt prints them (its
        // locale data changes between versions): Qt 6.4 refuses to read them back.
        const auto printed = [](const char* row, const char* locale, double value, char format,
                                const char* nonAsciiPart) {
            const QString text = QLocale(QString::fromLatin1(locale)).toString(value, format, 1);
            QVERIFY2(text.contains(QString::fromUtf8(nonAsciiPart)), qPrintable(text));
            QTest::newRow(row) << QString::fromLatin1(locale) << text << true << value;
        };
        printed("ar_EG own minus", "ar_EG", -950, 'f', "\u0669\u0665\u0660");
        printed("fa_IR own minus", "fa_IR", -950, 'f', "\u06F9\u06F5\u06F0");
        printed("ar_EG own exponent", "ar_EG", 1500, 'e', "\u0633");
        printed("fa_IR own exponent", "fa_IR", 0.0015, 'e', "\u00D7\u06F1\u06F0^");

        // Decimal digits of any script, mixed too (Arabic-Indic and Persian look alike).
        number("fa_IR Persian digits", "fa_IR", "\u06F9\u06F5\u06F0", 950);
        number("fa_IR Arabic-Indic digits", "fa_IR", "\u0669\u0665\u0660", 950);
        number("ar_EG Persian digits", "ar_EG", "\u06F9\u06F5\u06F0", 950);
        number("fa_IR mixed scripts", "fa_IR", "9\u06F5\u0660", 950);
        number("hi_IN Devanagari digits", "hi_IN", "\u0967,\u0968\u0969\u096A.\u096B", 1234.5);
        number("en_US fullwidth digits", "en_US", "\uFF19\uFF15\uFF10", 950);
        number("C digits beyond 16 bits", "C", "\U0001D7D7\U0001D7D3\U0001D7CE", 950);

        // Any space where the locale groups with one; the apostrophe key for U+2019.
        number("fr_FR space", "fr_FR", "1 000", 1000);
        number("fr_FR no-break space", "fr_FR", "1\u00A0000", 1000);
        number("fr_FR narrow no-break space", "fr_FR", "1\u202F000", 1000);
        number("fr_FR no-break space and comma", "fr_FR", "-1\u00A0234,5", -1234.5);
        number("fr_FR no-break spaces around", "fr_FR", "\u00A0950\u202F", 950);
        number("de_CH apostrophe key", "de_CH", "1'000", 1000);
        number("de_CH typographic apostrophe", "de_CH", "1\u2019000.5", 1000.5);
        refused("fr_FR space out of place", "fr_FR", "1 00");
        refused("de_CH apostrophe out of place", "de_CH", "10'00");
        refused("de_DE space is no group", "de_DE", "1 000");

        // The plain reading where the locale's refuses.
        number("ar_EG plain", "ar_EG", "950.5", 950.5);
        number("fa_IR plain", "fa_IR", "950.5", 950.5);
        number("de_DE plain", "de_DE", "950.5", 950.5);
        number("de_DE plain exponent", "de_DE", "-2.5e2", -250);
        number("ar_EG plain point, own digits", "ar_EG", "\u0669\u0665\u0660.\u0665", 950.5);
        refused("C decimal comma", "C", "1,5");
        refused("de_DE both separators wrong", "de_DE", "1.5,5");

        // What no reading takes.
        refused("C empty", "C", "");
        refused("fr_FR blanks only", "fr_FR", " \u00A0\u202F");
        refused("C letters", "C", "abc");
        refused("C trailing letters", "C", "12abc");
        refused("C inf", "C", "inf");
        refused("C nan", "C", "nan");
        refused("C infinity sign", "C", "\u221E");
        refused("ar_EG printed -inf", "ar_EG", "\u061C-inf");
        refused("fa_IR printed -inf", "fa_IR", "\u200E\u2212inf");
        refused("C overflowing exponent", "C", "1e400");
        QTest::newRow("ar_EG overflowing exponent")
            << QStringLiteral("ar_EG")
            << QStringLiteral("\u0661") + QLocale(QStringLiteral("ar_EG")).exponential() +
                   QStringLiteral("\u0664\u0660\u0660")
            << false << 0.0;
        refused("fa_IR overflowing plain exponent", "fa_IR", "1e400");
    }
    void readsNumbers() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const auto number = ScoreReading::readNumber(text, QLocale(locale));
        QCOMPARE(number.has_value(), accepted);
        if (accepted)
            QCOMPARE(*number, value);
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
