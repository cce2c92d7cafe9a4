// The text layer: numbers at the start of texts, records and the 16-bit TAB field positions
// (the fields themselves are checked by the fuzz replay over every data file), the code page,
// search keys.

#include <QTest>
#include <cmath>

#include "Numbers.h"
#include "Records.h"
#include "SearchKey.h"
#include "TextFile.h"

using namespace brevath;

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumbersAndTheirIntegers()
    {
        const std::pair<QString, double> numbers[] = {{"", 0},
                                                      {"abc", 0},
                                                      {"12abc", 12},
                                                      {" 7", 7},
                                                      {"1 2\t3\n4", 1234},
                                                      {"12.5", 12.5},
                                                      {".25", 0.25},
                                                      {"-3", -3},
                                                      {"+8", 8},
                                                      {"-", 0},
                                                      {"1.5E3", 1500},
                                                      {"2d2", 200},
                                                      {"25e-1", 2.5},
                                                      {"12e", 12},
                                                      {"12E+x", 12},
                                                      {"&HFF", 255},
                                                      {"&hff zz", 255},
                                                      {"&O17", 15},
                                                      {"&O8", 0},
                                                      {"&X1", 0},
                                                      {"&HFFFFFFFFFFFF", 281474976710655.0},
                                                      {"1.2.3", 1.2},
                                                      {"3,5", 3},
                                                      {"4\r5", 4},
                                                      {"1e309", HUGE_VAL},
                                                      {QString(400, u'9'), HUGE_VAL}};
        for (const auto &[text, value] : numbers)
            QVERIFY2(LeadingNumber(text) == value, qPrintable(text));

        // Halves to the even neighbour; outside 32 bits, infinite or not a number: a failure.
        const std::pair<double, std::int64_t> integers[] = {{2.5, 2},
                                                            {3.5, 4},
                                                            {-2.5, -2},
                                                            {2147483647.4, 2147483647},
                                                            {-2147483648.5, -2147483648LL},
                                                            {2147483647.5, -1},
                                                            {HUGE_VAL, -1},
                                                            {std::nan(""), -1}};
        for (const auto &[number, integer] : integers)
            QCOMPARE(std::int64_t(ToInt32(number).value_or(-1)), integer);
    }

    void records()
    {
        const std::pair<QString, QStringList> files[] = {{"", {}},
                                                         {"a\r\nb\r\n", {"a", "b"}},
                                                         {"a\r\nb", {"a", "b"}},
                                                         {"a\nb\rc", {"a", "b", "c"}},
                                                         {"a\r\n\r\nb\r\n\r\n", {"a", "", "b", ""}},
                                                         {"a,b\r\n", {"a", "b"}},
                                                         {"a,\r\nb", {"a", "", "b"}},
                                                         {"\"Points de Vie, PV\"\r\nx", {"Points de Vie, PV", "x"}},
                                                         {"\"ab\"cd,e\r\n", {"ab", "e"}},
                                                         {"\"a\r\nb\"\r\nc", {"a\r\nb", "c"}},
                                                         {"\"abc,\r\ndef", {"abc,\r\ndef"}},
                                                         {"   french  ,german", {"french", "german"}},
                                                         {"\ta\t\r\n", {"\ta\t"}}};
        for (const auto &[text, records] : files) {
            RecordReader reader(text);
            QStringList read;
            while (!reader.atEnd())
                read << *reader.ReadRecord();
            QCOMPARE(read, records);
            QVERIFY(!reader.ReadRecord()); // reading at the end is a failure
        }
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

    void searchKeysIgnoreCaseAndAccents()
    {
        QCOMPARE(SearchKey(u"FLÈCHE de Pierre"), QStringLiteral("fleche de pierre"));
        QCOMPARE(SearchKey(u"Übungsstäbe"), QStringLiteral("ubungsstabe"));
        QVERIFY(SearchKey(u"Fléchette de pierre").contains(SearchKey(u"CHETTE")));
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
