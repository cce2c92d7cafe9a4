// The commit of the character sheet and its presets.

#include <QTest>

#include "PlanInputs.h"

using namespace brevath;

class PlanInputsTest : public QObject
{
    Q_OBJECT

private slots:
    void boxesCommitTheirLeadingNumber()
    {
        SheetTexts texts = {"", "12abc", " 7", "abc", "12.5", "13.5", "-2.5", "70", "0", "0", "0", "0", "41"};
        PlanInputs inputs;
        QVERIFY(CommitSheet(texts, {}, inputs));
        QCOMPARE(inputs.SDLevel, 0);
        QCOMPARE(inputs.SDStr, 12);
        QCOMPARE(inputs.SDEnd, 7);
        QCOMPARE(inputs.SDDex, 0);
        QCOMPARE(inputs.SDSag, 12);
        QCOMPARE(inputs.SDInt, 14);
        QCOMPARE(inputs.SDPV, -2);
        QCOMPARE(inputs.mint, 41);
        QCOMPARE(inputs.Priority, int(Dex)); // no option selected
    }

    void firstSelectedOptionIsThePriority()
    {
        PlanInputs inputs;
        QVERIFY(CommitSheet(DefaultSheetTexts(), {false, true, false, true, false}, inputs));
        QCOMPARE(inputs.Priority, int(End));
        QCOMPARE(inputs.maxima(), (std::array<std::int32_t, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(inputs.SDPM, 50);
    }

    void failureStopsAtTheFailingBox()
    {
        PlanInputs inputs;
        inputs.SDPV = 555;
        inputs.Priority = 5;
        SheetTexts texts = DefaultSheetTexts();
        texts[2] = QStringLiteral("30");
        texts[6] = QStringLiteral("99999999999");
        QVERIFY(!CommitSheet(texts, {true, false, false, false, false}, inputs));
        QCOMPARE(inputs.SDEnd, 30); // before the failing box: stored
        QCOMPARE(inputs.SDPV, 555); // the failing box and those after it: untouched
        QCOMPARE(inputs.Priority, 5);

        texts = DefaultSheetTexts();
        texts[0] = QStringLiteral("-2");
        QVERIFY(!CommitSheet(texts, {}, inputs)); // the result table starts at level -1
        texts[0] = QStringLiteral("-1.5"); // rounds to -2
        QVERIFY(!CommitSheet(texts, {}, inputs));
        texts[0] = QStringLiteral("-1");
        QVERIFY(CommitSheet(texts, {}, inputs));
        QCOMPARE(inputs.SDLevel, -1);
    }

    void presetsRewriteOnlyTheStatistics()
    {
        QCOMPARE(PresetStatText(1), u"25");
        QCOMPARE(PresetStatText(2), u"30");
        SheetTexts texts = DefaultSheetTexts();
        texts[0] = QStringLiteral("40");
        for (int box = 1; box <= 5; ++box)
            texts[box] = PresetStatText(2);
        PlanInputs inputs;
        QVERIFY(CommitSheet(texts, {}, inputs));
        QCOMPARE((std::array<std::int32_t, 5>{inputs.SDStr, inputs.SDEnd, inputs.SDDex, inputs.SDSag, inputs.SDInt}),
                 (std::array<std::int32_t, 5>{30, 30, 30, 30, 30}));
        QCOMPARE(inputs.SDLevel, 40);
    }
};

QTEST_GUILESS_MAIN(PlanInputsTest)
#include "test_plan_inputs.moc"
