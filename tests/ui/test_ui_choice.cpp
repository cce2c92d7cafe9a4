// The choice screen: its rows, type and entry lists, scrolling, the row shift and choice files.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "UiWorld.h"
#include "CaptionTable.h"
#include "Controls.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// Picks the type item of this text, as the player does.
void chooseType(UiWorld &world, int row, const QString &item)
{
    QComboBox *types = typeList(world, row);
    const int position = types->findText(item);
    QVERIFY2(position >= 0, qPrintable(item));
    types->setCurrentIndex(position);
}

void typeEntry(UiWorld &world, int row, const QString &text)
{
    entryBox(world, row)->setEditText(text);
}

QPushButton *button(UiWorld &world, const char *name)
{
    return control<QPushButton>(world.second(), QLatin1String(name));
}

std::unique_ptr<UiWorld> choiceWorld()
{
    auto world = startWorld();
    openChoiceScreen(*world);
    return world;
}

} // namespace

class ChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void typeListsOfferTheTickedCategoriesAndTheStatistics()
    {
        auto world = startWorld();
        for (int k = 1; k <= kCategoryCount; ++k)
            control<QCheckBox>(world->first(), QStringLiteral("Check%1").arg(k))->setChecked(k == 1 || k == 3);
        openChoiceScreen(*world);
        const CaptionTable &c = world->captions();
        const QStringList expected = {c.entry(75), c.entry(13), c.entry(14), c.entry(78),
                                      c.entry(79), c.entry(80), c.entry(81), c.entry(82)};
        for (int row : {0, 1, 40, 80})
            QCOMPARE(listItems(typeList(*world, row)), expected);
        QCOMPARE(typeList(*world, 80)->currentIndex(), 0);
    }

    void aBuildGivesEveryRowThePlaceholderAndOneSharedList()
    {
        auto world = choiceWorld();
        const CaptionTable &c = world->captions();
        const QStringList offered = {c.entry(67), "Short Bow", "Long Bow", "Grey Robe", "Club", "Twin Axe",
                                     "Hide Vest", QStringLiteral("Épée <dorée> & \"fine\""), "Spark", "Blaze"};
        for (int row = 0; row <= ui::SecondScreen::lNMax; ++row) {
            QVERIFY(world->second().SharesEntryList(row));
            QCOMPARE(entryBox(*world, row)->currentText(), c.entry(33) + QStringLiteral(" %1").arg(row + 1));
            QCOMPARE(entryBox(*world, row)->isVisibleTo(&world->second()), row < 15);
        }
        QCOMPARE(listItems(entryBox(*world, 80)), offered);
        QCOMPARE(entryBox(*world, 1)->model(), entryBox(*world, 79)->model());
    }

    void theSharedListOpensInAnyRowAndTheWheelScrollsTheRows()
    {
        auto world = choiceWorld();
        QComboBox *box = entryBox(*world, 7);
        box->showPopup();
        QVERIFY(box->view()->isVisible());
        QCOMPARE(box->view()->model()->rowCount(), 10);
        box->hidePopup();

        // Over a row the wheel moves the rows, never the row's type.
        QComboBox *types = typeList(*world, 3);
        QWheelEvent wheel(QPointF(5, 5), types->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(types, &wheel);
        QCOMPARE(types->currentIndex(), 0);
        QVERIFY(control<QScrollBar>(world->second(), QStringLiteral("VScroll1"))->value() > 0);
    }

    void aMaximumHidesEntriesThatNeedMore()
    {
        auto world = startWorld();
        control<QLineEdit>(world->first(), QStringLiteral("MText1"))->setText(QStringLiteral("20"));
        openChoiceScreen(*world);
        const QStringList items = listItems(entryBox(*world, 3));
        QVERIFY(items.contains(QStringLiteral("Club")));       // needs exactly Str 20
        QVERIFY(!items.contains(QStringLiteral("Twin Axe")));  // needs Str 60
        QVERIFY(!items.contains(QStringLiteral("Épée <dorée> & \"fine\""))); // Str 25
    }

    void choosingACategoryGivesTheRowItsOwnList()
    {
        auto world = choiceWorld();
        chooseType(*world, 5, world->captions().entry(14));
        QCOMPARE(listItems(entryBox(*world, 5)), QStringList({world->captions().entry(67), "Club", "Twin Axe"}));
        QCOMPARE(entryBox(*world, 5)->currentText(), world->captions().entry(67));
        QCOMPARE(world->session().goals.kinds[5], 0);
        QVERIFY(!world->second().SharesEntryList(5));
        QVERIFY(world->second().SharesEntryList(4));
    }

    void choosingAStatisticLeavesAnEmptyBoxForTheValue()
    {
        auto world = choiceWorld();
        typeEntry(*world, 2, QStringLiteral("Club"));
        chooseType(*world, 2, world->captions().entry(80));
        QCOMPARE(world->session().goals.kinds[2], 3 * 65536);
        QCOMPARE(entryBox(*world, 2)->count(), 0);
        QCOMPARE(entryBox(*world, 2)->currentText(), QString());
    }

    void scrollingShowsTheLastRowsAndDownInTheLastSlotCopiesRow79()
    {
        auto world = choiceWorld();
        auto *scroll = control<QScrollBar>(world->second(), QStringLiteral("VScroll1"));
        // The last row can be scrolled into view too.
        scroll->setValue(scroll->maximum());
        QVERIFY(entryBox(*world, 80)->isVisibleTo(&world->second()));
        QCOMPARE(typeList(*world, 80)->geometry().topLeft(), QPoint(24, 32 + 14 * 26));
        scroll->setValue(65);
        QVERIFY(!entryBox(*world, 64)->isVisibleTo(&world->second()));
        QVERIFY(!entryBox(*world, 80)->isVisibleTo(&world->second()));
        QCOMPARE(typeList(*world, 65)->geometry().topLeft(), QPoint(24, 32));
        QCOMPARE(entryBox(*world, 79)->geometry().topLeft(), QPoint(288, 32 + 14 * 26));

        chooseType(*world, 79, world->captions().entry(78));
        typeEntry(*world, 79, QStringLiteral("44"));
        typeEntry(*world, 80, QStringLiteral("Club"));
        button(*world, "Down_14")->click();
        QCOMPARE(typeList(*world, 80)->currentText(), world->captions().entry(78));
        QCOMPARE(entryBox(*world, 80)->currentText(), QStringLiteral("44"));
        QCOMPARE(world->session().goals.kinds[80], 1 * 65536);
        QCOMPARE(entryBox(*world, 79)->currentText(), QStringLiteral("44"));
    }

    void downInTheFirstSlotShiftsTheRowsBelow()
    {
        auto world = choiceWorld();
        typeEntry(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, world->captions().entry(13));
        typeEntry(*world, 1, QStringLiteral("Long Bow"));
        chooseType(*world, 2, world->captions().entry(79));
        typeEntry(*world, 2, QStringLiteral("33"));
        button(*world, "Down_0")->click();

        QStringList texts, types;
        for (int row = 0; row <= 4; ++row) {
            texts << entryBox(*world, row)->currentText();
            types << typeList(*world, row)->currentText();
        }
        const CaptionTable &c = world->captions();
        QCOMPARE(texts, QStringList({"Club", "Club", "Long Bow", "33", c.entry(33) + QStringLiteral(" 4")}));
        QCOMPARE(types, QStringList({c.entry(75), c.entry(75), c.entry(13), c.entry(79), c.entry(75)}));
        // Each shifted row's list matches its new type.
        QCOMPARE(listItems(entryBox(*world, 2)), QStringList({c.entry(67), "Short Bow", "Long Bow"}));
        QCOMPARE(entryBox(*world, 3)->count(), 0);
        QCOMPARE(world->session().goals.kinds[3], 2 * 65536);
    }

    void enteringAgainAfterUntickingRebuildsEveryList()
    {
        auto world = choiceWorld();
        chooseType(*world, 0, world->captions().entry(14));
        typeEntry(*world, 0, QStringLiteral("Club"));
        button(*world, "Command1")->click();
        control<QCheckBox>(world->first(), QStringLiteral("Check3"))->setChecked(false);
        openChoiceScreen(*world);
        const QStringList items = listItems(entryBox(*world, 0));
        QVERIFY(!items.contains(QStringLiteral("Club")));
        QCOMPARE(items.count(QStringLiteral("Short Bow")), 1);
        QCOMPARE(entryBox(*world, 0)->currentText(), world->captions().entry(33) + QStringLiteral(" 1"));
        QCOMPARE(typeList(*world, 0)->currentIndex(), 0);
        QVERIFY(world->second().SharesEntryList(0));
    }

    void choicesSavedAndLoadedBack()
    {
        auto world = choiceWorld();
        typeEntry(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, world->captions().entry(78));
        typeEntry(*world, 1, QStringLiteral("30.4"));
        const QString accented = QStringLiteral("Épée <dorée> & \"fine\"");
        typeEntry(*world, 3, accented);
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command3")->click();
        // Windows-1252 on disk, whatever the text holds on screen.
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n1\t30\r\n0\t\xC9p\xE9" "e <dor\xE9" "e> & \"fine\"\r\n"));
        QVERIFY(world->prompts.messages.isEmpty());

        // A fresh build empties the rows; the file brings them back.
        button(*world, "Command1")->click();
        openChoiceScreen(*world);
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.initialNames.last(), path);
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Club"));
        QCOMPARE(typeList(*world, 1)->currentText(), world->captions().entry(78));
        QCOMPARE(entryBox(*world, 1)->currentText(), QStringLiteral("30"));
        QCOMPARE(world->session().goals.kinds[1], 65536);
        QCOMPARE(entryBox(*world, 2)->currentText(), accented);
        QCOMPARE(entryBox(*world, 3)->currentText(), world->captions().entry(33) + QStringLiteral(" 4"));
        QVERIFY(world->prompts.messages.isEmpty());
    }

    void aLoadStopsAtALineNamingNoStatistic()
    {
        auto world = choiceWorld();
        typeEntry(*world, 1, QStringLiteral("Long Bow"));
        typeEntry(*world, 2, QStringLiteral("Grey Robe"));
        const QString path = world->path(QStringLiteral("bad.txt"));
        writeBytes(path, "0\tClub\r\n6\t3\r\n0\tSpark\r\n");
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(39) + u' ' + path});
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Club"));
        QCOMPARE(entryBox(*world, 1)->currentText(), QStringLiteral("Long Bow"));
        QCOMPARE(entryBox(*world, 2)->currentText(), QStringLiteral("Grey Robe"));
    }

    void cancelledDialogsChangeNothing()
    {
        auto world = choiceWorld();
        typeEntry(*world, 0, QStringLiteral("Club"));
        button(*world, "Command3")->click();
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.saveDialogs + world->prompts.openDialogs, 2);
        QVERIFY(world->prompts.messages.isEmpty());
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Club"));
        QVERIFY(QDir(world->dir.path()).entryList({QStringLiteral("*.tmp*")}).isEmpty());
    }

    void aFailedSaveReportsAndLeavesTheFileAsItWas()
    {
        auto world = choiceWorld();
        typeEntry(*world, 0, QStringLiteral("Club"));
        const QString folder = world->path(QStringLiteral("english"));
        world->prompts.QueueFileAnswer(folder);
        button(*world, "Command3")->click();
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(38) + u' ' + folder});

        const QString existing = world->path(QStringLiteral("kept.txt"));
        writeBytes(existing, "0\tLong Bow\r\n");
        world->prompts.QueueFileAnswer(existing);
        {
            WritesFail fail;
            button(*world, "Command3")->click();
        }
        QCOMPARE(world->prompts.messages.size(), 2);
        QCOMPARE(readBytes(existing), QByteArray("0\tLong Bow\r\n"));
    }

    void aTargetOutOfRangeKeepsTheChoiceScreen()
    {
        auto world = choiceWorld();
        chooseType(*world, 0, world->captions().entry(79));
        typeEntry(*world, 0, QStringLiteral("70000"));
        button(*world, "Command2")->click();
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(Caption::CommitFailed)});
        QVERIFY(world->second().isVisible());
        QVERIFY(!world->third().isVisible());
    }

    void theResultsScreenComesBackToTheRowsAsLeft()
    {
        auto world = choiceWorld();
        chooseType(*world, 0, world->captions().entry(15));
        typeEntry(*world, 0, QStringLiteral("Grey Robe"));
        typeEntry(*world, 1, QStringLiteral("typed by hand"));
        button(*world, "Command2")->click();
        QVERIFY(world->third().isVisible());
        QCOMPARE(world->third().pos(), world->first().pos());
        control<QPushButton>(world->third(), QStringLiteral("Command2"))->click();
        QVERIFY(world->second().isVisible());
        QVERIFY(!world->third().isVisible());
        QCOMPARE(typeList(*world, 0)->currentText(), world->captions().entry(15));
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Grey Robe"));
        QCOMPARE(entryBox(*world, 1)->currentText(), QStringLiteral("typed by hand"));
    }
};

QTEST_MAIN(ChoiceTest)
#include "test_ui_choice.moc"
