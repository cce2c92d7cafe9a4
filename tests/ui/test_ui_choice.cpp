// The choice screen: its rows, type and entry lists, scrolling, the row shift and choice files.

#include <QAbstractItemView>
#include <QCheckBox>
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

// Picks the type item of this caption entry, as the player does.
void chooseType(UiWorld &world, int row, int captionEntry)
{
    QComboBox *types = typeList(world, row);
    const int position = types->findText(world.captions().entry(captionEntry));
    QVERIFY(position >= 0);
    types->setCurrentIndex(position);
    emit types->activated(position);
}

// Text put in a row as a typing player would.
void typeEntry(UiWorld &world, int row, const QString &text)
{
    QLineEdit *edit = entryBox(world, row)->lineEdit();
    edit->setText(text);
    emit edit->textEdited(text);
}

QPushButton *button(UiWorld &world, const char *name)
{
    return control<QPushButton>(world.second(), QLatin1String(name));
}

QString placeholder(UiWorld &world, int row)
{
    return world.captions().entry(33) + QStringLiteral(" %1").arg(row + 1);
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
    void aBuildGivesEveryRowTheTickedTypesThePlaceholderAndOneSharedList()
    {
        auto world = startWorld();
        for (int k = 1; k <= kCategoryCount; ++k)
            control<QCheckBox>(world->first(), QStringLiteral("Check%1").arg(k))->setChecked(k == 1 || k == 3);
        openChoiceScreen(*world);
        const CaptionTable &c = world->captions();
        const QStringList types = {c.entry(75), c.entry(13), c.entry(14), c.entry(78),
                                   c.entry(79), c.entry(80), c.entry(81), c.entry(82)};
        for (int row = 0; row <= ui::SecondScreen::lNMax; ++row) {
            QCOMPARE(listItems(typeList(*world, row)), types);
            QCOMPARE(typeList(*world, row)->currentIndex(), 0);
            QCOMPARE(entryBox(*world, row)->currentText(), placeholder(*world, row));
            QCOMPARE(entryBox(*world, row)->model(), entryBox(*world, 0)->model());
            QCOMPARE(entryBox(*world, row)->isVisibleTo(&world->second()), row < 15);
        }
        QCOMPARE(listItems(entryBox(*world, 80)), QStringList({c.entry(67), "Short Bow", "Long Bow", "Club", "Twin Axe"}));
        QCOMPARE(world->session().goals, FreshGoalRows(c, 8));

        QComboBox *box = entryBox(*world, 7);
        box->showPopup();
        QCOMPARE(box->view()->model()->rowCount(), 5);
        box->hidePopup();
        // Over a row the wheel moves the rows, never the row's type.
        QWheelEvent wheel(QPointF(5, 5), typeList(*world, 3)->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(typeList(*world, 3), &wheel);
        QCOMPARE(typeList(*world, 3)->currentIndex(), 0);
        QVERIFY(control<QScrollBar>(world->second(), QStringLiteral("VScroll1"))->value() > 0);
    }

    void choosingATypeGivesTheRowItsListAndText()
    {
        auto world = choiceWorld();
        const CaptionTable &c = world->captions();
        chooseType(*world, 5, 14);
        QCOMPARE(listItems(entryBox(*world, 5)), QStringList({c.entry(67), "Club", "Twin Axe"}));
        QCOMPARE(entryBox(*world, 5)->currentText(), c.entry(67));
        QVERIFY(entryBox(*world, 4)->model() != entryBox(*world, 5)->model());

        typeEntry(*world, 2, QStringLiteral("Club"));
        chooseType(*world, 2, 80);
        QCOMPARE(world->session().goals.kinds[2], 3 * 65536);
        QCOMPARE(entryBox(*world, 2)->count(), 0);
        QCOMPARE(entryBox(*world, 2)->currentText(), QString());
    }

    void scrollingPlacesTheRowsAndDownActsOnTheRowInItsSlot()
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

        chooseType(*world, 78, 13);
        typeEntry(*world, 78, QStringLiteral("Long Bow"));
        typeEntry(*world, 80, QStringLiteral("Club"));
        button(*world, "Down_13")->click(); // row 78
        QCOMPARE(typeList(*world, 79)->currentText(), world->captions().entry(13));
        QCOMPARE(entryBox(*world, 79)->currentText(), QStringLiteral("Long Bow"));
        QCOMPARE(entryBox(*world, 80)->currentText(), placeholder(*world, 79));
        // Each shifted row's list matches its new type.
        QCOMPARE(entryBox(*world, 79)->model(), entryBox(*world, 78)->model());
        QCOMPARE(entryBox(*world, 79)->count(), 3);
    }

    void enteringAgainRebuildsEveryListFromTheStartScreen()
    {
        auto world = choiceWorld();
        chooseType(*world, 0, 14);
        typeEntry(*world, 0, QStringLiteral("Club"));
        button(*world, "Command1")->click();
        control<QCheckBox>(world->first(), QStringLiteral("Check1"))->setChecked(false);
        control<QLineEdit>(world->first(), QStringLiteral("MText1"))->setText(QStringLiteral("20"));
        openChoiceScreen(*world);
        // No bow, each entry once, and nothing needing more than Str 20: Club needs exactly
        // that, Twin Axe and the accented armour more.
        QCOMPARE(listItems(entryBox(*world, 0)),
                 QStringList({world->captions().entry(67), "Grey Robe", "Club", "Hide Vest", "Spark", "Blaze"}));
        QCOMPARE(entryBox(*world, 0)->currentText(), placeholder(*world, 0));
        QCOMPARE(typeList(*world, 0)->currentIndex(), 0);
    }

    void choicesSavedAndLoadedBack()
    {
        auto world = choiceWorld();
        typeEntry(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, 78);
        typeEntry(*world, 1, QStringLiteral("30.4"));
        const QString accented = QStringLiteral("Épée <dorée> & \"fine\"");
        typeEntry(*world, 3, accented);
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command3")->click();
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n1\t30\r\n0\t\xC9p\xE9" "e <dor\xE9" "e> & \"fine\"\r\n"));

        // A fresh build empties the rows; the file brings them back.
        button(*world, "Command1")->click();
        openChoiceScreen(*world);
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.initialNames.last(), path);
        QCOMPARE(typeList(*world, 1)->currentText(), world->captions().entry(78));
        const QStringList texts = {"Club", "30", accented, placeholder(*world, 3)};
        for (int row = 0; row < texts.size(); ++row)
            QCOMPARE(entryBox(*world, row)->currentText(), texts[row]);
        QCOMPARE(world->session().goals.kinds[1], 65536);
        QVERIFY(world->prompts.messages.isEmpty());
    }

    void fileFailuresAndCancelsAreReportedOrHarmless()
    {
        auto world = choiceWorld();
        typeEntry(*world, 1, QStringLiteral("Long Bow"));
        typeEntry(*world, 2, QStringLiteral("Grey Robe"));
        button(*world, "Command3")->click();
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.saveDialogs + world->prompts.openDialogs, 2);
        QVERIFY(world->prompts.messages.isEmpty());

        const QString bad = world->path(QStringLiteral("bad.txt"));
        writeBytes(bad, "0\tClub\r\n6\t3\r\n0\tSpark\r\n");
        world->prompts.QueueFileAnswer(bad);
        button(*world, "Command4")->click();
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(39) + u' ' + bad});
        const QStringList texts = {"Club", "Long Bow", "Grey Robe"};
        for (int row = 0; row < texts.size(); ++row)
            QCOMPARE(entryBox(*world, row)->currentText(), texts[row]);

        const QString folder = world->path(QStringLiteral("english"));
        world->prompts.QueueFileAnswer(folder);
        button(*world, "Command3")->click();
        QCOMPARE(world->prompts.messages.last(), world->captions().entry(38) + u' ' + folder);
    }

    void theResultsScreenPlansTheRowsAndComesBackToThem()
    {
        auto world = choiceWorld();
        chooseType(*world, 0, 79);
        typeEntry(*world, 0, QStringLiteral("70000"));
        button(*world, "Command2")->click();
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(Caption::CommitFailed)});
        QVERIFY(world->second().isVisible());

        chooseType(*world, 0, 15);
        typeEntry(*world, 0, QStringLiteral("Grey Robe"));
        typeEntry(*world, 1, QStringLiteral("typed by hand"));
        const GoalRows left = world->session().goals;
        button(*world, "Command2")->click();
        QVERIFY(world->third().isVisible());
        QVERIFY(!world->second().isVisible());
        QCOMPARE(world->third().pos(), world->first().pos());
        QCOMPARE(world->session().choices.rows.size(), size_t(1));
        control<QPushButton>(world->third(), QStringLiteral("Command2"))->click();
        QVERIFY(world->second().isVisible());
        QCOMPARE(world->session().goals.texts, left.texts);
        QCOMPARE(typeList(*world, 0)->currentText(), world->captions().entry(15));
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Grey Robe"));
        QCOMPARE(entryBox(*world, 1)->currentText(), QStringLiteral("typed by hand"));
    }
};

QTEST_MAIN(ChoiceTest)
#include "test_ui_choice.moc"
