// The order dialog: nothing comes back unless the player accepts a suggestion. The choice
// screen's undo test takes an accepted suggestion as one of its steps.

#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "OrderDialog.h"
#include "TestWorld.h"

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
        QTest::newRow("cancelled while searching") << false << QStringLiteral("Cancel");
        QTest::newRow("refused") << true << QStringLiteral("Cancel");
        QTest::newRow("accepted") << true << QStringLiteral("Apply");
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
        ui::OrderDialog dialog(m_world, rows);
        dialog.show();
        dialog.Suggest->click();
        if (waitForIt) {
            QTRY_VERIFY_WITH_TIMEOUT(dialog.Apply->isEnabled(), 60000);
            QCOMPARE(dialog.Preview->rowCount(), 6);
            QCOMPARE(dialog.Progress->value(), 100);
        }
        dialog.findChild<QPushButton *>(button)->click();
        QCOMPARE(rows, before);
        if (button == QLatin1String("Cancel")) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!dialog.AcceptedOrder());
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
};

QTEST_MAIN(OrderDialogTest)
#include "test_ui_order.moc"
