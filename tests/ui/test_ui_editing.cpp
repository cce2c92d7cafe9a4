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
    types->setCurrentIndex(types->findText(world.captions().entry(captionEntry)));
}

QAbstractItemView *suggestionsPopup(UiWorld &world);

// A key as the player presses it: the suggestions window has the keyboard while it is open.
void press(UiWorld &world, QWidget *focused, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QAbstractItemView *popup = suggestionsPopup(world);
    QTest::keyClick(popup->isVisible() ? popup : focused, key, modifiers);
}

// As the player types: key by key into a row, then Enter.
void typeInto(UiWorld &world, int row, const QString &text)
{
    QLineEdit *edit = entryEdit(world, row);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
    press(world, edit, Qt::Key_Return);
}

// Everything a row holds: type, kind, text and the items of its entry list.
struct Rows
{
    QStringList types, texts;
    QList<QStringList> lists;
    RowKinds kinds{};

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
    rows.kinds = world.session().goals.kinds;
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
    control<QPushButton>(world.second(), QStringLiteral("Command1"))->click();
    enterChoiceScreen(world);
}

std::unique_ptr<UiWorld> choiceWorld()
{
    auto world = startWorld();
    enterChoiceScreen(*world);
    return world;
}

QAction *action(UiWorld &world, const char *name)
{
    return control<QAction>(world.second(), QLatin1String(name));
}

QCompleter *completer(UiWorld &world)
{
    return control<QCompleter>(world.second(), QStringLiteral("EntryCompleter"));
}

QAbstractItemView *suggestionsPopup(UiWorld &world)
{
    return completer(world)->popup();
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
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("DORÉE"));
        QCOMPARE(suggestions(*world), QStringList{kAccented});
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("bo"));
        QCOMPARE(suggestions(*world), QStringList({"Short Bow", "Long Bow"}));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("zzz"));
        QVERIFY(!completer(*world)->popup()->isVisible());

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
        QCOMPARE(entryBox(*world, 2)->currentText(), QStringLiteral("Grey Robe"));

        // Typed without taking a suggestion, a text stays exactly as typed.
        typeInto(*world, 3, QStringLiteral("clu"));
        QCOMPARE(entryBox(*world, 3)->currentText(), QStringLiteral("clu"));
        typeInto(*world, 4, QStringLiteral("Club"));
        QCOMPARE(entryBox(*world, 4)->currentText(), QStringLiteral("Club"));
        entryEdit(*world, 5)->clear();
        QTest::keyClicks(entryEdit(*world, 5), QStringLiteral("long"));
        press(*world, entryEdit(*world, 5), Qt::Key_Escape);
        QCOMPARE(entryBox(*world, 5)->currentText(), QStringLiteral("long"));

        button(*world, "Command2")->click();
        QCOMPARE(world->session().choices.rows.size(), size_t(2)); // "clu" and "long" name nothing
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
        step([&] { typeInto(*world, 1, QStringLiteral("44")); });
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
        QCOMPARE(states[4].texts[2], QStringLiteral("Short Bow"));
        QCOMPARE(states[6].texts.mid(0, 4), QStringList({"Club", "Club", "44", "Short Bow"}));
        for (size_t i = 1; i < states.size(); ++i)
            QVERIFY2(!(states[i] == states[i - 1]), qPrintable(QStringLiteral("step %1 changed nothing").arg(i)));

        for (size_t i = states.size() - 1; i > 0; --i) {
            action(*world, "UndoAction")->trigger();
            QCOMPARE(rowsOf(*world), states[i - 1]);
        }
        action(*world, "UndoAction")->trigger(); // nothing left to undo
        QCOMPARE(rowsOf(*world), states[0]);
        for (size_t i = 1; i < states.size(); ++i) {
            action(*world, "RedoAction")->trigger();
            QCOMPARE(rowsOf(*world), states[i]);
        }
    }

    void theKeysUndoAndRedoEvenFromAnEntryBox()
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
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Spa"));
        QVERIFY(suggestionsPopup(*world)->isVisible());
        press(*world, edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), typed);
    }

    void aRebuildFromTheStartScreenClearsTheHistory()
    {
        auto world = choiceWorld();
        typeInto(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, 79);
        rebuild(*world);
        const Rows rebuilt = rowsOf(*world);
        action(*world, "UndoAction")->trigger();
        QCOMPARE(rowsOf(*world), rebuilt);
    }

    void theClipboardRoundTripIsAChoiceFileRoundTrip()
    {
        auto world = choiceWorld();
        typeInto(*world, 0, QStringLiteral("Club"));
        chooseType(*world, 1, 78);
        typeInto(*world, 1, QStringLiteral("30.4"));
        entryBox(*world, 3)->setEditText(kAccented); // beyond what the test keyboard can type
        chooseType(*world, 4, 13);
        typeInto(*world, 4, QStringLiteral("Long Bow"));

        QTest::keyClick(typeList(*world, 0), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command3")->click();
        QCOMPARE(copied, DecodeWindows1252(readBytes(path)));

        // Loaded from the file into a fresh build, and pasted into another.
        rebuild(*world);
        world->prompts.QueueFileAnswer(path);
        button(*world, "Command4")->click();
        const Rows fromFile = rowsOf(*world);
        rebuild(*world);
        QTest::keyClick(entryEdit(*world, 7), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rowsOf(*world), fromFile);
        QCOMPARE(fromFile.texts.mid(0, 4), QStringList({"Club", "30", kAccented, "Long Bow"}));
        // A paste is one step.
        action(*world, "UndoAction")->trigger();
        QCOMPARE(entryBox(*world, 0)->currentText(), world->captions().entry(33) + QStringLiteral(" 1"));
        QVERIFY(world->prompts.messages.isEmpty());
    }

    void clipboardFailuresSpeakAsFileFailuresDo()
    {
        auto world = choiceWorld();
        const CaptionTable &c = world->captions();
        typeInto(*world, 2, QStringLiteral("Grey Robe"));
        QGuiApplication::clipboard()->setText(QStringLiteral("0\tClub\r\n6\t3\r\n0\tSpark\r\n"));
        action(*world, "PasteAction")->trigger();
        QCOMPARE(world->prompts.messages, QStringList{c.entry(39) + QStringLiteral(" (clipboard)")});
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Club"));
        QCOMPARE(entryBox(*world, 2)->currentText(), QStringLiteral("Grey Robe"));

        chooseType(*world, 5, 79);
        typeInto(*world, 5, QStringLiteral("70000"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        action(*world, "CopyAction")->trigger();
        QCOMPARE(world->prompts.messages.last(), c.entry(38) + QStringLiteral(" (clipboard)"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void aNameOnTheClipboardIsPastedIntoTheBox()
    {
        auto world = choiceWorld();
        typeInto(*world, 0, QStringLiteral("Club"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Long Bow"));
        QLineEdit *edit = entryEdit(*world, 1);
        edit->setFocus();
        edit->clear();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(entryBox(*world, 1)->currentText(), QStringLiteral("Long Bow"));
        QCOMPARE(entryBox(*world, 0)->currentText(), QStringLiteral("Club"));
    }
};

QTEST_MAIN(EditingTest)
#include "test_ui_editing.moc"
