// Editing on the choice screen: suggestions while typing, undo and redo, the clipboard and
// share codes.

#include <QAbstractItemView>
#include <QCompleter>
#include <QTimer>
#include <QUndoStack>

#include "UiWorld.h"
#include "OrderDialog.h"
#include "ShareCode.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

const QString kAccented = "Épée <dorée> & \"fine\"";

QLineEdit *edit(UiWorld &world, int row)
{
    return entryBox(world, row)->lineEdit();
}

QCompleter *completer(UiWorld &world)
{
    return control<QCompleter>(world.second(), "EntryCompleter");
}

// A key as the player presses it: the suggestions window has the keyboard while it is open.
void press(UiWorld &world, QWidget *focused, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QAbstractItemView *popup = completer(world)->popup();
    QTest::keyClick(popup->isVisible() ? popup : focused, key, modifiers);
}

// Typed key by key into an emptied row; Enter ends it unless the player stops otherwise.
void typeInto(UiWorld &world, int row, const QString &text, Qt::Key end = Qt::Key_Return)
{
    edit(world, row)->setFocus();
    edit(world, row)->clear();
    QTest::keyClicks(edit(world, row), text);
    press(world, edit(world, row), end);
}

QStringList suggestions(UiWorld &world)
{
    QStringList names;
    for (int i = 0; i < completer(world)->completionModel()->rowCount(); ++i)
        names << completer(world)->completionModel()->index(i, 0).data().toString();
    return names;
}

// The rows the workspace holds, and what the screen shows of each.
using Rows = std::pair<GoalRows, QStringList>;

Rows rowsOf(UiWorld &world)
{
    Rows rows{world.session().goals, {}};
    for (int i = 0; i < kChoiceRows; ++i)
        rows.second << typeList(world, i)->currentText() + u'|' + entryBox(world, i)->currentText() + u'|'
                + listItems(entryBox(world, i)).join(u'|');
    return rows;
}

// Every step undone: the rows of the first build.
void undoAll(UiWorld &world)
{
    world.second().findChild<QUndoStack *>()->setIndex(0);
}

} // namespace

class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void suggestionsMatchAnywhereAndTypingIsUndoneByTheStep()
    {
        auto world = choiceWorld();
        // Typed after the placeholder of an empty row, only what was typed is looked for.
        QTest::keyClicks(edit(*world, 0), "epee");
        QCOMPARE(suggestions(*world), QStringList{kAccented});
        chooseType(*world, 5, 14); // weapons: Club and Twin Axe
        const QList<std::tuple<int, QString, QStringList>> cases = {
            {0, "DORÉE", {kAccented}}, {0, "bo", {"Short Bow", "Long Bow"}}, {0, "zzz", {}}, {5, "a", {"Twin Axe"}}};
        for (const auto &[row, typed, expected] : cases) {
            typeInto(*world, row, typed, Qt::Key_Escape);
            QCOMPARE(suggestions(*world), expected);
            QCOMPARE(world->session().goals.texts[size_t(row)], typed);
        }

        typeInto(*world, 2, "gre", Qt::Key_Down); // to the first suggestion
        press(*world, edit(*world, 2), Qt::Key_Return);
        QCOMPARE(world->session().goals.texts[2], "Grey Robe");
        typeInto(*world, 3, "clu");
        QCOMPARE(world->session().goals.texts[3], "clu");

        // Typing underway, its suggestions open, is one step; a typing ended and one begun
        // again in the same row are two; back and forth keeps the rows and their steps.
        const Rows typed = rowsOf(*world);
        QTest::keyClicks(edit(*world, 4), "Spa");
        QVERIFY(completer(*world)->popup()->isVisible());
        press(*world, edit(*world, 4), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), typed);
        typeInto(*world, 3, "Long Bow");
        QTest::keyClicks(edit(*world, 3), "x\b"); // typed and taken back: no step
        trigger(world->second(), "undoAction");
        QCOMPARE(rowsOf(*world), typed);
        chooseType(*world, 1, 79);
        const Rows chosen = rowsOf(*world);
        clickButton(world->second(), "Command1");
        openChoiceScreen(*world);
        QCOMPARE(rowsOf(*world), chosen);
        trigger(world->second(), "undoAction");
        QCOMPARE(rowsOf(*world), typed);
    }

    void undoAndRedoRestoreEveryStepExactly()
    {
        auto world = choiceWorld();
        std::vector<Rows> states = {rowsOf(*world)};
        const auto step = [&](const std::function<void()> &act) {
            act();
            states.push_back(rowsOf(*world));
        };
        step([&] { chooseType(*world, 1, 78); });
        step([&] { typeInto(*world, 1, "44"); }); // key by key, one step
        step([&] { chooseType(*world, 2, 13); });
        step([&] { QTest::keyClick(edit(*world, 2), Qt::Key_Down); }); // an entry from the list
        step([&] { typeInto(*world, 0, "Club"); });
        step([&] { clickButton(world->second(), "Down_0"); });
        step([&] { // Str 200 before light targets, which the order assistant puts first
            writeBytes(world->path("plan.txt"), "1\t200\r\n4\t14\r\n4\t16\r\n4\t18\r\n4\t20\r\n4\t22\r\n0\tSpark\r\n");
            world->prompts.QueueFileAnswer(world->path("plan.txt"));
            clickButton(world->second(), "Command4");
        });
        step([&] {
            QTimer::singleShot(0, [&] {
                auto *dialog = world->second().findChild<ui::OrderDialog *>();
                clickButton(*dialog, "suggest");
                QVERIFY(QTest::qWaitFor([&] { return control<QWidget>(*dialog, "apply")->isEnabled(); }, 60000));
                clickButton(*dialog, "apply");
            });
            trigger(world->second(), "suggestOrderAction");
            QApplication::setActiveWindow(&world->second()); // offscreen, no window manager gives it back
            QVERIFY(rowsOf(*world).second.indexOf(states.back().second[0]) > 0); // the Str row moved whole
        });
        step([&] {
            QGuiApplication::clipboard()->setText("2\t7\r\n");
            trigger(world->second(), "pasteAction");
        });
        QCOMPARE(QList<QString>(states[6].first.texts.begin(), states[6].first.texts.begin() + 4),
                 QStringList({"Club", "Club", "44", "Short Bow"}));
        for (size_t i = 1; i < states.size(); ++i)
            QVERIFY2(!(states[i] == states[i - 1]), qPrintable(QStringLiteral("step %1 changed nothing").arg(i)));

        // Undone by Ctrl+Z in an entry box, redone by Ctrl+Shift+Z and Ctrl+Y in a type list.
        for (size_t i = states.size() - 1; i > 0; --i) {
            press(*world, edit(*world, 9), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(rowsOf(*world), states[i - 1]);
        }
        press(*world, edit(*world, 9), Qt::Key_Z, Qt::ControlModifier); // nothing left to undo
        QCOMPARE(rowsOf(*world), states[0]);
        for (size_t i = 1; i < states.size(); ++i) {
            QTest::keyClick(typeList(*world, 9), i % 2 ? Qt::Key_Y : Qt::Key_Z,
                            i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(rowsOf(*world), states[i]);
        }
    }

    // The list travels by file, by Ctrl+Shift+C/V and by share code; a box keeps its own keys.
    void theGoalListHasItsOwnKeysAndABoxKeepsItsOwn()
    {
        auto world = choiceWorld();
        QClipboard *clipboard = QGuiApplication::clipboard();
        typeInto(*world, 0, "Club");
        chooseType(*world, 1, 78);
        typeInto(*world, 1, "30.4");
        typeText(*world, 3, kAccented); // beyond what the test keyboard can type
        chooseType(*world, 4, 13);
        typeInto(*world, 4, "Long Bow");

        QTest::keyClick(edit(*world, 2), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
        const QString code = clipboard->text();
        QVERIFY(code.startsWith("brevath2:"));
        QTest::keyClick(typeList(*world, 0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = clipboard->text();
        const QString path = world->path("plan.txt");
        world->prompts.QueueFileAnswer(path);
        clickButton(world->second(), "Command3");
        QCOMPARE(copied, DecodeWindows1252(readBytes(path)));

        // In a box, its own text: a part copied, cut, and a name pasted in.
        edit(*world, 4)->setSelection(0, 4);
        QTest::keyClick(edit(*world, 4), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), "Long");
        QTest::keyClick(edit(*world, 4), Qt::Key_X, Qt::ControlModifier);
        clipboard->setText("Short");
        QTest::keyClick(edit(*world, 4), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(world->session().goals.texts[4], "Short Bow");
        QCOMPARE(world->session().goals.texts[0], "Club");

        // Pasted into fresh rows, the list gives the rows a load of the file gives; Ctrl+V
        // away from any text box is no paste of it.
        undoAll(*world);
        const Rows fresh = rowsOf(*world);
        world->prompts.QueueFileAnswer(path);
        clickButton(world->second(), "Command4");
        QCOMPARE(world->prompts.initialNames.last(), path); // the dialog offers the last name chosen
        const Rows fromFile = rowsOf(*world);
        QCOMPARE(QList<QString>(fromFile.first.texts.begin(), fromFile.first.texts.begin() + 4),
                 QStringList({"Club", "30", kAccented, "Long Bow"}));
        undoAll(*world);
        clipboard->setText(copied);
        QTest::keyClick(typeList(*world, 0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), fresh);
        QTest::keyClick(edit(*world, 7), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowsOf(*world), fromFile);
        QVERIFY(world->prompts.messages.isEmpty());

        // The share code gives the same rows. What is no goal list or a refused code changes
        // nothing and says so: the code's own fault, or that the clipboard holds no list.
        undoAll(*world);
        clipboard->setText(code);
        trigger(world->second(), "pasteAction");
        QCOMPARE(rowsOf(*world), fromFile);
        QVERIFY(world->prompts.messages.takeFirst().contains(u"start screen")); // it brought its sheet along
        QString damaged = code;
        damaged[12] = damaged[12] == u'A' ? u'B' : u'A';
        const SharedPlan unknown{.goals = {{0, 0, {1, 100000}}}}; // an entry the catalogue lacks
        const QString noList = "The clipboard holds neither a goal list nor a share code.";
        for (const QString &text : {QString("Long Bow"), QString("0\tClub\r\n6\t3\r\n0\tSpark\r\n"), QString(),
                                    code.chopped(3), damaged, "brevath3:" + code.mid(9), EncodeShareCode(unknown)}) {
            clipboard->setText(text);
            trigger(world->second(), "pasteAction");
            QCOMPARE(rowsOf(*world), fromFile);
            QCOMPARE(world->prompts.messages.size(), 1);
            const QString said = world->prompts.messages[0];
            QVERIFY2(text.startsWith("brevath") ? said != noList : said == noList, qPrintable(said));
            world->prompts.messages.clear();
        }

        // A list that cannot be written is not copied, in either form.
        chooseType(*world, 5, 79);
        typeInto(*world, 5, "70000");
        clipboard->setText("kept");
        for (const char *copy : {"copyAction", "copyCodeAction"}) {
            trigger(world->second(), copy);
            QVERIFY(world->prompts.messages.last().startsWith("Nothing was copied"));
            QCOMPARE(clipboard->text(), "kept");
        }

        // Pasted over a statistic's row, a goal takes its own category's type and list.
        clipboard->setText("0\tClub\r\n0\tGrey Robe\r\n");
        trigger(world->second(), "pasteAction");
        QCOMPARE(typeList(*world, 1)->currentText(), world->captions().entry(15));
        QCOMPARE(listItems(entryBox(*world, 1)), QStringList({world->captions().entry(67), "Grey Robe"}));
    }
};

QTEST_MAIN(EditingTest)
#include "test_ui_editing.moc"
