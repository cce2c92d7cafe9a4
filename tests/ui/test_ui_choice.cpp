// The choice screen: its rows, type and entry lists, scrolling, the row shift, choice files
// and the rows that name nothing.

#include <QCheckBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <numeric>

#include "UiWorld.h"
#include "ChoiceFile.h"
#include "GoalTranslation.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QString placeholder(UiWorld &world, int row)
{
    return world.captions().entry(33) + QStringLiteral(" %1").arg(row + 1);
}

} // namespace

class ChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void aBuildGivesEveryRowTheTickedTypesAndOneSharedListAndATypeItsOwnAndKeepsTheGoals()
    {
        auto world = startWorld();
        for (int k = 1; k <= kCategoryCount; ++k)
            control<QCheckBox>(world->first(), QStringLiteral("Check%1").arg(k))->setChecked(k <= 3 || k == 10);
        openChoiceScreen(*world);
        const CaptionTable &c = world->captions();
        chooseType(*world, 0, 14);
        typeText(*world, 0, "Club");
        chooseType(*world, 1, 15);
        typeText(*world, 1, "Grey Robe");
        // Back and on again: the lists are built afresh from the start screen, the rows keep
        // their goals. A row of a category no longer ticked takes the first type and is marked.
        clickButton(world->second(), "Command1");
        control<QCheckBox>(world->first(), "Check2")->setChecked(false);
        control<QLineEdit>(world->first(), "MText1")->setText("20");
        openChoiceScreen(*world);
        const QStringList types = {c.entry(75), c.entry(13), c.entry(14), c.entry(22), c.entry(78),
                                   c.entry(79), c.entry(80), c.entry(81), c.entry(82)};
        const QStringList kept = {"Club", "Grey Robe"};
        for (int row = 0; row <= ui::SecondScreen::lNMax; ++row) {
            QCOMPARE(listItems(typeList(*world, row)), types);
            QCOMPARE(typeList(*world, row)->currentIndex(), row == 0 ? 2 : 0);
            QCOMPARE(entryBox(*world, row)->currentText(), row < 2 ? kept[row] : placeholder(*world, row));
            QCOMPARE(entryBox(*world, row)->model() == entryBox(*world, 80)->model(), row > 0);
            QCOMPARE(entryBox(*world, row)->isVisibleTo(&world->second()), row < 15);
        }
        QVERIFY(entryBox(*world, 0)->toolTip().isEmpty() && !entryBox(*world, 1)->toolTip().isEmpty());
        trigger(world->second(), "undoAction"); // the robe typed, then its type: steps from before the new
        trigger(world->second(), "undoAction"); // ticks, undone in the new lists
        QCOMPARE(typeList(*world, 0)->currentIndex(), 2);
        // Each entry once, the catalogue's last too, none needing over Str 20 (Club: 20, Twin Axe more).
        QCOMPARE(listItems(entryBox(*world, 80)),
                 QStringList({c.entry(67), "Short Bow", "Long Bow", "Club", "Buckler"}));

        // Over a row the wheel moves the rows, never the row's type.
        QWheelEvent wheel(QPointF(5, 5), typeList(*world, 3)->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(typeList(*world, 3), &wheel);
        QCOMPARE(typeList(*world, 3)->currentIndex(), 0);
        QVERIFY(control<QScrollBar>(world->second(), "VScroll1")->value() > 0);

        // A chosen type gives the row its type's entries within the filter, or none for a statistic.
        chooseType(*world, 5, 14);
        QCOMPARE(listItems(entryBox(*world, 5)), QStringList({c.entry(67), "Club"}));
        QCOMPARE(entryBox(*world, 5)->currentText(), c.entry(67));
        typeText(*world, 2, "Club");
        chooseType(*world, 2, 80);
        QCOMPARE(world->session().goals.kinds[2], 3 * 65536);
        QVERIFY(entryBox(*world, 2)->count() == 0 && entryBox(*world, 2)->currentText().isEmpty());
    }

    void scrollingPlacesTheRowsAndDownActsOnTheRowInItsSlot()
    {
        auto world = choiceWorld();
        auto *scroll = control<QScrollBar>(world->second(), "VScroll1");
        // The last row can be scrolled into view too.
        scroll->setValue(scroll->maximum());
        QVERIFY(entryBox(*world, 80)->isVisibleTo(&world->second()));
        QCOMPARE(typeList(*world, 80)->geometry().topLeft(), QPoint(24, 32 + 14 * 26));
        scroll->setValue(65);
        QVERIFY(!entryBox(*world, 64)->isVisibleTo(&world->second())
                && !typeList(*world, 80)->isVisibleTo(&world->second()));
        QCOMPARE(typeList(*world, 65)->geometry().topLeft(), QPoint(24, 32));
        QCOMPARE(entryBox(*world, 79)->geometry().topLeft(), QPoint(288, 32 + 14 * 26));

        chooseType(*world, 78, 13);
        typeText(*world, 78, "Long Bow");
        typeText(*world, 80, "Club");
        clickButton(world->second(), "Down_13"); // row 78
        QCOMPARE(typeList(*world, 79)->currentText(), world->captions().entry(13));
        QCOMPARE(listItems(entryBox(*world, 79)), listItems(entryBox(*world, 78)));
        QCOMPARE(entryBox(*world, 79)->currentText(), "Long Bow");
        QCOMPARE(entryBox(*world, 80)->currentText(), placeholder(*world, 79));
    }

    void fileFailuresAreReportedAndCancelsAreHarmless()
    {
        auto world = choiceWorld();
        typeText(*world, 1, "Long Bow");
        typeText(*world, 2, "Grey Robe");
        clickButton(world->second(), "Command3");
        clickButton(world->second(), "Command4");
        QCOMPARE(world->prompts.initialNames.size(), 2); // both dialogs shown, both cancelled

        const QString bad = world->path("bad.txt");
        writeBytes(bad, "0\tClub\r\n6\t3\r\n0\tSpark\r\n");
        world->prompts.QueueFileAnswer(bad);
        clickButton(world->second(), "Command4");
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(39) + u' ' + bad});
        for (int row = 0; row < 3; ++row) // the rows before the failing line are loaded
            QCOMPARE(entryBox(*world, row)->currentText(), QStringList({"Club", "Long Bow", "Grey Robe"})[row]);

        const QString nowhere = world->path("missing/plan.txt");
        world->prompts.QueueFileAnswer(nowhere);
        clickButton(world->second(), "Command3");
        QCOMPARE(world->prompts.messages.last(), world->captions().entry(38) + u' ' + nowhere);
        // A name chosen without a suffix is saved with the choice files' own.
        world->prompts.QueueFileAnswer(world->path("out_plan"));
        clickButton(world->second(), "Command3");
        QVERIFY(readBytes(world->path("out_plan.txt")).startsWith("0\tClub"));
    }

    // A French plan opened in English takes the English names in the load's one step, and a
    // row is marked while, and only while, it names nothing.
    void goalsInAnotherLanguageAreTranslatedAndRowsNamingNothingMarked()
    {
        auto world = startWorld("english");
        copyLanguage(BREVATH_DATA, "french", world->dir.path());
        openChoiceScreen(*world);
        const GoalRows fresh = world->session().goals;
        const QString examples = QStringLiteral(BREVATH_DATA "/examples/");
        const auto read = [&](const char *name) {
            return ReadGoalRows(examples + QLatin1String(name), world->captions(), fresh.typeCount).rows.texts;
        };
        const auto french = read("french_mage.txt"), english = read("english_mage.txt");
        const int differing = int(
            std::inner_product(french.begin(), french.end(), english.begin(), 0, std::plus<>(), std::not_equal_to<>()));
        world->prompts.QueueFileAnswer(examples + QStringLiteral("french_mage.txt"));
        clickButton(world->second(), "Command4");
        QCOMPARE(world->session().goals.texts, english);
        QCOMPARE(world->prompts.messages, QStringList{TranslatedGoalsMessage(differing)});
        QAction *undo = control<QAction>(world->second(), "undoAction");
        undo->trigger();
        QCOMPARE(world->session().goals, fresh);

        // Per row from 0: x marked (tooltip and colour), . neither, ? only one of them.
        const auto marks = [&] {
            const QColor plain = entryBox(*world, 80)->lineEdit()->palette().color(QPalette::Text);
            QString seen;
            for (int row = 0; row < 4; ++row) {
                const bool tip = !entryBox(*world, row)->toolTip().isEmpty();
                const bool red = entryBox(*world, row)->lineEdit()->palette().color(QPalette::Text) != plain;
                seen += tip && red ? u'x' : tip || red ? u'?' : u'.';
            }
            return seen;
        };
        typeText(*world, 0, "Sparkk");
        chooseType(*world, 1, 78);
        typeText(*world, 1, "Sparkk"); // a statistic's value is no name
        QCOMPARE(marks(), "x...");
        clickButton(world->second(), "Down_0");
        QCOMPARE(marks(), "xx..");
        typeText(*world, 0, "Spark");
        QCOMPARE(marks(), ".x..");
        undo->trigger();
        QCOMPARE(marks(), "xx..");
    }
};

QTEST_MAIN(ChoiceTest)
#include "test_ui_choice.moc"
