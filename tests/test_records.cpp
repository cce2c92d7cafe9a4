// The text layer: the 16-bit TAB field positions (the fields themselves are checked by the fuzz
// replay over every data file, numbers and records by the hostile cases), the code page, search keys.

#include <QTest>

#include "Records.h"
#include "SearchKey.h"
#include "TextFile.h"

using namespace brevath;

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(QString(text.at(0xE9)) + text.at(0x9C) + text.at(0x80), QStringLiteral("éœ€"));
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
