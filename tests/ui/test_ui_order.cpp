// The order dialog: nothing comes back unless the player accepts a suggestion. The choice
// screen's undo test takes an accepted suggestion as one of its steps.

#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "OrderDialog.h"
#include "UiWorld.h"

using namespace brevath;
using namespace brevath::testing;

class OrderDialogTest : public QObject
{
    Q_OBJECT

    Workspace m_world = fixtureWorld();

private slots:
    void onlyAnAcceptedSuggestionComesBack_data()
    {
        QTest::addColumn<bool>("waitForIt");
        QTest::addColumn<QString>("button");
        QTest::newRow("cancelled while searching") << false << QStringLiteral("cancel");
        QTest::newRow("refused") << true << QStringLiteral("cancel");
        QTest::newRow("accepted") << true << QStringLiteral("apply");
    }
    void onlyAnAcceptedSuggestionComesBack()
    {
        QFETCH(bool, waitForIt);
        QFETCH(QString, button);
        // Str 200 listed before five light statistic targets.
        GoalRows rows = FreshGoalRows(m_world.captions, 10);
        const QStringList texts{"200", "14", "16", "18", "20", "22"};
        for (int i = 0; i < texts.size(); ++i) {
            rows.texts[size_t(i)] = texts[i];
            rows.kinds[size_t(i)] = PackStatTarget(i == 0 ? Str : Sag, 0);
        }
        const GoalRows before = rows;
        ui::OrderDialog dialog(m_world, rows, 2); // the player was on row 3
        dialog.show();
        auto *pinned = control<QListWidget>(dialog, "pinned");
        auto *progress = control<QProgressBar>(dialog, "progress");
        QComboBox *objective = control<QComboBox>(dialog, "objective"), *goal = control<QComboBox>(dialog, "goal");
        QPushButton *suggest = control<QPushButton>(dialog, "suggest"), *apply = control<QPushButton>(dialog, "apply");
        // Each goal as the result list names it; no progress before a search.
        QCOMPARE(pinned->item(0)->text(), "1. " + m_world.captions.entry(Caption::StatNameBase + Str) + " : 200");
        QVERIFY(!progress->isVisible() && !goal->isEnabled()); // the sum comes first, and needs no goal
        suggest->click();
        if (waitForIt) {
            // The dialog stays usable: the goal of row 3 as early as possible, suggested again.
            for (const int round : {0, 1}) {
                QTRY_VERIFY_WITH_TIMEOUT(apply->isEnabled(), 60000);
                QCOMPARE(control<QTableWidget>(dialog, "preview")->rowCount(), 6);
                QCOMPARE(progress->value(), 100);
                QVERIFY(objective->isEnabled() && pinned->isEnabled() && suggest->isEnabled());
                if (round == 0) {
                    objective->setCurrentIndex(1);
                    QVERIFY(goal->isEnabled() && goal->currentText().startsWith(u"3. "));
                    suggest->click();
                    QVERIFY(!apply->isEnabled() && !suggest->isEnabled());
                }
            }
        }
        control<QPushButton>(dialog, button)->click();
        QCOMPARE(rows, before);
        if (button == QLatin1String("cancel")) {
            QVERIFY(dialog.result() == QDialog::Rejected && !dialog.AcceptedOrder());
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::optional<std::array<int, kChoiceRows>> order = dialog.AcceptedOrder();
        QVERIFY(order);
        std::array<int, kChoiceRows> sorted = *order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < kChoiceRows; ++i)
            QCOMPARE(sorted[size_t(i)], i);
        QVERIFY((*order)[0] != 0); // the heavy goal no longer leads
    }

    // The chosen goal first, named; a goal never reached is said so, never as the level the
    // scores count it at.
    void theSummarySaysWhatChanges_data()
    {
        QTest::addColumn<int>("goal");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("said");
        QTest::newRow("lower sum") << -1 << QList<int>{20, 30} << QList<int>{20, 25}
                                   << "Sum of the levels: 45 instead of 50.";
        QTest::newRow("goal sooner")
            << 0 << QList<int>{20, 30} << QList<int>{15, 40}
            << "Row 2 (Club): level 15 instead of level 20. Sum of the levels: 55 instead of 50.";
        QTest::newRow("reached at last") << 1 << QList<int>{20, kNeverReached} << QList<int>{20, 150}
                                         << "Row 2 (Club): level 150 instead of never reached. Goals never reached: 0 "
                                            "instead of 1.";
        QTest::newRow("still never") << -1 << QList<int>{kNeverReached, 9} << QList<int>{kNeverReached, 8}
                                     << "Goals never reached: 1, no change.";
    }
    void theSummarySaysWhatChanges()
    {
        QFETCH(int, goal);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        OrderSuggestion suggestion;
        suggestion.levelsBefore.assign(before.begin(), before.end());
        suggestion.levelsAfter.assign(after.begin(), after.end());
        suggestion.before = ScoreOf(suggestion.levelsBefore);
        suggestion.after = ScoreOf(suggestion.levelsAfter);
        QTEST(ui::OrderDialog::ChangeSummary(suggestion, OrderObjective::Soonest(goal), QStringLiteral("Row 2 (Club)")),
              "said");
    }
};

QTEST_MAIN(OrderDialogTest)
#include "test_ui_order.moc"
