// The shared readers: numbers at the start of texts, records and TAB fields.

#include <QTest>
#include <cmath>

#include "Numbers.h"
#include "Records.h"
#include "TextFile.h"

using namespace brevath;

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("leading blank") << " 7" << 7.0;
        QTest::newRow("blanks inside") << "1 2\t3\n4" << 1234.0;
        QTest::newRow("fraction") << "12.5" << 12.5;
        QTest::newRow("bare fraction") << ".25" << 0.25;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus") << "+8" << 8.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("mark without digits") << "12e" << 12.0;
        QTest::newRow("mark and sign only") << "12E+x" << 12.0;
        QTest::newRow("hex") << "&HFF" << 255.0;
        QTest::newRow("hex lower") << "&hff zz" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("ampersand alone") << "&X1" << 0.0;
        QTest::newRow("wide hex") << "&HFFFFFFFFFFFF" << 281474976710655.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma is no separator") << "3,5" << 3.0;
        QTest::newRow("CR stops") << "4\r5" << 4.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void hugeNumbersAreInfinite()
    {
        QVERIFY(std::isinf(LeadingNumber(u"1e309")));
        QVERIFY(std::signbit(LeadingNumber(u"-0")));
        QCOMPARE(LeadingNumber(QString(100000, u'9')), HUGE_VAL);
    }

    void toInt32RoundsHalfToEvenAndChecksRange()
    {
        QCOMPARE(ToInt32(2.5), std::optional<std::int32_t>(2));
        QCOMPARE(ToInt32(3.5), std::optional<std::int32_t>(4));
        QCOMPARE(ToInt32(-2.5), std::optional<std::int32_t>(-2));
        QCOMPARE(ToInt32(-0.0), std::optional<std::int32_t>(0));
        QCOMPARE(ToInt32(2147483647.4), std::optional<std::int32_t>(2147483647));
        QCOMPARE(ToInt32(-2147483648.5), std::optional<std::int32_t>(-2147483648));
        QVERIFY(!ToInt32(2147483647.5));
        QVERIFY(!ToInt32(99999999999.0));
        QVERIFY(!ToInt32(HUGE_VAL));
        QVERIFY(!ToInt32(std::nan("")));
    }

    void records_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("empty file") << "" << QStringList{};
        QTest::newRow("CR LF lines") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("LF and CR alone") << "a\nb\rc" << QStringList{"a", "b", "c"};
        QTest::newRow("empty lines") << "a\r\n\r\nb\r\n\r\n" << QStringList{"a", "", "b", ""};
        QTest::newRow("comma splits") << "a,b\r\n" << QStringList{"a", "b"};
        QTest::newRow("comma before line end") << "a,\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("comma at file end") << "a," << QStringList{"a"};
        QTest::newRow("quoted with comma") << "\"Points de Vie, PV\"\r\nx" << QStringList{"Points de Vie, PV", "x"};
        QTest::newRow("after closing quote dropped") << "\"ab\"cd,e\r\n" << QStringList{"ab", "e"};
        QTest::newRow("quoted across lines") << "\"a\r\nb\"\r\nc" << QStringList{"a\r\nb", "c"};
        QTest::newRow("unclosed quote") << "\"abc,\r\ndef" << QStringList{"abc,\r\ndef"};
        QTest::newRow("blanks before and after") << "   french  ,german" << QStringList{"french", "german"};
        QTest::newRow("TAB is ordinary") << "\ta\t\r\n" << QStringList{"\ta\t"};
        QTest::newRow("NUL is ordinary") << QString::fromLatin1("a\0b", 3) << QStringList{QString::fromLatin1("a\0b", 3)};
    }
    void records()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, records);
        RecordReader reader(text);
        QStringList read;
        while (!reader.atEnd())
            read << *reader.ReadRecord();
        QCOMPARE(read, records);
        QVERIFY(!reader.ReadRecord()); // reading at the end is a failure
    }

    void tabFields()
    {
        const QString line = QStringLiteral("Spark\t0\t\t12");
        int position = 1;
        QCOMPARE(NextTabField(position, line), u"Spark");
        QCOMPARE(position, 7);
        QCOMPARE(NextTabField(position, line), u"0");
        QCOMPARE(NextTabField(position, line), u"");
        QCOMPARE(NextTabField(position, line), u"12");
        QCOMPARE(position, line.size() + 1);
        QCOMPARE(NextTabField(position, line), u""); // past the end: empty, still advancing
        QCOMPARE(position, line.size() + 2);
    }

    void tabFieldPositionsAreSixteenBit()
    {
        int position = 1;
        const QString longest(32766, u'x');
        QCOMPARE(NextTabField(position, longest).size(), 32766);
        QVERIFY_THROWS_EXCEPTION(FieldPositionOverflow, NextTabField(position, longest));
        position = 1;
        QVERIFY_THROWS_EXCEPTION(FieldPositionOverflow, NextTabField(position, QString(32768, u'x')));
    }

    void windows1252RoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = DecodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0xE9), QChar(u'é'));
        QCOMPARE(text.at(0x9C), QChar(u'œ'));
        QCOMPARE(text.at(0x80), QChar(u'€'));
        QCOMPARE(EncodeWindows1252(text), all);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
