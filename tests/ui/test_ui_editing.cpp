// Editing on the choice screen: suggestions while typing, undo and redo, the clipboard.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>

#include "UiWorld.h"
#include "TextFile.h"
#include "CaptionTable.h"
#include "Controls.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QLineEdit *entryEdit(UiWorld &world, int row)
{
    return entryBox(world, row)->lineEdit();
}

QPushButton *button(UiWorld &world, const char *name)
{
    return control<QPushButton>(world.second(), QLatin1String(name));
}

void chooseType(UiWorld &world, int row, int captionEntry)
{
    QComboBox *types = typeList(world, row);
    const int position = types->findText(world.captions().entry(captionEntry));
    types->setCurrentIndex(position);
    emit types->activated(position);
}

QCompleter *completer(UiWorld &world)
{
    return control<QCompleter>(world.second(), QStringLiteral("EntryCompleter"));
}

// A key as the player presses it: the suggestions window has the keyboard while it is open.
void press(UiWorld &world, QWidget *focused, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QAbstractItemView *popup = completer(world)->popup();
    QTest::keyClick(popup->isVisible() ? popup : focused, key, modifiers);
}

// Typing into a row, key by key after emptying it, then Enter.
void typeInto(UiWorld &world, int row, const QString &text)
{
    QLineEdit *edit = entryEdit(world, row);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    press(world, edit, Qt::Key_Return);
}

// Everything the screen shows of a row, beside the rows the workspace holds.
struct Rows
{
    QStringList types, texts;
    QList<QStringList> lists;
    GoalRows goals;

    bool operator==(const Rows &) const = default;
};

Rows rowsOf(UiWorld &world)
{
    Rows rows;
    for (int i = 0; i < kChoiceRows; ++i) {
        rows.types << typeList(world, i)->currentText();
        rows.texts << entryBox(world, i)->currentText();
        rows.lists << listItems(entryBox(world, i));
    }
    rows.goals = world.session().goals;
    return rows;
}

// The start screen's "Prochaine Page", the choice screen then being the window at work.
void enterChoiceScreen(UiWorld &world)
{
    openChoiceScreen(world);
    // Shortcuts reach the window that has the focus.
    QApplication::setActiveWindow(&world.second());
}

// Back to the start screen and on again: the rows are built afresh.
void rebuild(UiWorld &world)
{
    button(world, "Command1")->click();
    enterChoiceScreen(world);
}

std::unique_ptr<UiWorld> choiceWorld()
{
    auto world = startWorld();
    enterChoiceScreen(*world);
    return world;
}

void trigger(UiWorld &world, const char *action)
{
    control<QAction>(world.second(), QLatin1String(action))->trigger();
}

QStringList suggestions(UiWorld &world)
{
    QStringList names;
    QAbstractItemModel *model = completer(world)->completionModel();
    for (int i = 0; i < model->rowCount(); ++i)
        names << model->index(i, 0).data().toString();
    return names;
}

const QString kAccented = QStringLiteral("Épée <dorée> & \"fine\"");

} // namespace

class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void suggestionsMatchAnywhereWithoutCaseOrAccents()
    {
        auto world = choiceWorld();
        QLineEdit *edit = entryEdit(*world, 0);
        edit->setFocus();
        // Typed after the placeholder of an empty row, only what was typed is looked for.
        QTest::keyClicks(edit, QStringLiteral("epee"));
        QCOMPARE(edit->text(), world->captions().entry(33) + QStringLiteral(" 1epee"));
        QVERIFY(completer(*world)->popup()->isVisible());
        QCOMPARE(suggestions(*world), QStringList{kAccented});
        const QList<std::pair<QString, QStringList>> cases = {
            {"DORÉE", {kAccented}}, {"bo", {"Short Bow", "Long Bow"}}, {"zzz", {}}};
        for (const auto &[typed, expected] : cases) {
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(completer(*world)->popup()->isVisible(), !expected.isEmpty());
            if (!expected.isEmpty())
                QCOMPARE(suggestions(*world), expected);
        }

        // Only what the row's own list holds: weapons are Club and Twin Axe.
        chooseType(*world, 5, 14);
        entryEdit(*world, 5)->setFocus();
        entryEdit(*world, 5)->clear();
        QTest::keyClicks(entryEdit(*world, 5), QStringLiteral("a"));
        QCOMPARE(suggestions(*world), QStringList{"Twin Axe"});
    }

    void aSuggestionTakenFillsTheBoxAndTypingAloneIsKept()
    {
        auto world = choiceWorld();
        QLineEdit *edit = entryEdit(*world, 2);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("gre"));
        QAbstractItemView *popup = completer(*world)->popup();
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(world->session().goals.texts[2], QStringLiteral("Grey Robe"));

        // Typed without taking a suggestion, a text stays exactly as typed.
        typeInto(*world, 3, QStringLiteral("clu"));
        typeInto(*world, 4, QStringLiteral("Club"));
        entryEdit(*world, 5)->setFocus();
        entryEdit(*world, 5)->clear();
        QTest::keyClicks(entryEdit(*world, 5), QStringLiteral("long"));
        press(*world, entryEdit(*world, 5), Qt::Key_Escape);
        for (const auto &[row, text] : {std::pair{3, "clu"}, {4, "Club"}, {5, "long"}})
            QCOMPARE(world->session().goals.texts[size_t(row)], QLatin1String(text));
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
        step([&] { typeInto(*world, 1, QStringLiteral("44")); }); // key by key, one step
        step([&] { chooseType(*world, 2, 13); });
        step([&] {
            // An entry chosen from the row's list.
            entryEdit(*world, 2)->setFocus();
            QTest::keyClick(entryEdit(*world, 2), Qt::Key_Down);
        });
        step([&] { typeInto(*world, 0, QStringLiteral("Club")); });
        step([&] { button(*world, "Down_0")->click(); });
        step([&] {
            const QString path = world->path(QStringLiteral("plan.txt"));
            writeBytes(path, "0\tSpark\r\n3\t25\r\n");
            world->prompts.QueueFileAnswer(path);
            button(*world, "Command4")->click();
        });
        step([&] {
            QGuiApplication::clipboard()->setText(QStringLiteral("2\t7\r\n"));
            trigger(*world, "PasteAction");
        });
        QCOMPARE(states[4].texts[2], QStringLiteral("Short Bow"));
        QCOMPARE(states[6].texts.mid(0, 4), QStringList({"Club", "Club", "44", "Short Bow"}));
        for (size_t i = 1; i < states.size(); ++i)
            QVERIFY2(!(states[i] == states[i - 1]), qPrintable(QStringLiteral("step %1 changed nothing").arg(i)));

        for (size_t i = states.size() - 1; i > 0; --i) {
            trigger(*world, "UndoAction");
            QCOMPARE(rowsOf(*world), states[i - 1]);
        }
        trigger(*world, "UndoAction"); // nothing left to undo
        QCOMPARE(rowsOf(*world), states[0]);
        for (size_t i = 1; i < states.size(); ++i) {
            trigger(*world, "RedoAction");
            QCOMPARE(rowsOf(*world), states[i]);
        }
    }

    void theKeysUndoAndRedoFromAnyBoxAndARebuildForgets()
    {
        auto world = choiceWorld();
        const Rows empty = rowsOf(*world);
        typeInto(*world, 0, QStringLiteral("Club"));
        const Rows typed = rowsOf(*world);
        QLineEdit *edit = entryEdit(*world, 3);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), empty);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowsOf(*world), typed);
        QTest::keyClick(typeList(*world, 4), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(typeList(*world, 4), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), typed);

        // Text still being typed is undone as one step.
        QTest::keyClicks(edit, QStringLiteral("Spa"));
        QVERIFY(completer(*world)->popup()->isVisible());
        press(*world, edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), typed);

        chooseType(*world, 1, 79);
        rebuild(*world);
        const Rows rebuilt = rowsOf(*world);
        trigger(*world, "UndoAction");
        QCOMPARE(rowsOf(*world), rebuilt);
    }

    void theGoalListTravelsByItsOwnKeysAndTheBoxKeysStayTheBoxs()
    {
        auto world = choiceWorld();
        QClipboard *clipboard = QGuiApplication::clipboard();
        typeInto(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, 78);
        typeInto(*world, 1, QStringLiteral("30.4"));
        entryBox(*world, 3)->setEditText(kAccented); // beyond what the test keyboard can type
        emit entryEdit(*world, 3)->textEdited(kAccented);
        chooseType(*world, 4, 13);
        typeInto(*world, 4, QStringLiteral("Long Bow"));

        QTest::keyClick(typeList(*world, 0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = clipboard->text();
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command3")->click();
        QCOMPARE(copied, DecodeWindows1252(readBytes(path)));

        // In a box, the box's own text: a part of it copied, the list pasted as text.
        QLineEdit *edit = entryEdit(*world, 4);
        edit->setFocus();
        edit->setSelection(0, 4);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("Long"));
        edit->setSelection(0, 4);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(world->session().goals.texts[4], QStringLiteral(" Bow"));
        clipboard->setText(QStringLiteral("Short"));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(world->session().goals.texts[4], QStringLiteral("Short Bow"));
        QCOMPARE(world->session().goals.texts[0], QStringLiteral("Club"));

        // Pasted into a fresh build, the list gives the rows a load of the file gives.
        rebuild(*world);
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command4")->click();
        const Rows fromFile = rowsOf(*world);
        rebuild(*world);
        clipboard->setText(copied);
        QTest::keyClick(entryEdit(*world, 7), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowsOf(*world), fromFile);
        QCOMPARE(fromFile.texts.mid(0, 4), QStringList({"Club", "30", kAccented, "Long Bow"}));
        QVERIFY(world->prompts.messages.isEmpty());
    }

    void aPasteThatIsNoGoalListLeavesTheRowsAndSaysSo()
    {
        auto world = choiceWorld();
        const CaptionTable &c = world->captions();
        typeInto(*world, 2, QStringLiteral("Grey Robe"));
        const Rows before = rowsOf(*world);
        for (const QString &text : {QStringLiteral("Long Bow"), QStringLiteral("0\tClub\r\n6\t3\r\n0\tSpark\r\n"),
                                    QString()}) {
            QGuiApplication::clipboard()->setText(text);
            trigger(*world, "PasteAction");
            QCOMPARE(rowsOf(*world), before);
            QCOMPARE(world->prompts.messages.takeLast(), c.entry(39) + QStringLiteral(" (clipboard)"));
        }
        // Ctrl+V away from any text box is no paste of the list.
        QTest::keyClick(typeList(*world, 0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), before);

        chooseType(*world, 5, 79);
        typeInto(*world, 5, QStringLiteral("70000"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        trigger(*world, "CopyAction");
        QCOMPARE(world->prompts.messages.last(), c.entry(38) + QStringLiteral(" (clipboard)"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(EditingTest)
#include "test_ui_editing.moc"
