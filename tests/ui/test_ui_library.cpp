// The library of plans across a restart, and the level each goal row shows as it is typed.

#include <QCheckBox>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>

#include "EntryCompleter.h"
#include "LibraryModel.h"
#include "LibraryWindow.h"
#include "UiWorld.h"

using namespace brevath;
using namespace brevath::testing;
using namespace Qt::StringLiterals;

namespace {

ui::LibraryWindow &library(UiWorld &world)
{
    return world.program->Library();
}

// The names the library shows, or another column, in its order.
QStringList listed(UiWorld &world, int column = ui::LibraryModel::Name)
{
    QStringList names;
    const auto *found = control<QAbstractItemModel>(library(world), "found");
    for (int row = 0; row < found->rowCount(); ++row)
        names << found->index(row, column).data().toString();
    return names;
}

// The named plans selected, then a button pressed on them.
void select(UiWorld &world, const QStringList &names, const char *button = nullptr)
{
    auto *list = control<QTableView>(library(world), "planList");
    list->clearSelection();
    for (const QString &name : names)
        list->selectionModel()->select(list->model()->index(int(listed(world).indexOf(name)), 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (button)
        clickButton(library(world), button);
}

// From the start screen: the choice screen built anew with one goal, back, a sheet value, and
// the plan saved under a name.
void savePlan(UiWorld &world, const QString &goal, const QString &str, const QString &name)
{
    openChoiceScreen(world);
    typeText(world, 0, goal);
    clickButton(world.second(), "Command1");
    control<QLineEdit>(world.first(), "SDText2")->setText(str);
    clickButton(world.first(), "libraryButton");
    world.prompts.QueueText(name);
    clickButton(library(world), "savePlan");
}

QString levelShown(UiWorld &world, int row)
{
    return control<QLabel>(world.second(), ui::ElementName("level", row))->text();
}

} // namespace

class LibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void plansAreKeptFoundOpenedComparedAndRestored()
    {
        auto world = startWorld();
        savePlan(*world, u"Club"_s, u"20"_s, u"Épée d'été"_s);
        savePlan(*world, u"Spark"_s, u"25"_s, u"Mage"_s);
        savePlan(*world, QString(), u"25"_s, u"Vide"_s); // no goal: no last goal to mark
        // Saved again under the first name: the player is asked, and says no.
        world->prompts.QueueText(u"Épée d'été"_s);
        clickButton(library(*world), "savePlan");
        QCOMPARE(world->prompts.questions.size(), 1);

        world->program = std::make_unique<ui::Program>(world->dir.path(), world->prompts);
        world->program->Start();
        settle();
        clickButton(world->first(), "libraryButton");
        QCOMPARE(listed(*world), (QStringList{u"Épée d'été"_s, u"Mage"_s, u"Vide"_s}));
        QVERIFY(listed(*world, ui::LibraryModel::LastGoal)[2].isEmpty());
        control<QLineEdit>(library(*world), "search")->setText(u"EPEE D"_s);
        QCOMPARE(listed(*world), QStringList{u"Épée d'été"_s});

        select(*world, {u"Épée d'été"_s}, "openPlan");
        QVERIFY(world->second().isVisible() && !library(*world).isVisible());
        QCOMPARE(control<QLineEdit>(world->first(), "SDText2")->text(), u"20"_s);
        QCOMPARE(entryBox(*world, 0)->currentText(), u"Club"_s);
        trigger(world->second(), "undoAction"); // the opening is one step
        QCOMPARE(world->session().goals.texts[0], PlaceholderText(world->captions(), 0));
        trigger(world->second(), "redoAction");
        world->prompts.QueueText(u"Note"_s); // then saved again, under its own name: the notes stay
        select(*world, {u"Épée d'été"_s}, "editNotes");
        world->prompts.QueueText(u"Épée d'été"_s);
        clickButton(library(*world), "savePlan");
        QCOMPARE(listed(*world, ui::LibraryModel::Notes), QStringList{u"Note"_s});

        control<QLineEdit>(library(*world), "search")->clear();
        select(*world, {u"Épée d'été"_s, u"Mage"_s}, "comparePlans"); // Club, then the other plan's Spark
        QVERIFY(world->third().isVisible() && world->third().IsComparing());
        QCOMPARE(control<QAbstractItemModel>(world->third(), "comparisonModel")->rowCount(), 2);
        // A plan's page saved from the library is the results screen's page of it.
        world->prompts.QueueFileAnswer(world->path(u"shown.html"_s));
        trigger(world->third(), "savePageAction");
        world->prompts.QueueFileAnswer(world->path(u"kept"_s));
        select(*world, {u"Épée d'été"_s}, "exportPage");
        QCOMPARE(readBytes(world->path(u"kept.html"_s)), readBytes(world->path(u"shown.html"_s)));
        world->prompts.messages.clear();

        select(*world, {u"Mage"_s}, "deletePlan");
        QCOMPARE(listed(*world), (QStringList{u"Épée d'été"_s, u"Vide"_s}));
        control<QCheckBox>(library(*world), "showBin")->setChecked(true);
        select(*world, {u"Mage"_s}, "restorePlan");
        control<QCheckBox>(library(*world), "showBin")->setChecked(false);
        select(*world, {u"Mage"_s}, "duplicatePlan");
        QCOMPARE(listed(*world), (QStringList{u"Épée d'été"_s, u"Mage"_s, u"Mage (2)"_s, u"Vide"_s}));
        QVERIFY(world->prompts.messages.isEmpty());
        select(*world, {u"Mage"_s}, "exportCode"); // a code imported under other ticks keeps its own
        control<QCheckBox>(world->first(), "Check1")->setChecked(false);
        world->prompts.QueueText(u"Shared"_s);
        clickButton(library(*world), "importCode");
        select(*world, {u"Shared"_s}, "openPlan");
        QVERIFY(control<QCheckBox>(world->first(), "Check1")->isChecked());
    }

    // Catalogue goals, a statistic, a name the catalogue lacks (it shows no level) and a target
    // never reached: the levels the rows show are those of the results screen.
    void levelsShowAsGoalsAreTyped()
    {
        auto world = choiceWorld();
        const QStringList texts{u"Club"_s, u"30"_s, u"Clubb"_s, u"65535"_s, u"Spark"_s};
        QStringList shown;
        for (int row = 0; row < texts.size(); ++row) {
            if (row == 1 || row == 3)
                chooseType(*world, row, Caption::StatNameBase + Str);
            typeText(*world, row, texts[row]);
            shown << levelShown(*world, row); // a row's level hangs on the rows above it alone
        }
        QVERIFY(shown[2].isEmpty() && shown[3] == u"—"_s);

        clickButton(world->second(), "Command2");
        QStringList reached;
        for (const int level : world->results().plan().reachedAt)
            reached << (level == kNeverReached ? u"—"_s : QString::number(level));
        shown.removeAt(2);
        QCOMPARE(shown, reached);

        clickButton(world->third(), "Command2");
        trigger(world->second(), "undoAction");
        QCOMPARE(levelShown(*world, 4), QString());
        // A suggestion for the row tells the level it would be reached at there.
        const auto *completer = world->second().findChild<ui::EntryCompleter *>(u"EntryCompleter"_s);
        typeText(*world, 4, u"Spa"_s);
        QCOMPARE(completer->HintFor(u"Spark"_s), reached.last());
    }
};

QTEST_MAIN(LibraryTest)
#include "test_ui_library.moc"
