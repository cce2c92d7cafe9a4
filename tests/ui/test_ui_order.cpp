// The order dialog: nothing comes back unless the player accepts a suggestion, and the choice
// screen takes what comes back as one step.

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "Controls.h"
#include "OrderDialog.h"
#include "TestWorld.h"
#include "UiWorld.h"

using namespace brevath;
using namespace brevath::testing;

class OrderDialogTest : public QObject
{
    Q_OBJECT

    Workspace m_world = fixtureWorld();
    GoalRows m_rows;

private slots:
    // Str 200 listed before five light statistic targets.
    void init()
    {
        m_rows = FreshGoalRows(m_world.captions, 10);
        const QStringList texts{QStringLiteral("200"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                                QStringLiteral("20"), QStringLiteral("22")};
        for (int i = 0; i < texts.size(); ++i) {
            m_rows.texts[size_t(i)] = texts[i];
            m_rows.kinds[size_t(i)] = PackStatTarget(i == 0 ? Str : Sag, 0);
        }
    }

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
        const GoalRows before = m_rows;
        ui::OrderDialog dialog(m_world, m_rows);
        dialog.show();
        dialog.Suggest->click();
        if (waitForIt) {
            QTRY_VERIFY_WITH_TIMEOUT(dialog.Apply->isEnabled(), 60000);
            QCOMPARE(dialog.Preview->rowCount(), 6);
            QCOMPARE(dialog.Progress->value(), 100);
        }
        dialog.findChild<QPushButton *>(button)->click();
        QCOMPARE(m_rows, before);
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

    // From the choice screen, an accepted suggestion is one undo step.
    void theChoiceScreenTakesAnAcceptedOrderAsOneStep()
    {
        auto world = startWorld();
        openChoiceScreen(*world);
        for (int i = 0; i < 6; ++i) {
            pickType(*world, i, world->session().goals.typeCount - (i == 0 ? 5 : 2)); // Str, then Sag
            typeText(*world, i, m_rows.texts[size_t(i)]);
        }
        const GoalRows before = world->session().goals;
        QTimer::singleShot(0, [&] {
            auto *dialog = world->second().findChild<ui::OrderDialog *>();
            dialog->Suggest->click();
            QTest::qWaitFor([&] { return dialog->Apply->isEnabled(); }, 60000);
            dialog->Apply->click();
        });
        control<QAction>(world->second(), QStringLiteral("SuggestOrderAction"))->trigger();
        QVERIFY(world->session().goals.texts[0] != before.texts[0]);
        QCOMPARE(entryBox(*world, 0)->currentText(), world->session().goals.texts[0]);
        control<QAction>(world->second(), QStringLiteral("UndoAction"))->trigger();
        QCOMPARE(world->session().goals, before);
    }
};

QTEST_MAIN(OrderDialogTest)
#include "test_ui_order.moc"
