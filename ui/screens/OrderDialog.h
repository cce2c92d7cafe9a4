#pragma once
// "Suggest an order…": the player picks an objective (the lowest sum, or one goal as early as
// possible) and the rows that stay put, the
// assistant searches in the background, and the dialog previews what the suggestion would
// change. Nothing is applied here; the caller applies an accepted order as one undo step.

#include <QDialog>
#include <array>
#include <atomic>
#include <optional>
#include <thread>

#include "OrderAssistant.h"

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace brevath {
struct Workspace;
}

namespace brevath::ui {

class OrderDialog : public QDialog
{
    Q_OBJECT

public:
    // The goal offered first is the one on focusRow, else the last.
    OrderDialog(const Workspace &workspace, const GoalRows &rows, int focusRow = -1, QWidget *parent = nullptr);
    ~OrderDialog() override;

    // Only once the player has accepted a suggestion: entry i is the row that moves to row i.
    std::optional<std::array<int, kChoiceRows>> AcceptedOrder() const { return m_accepted; }
    // What the suggestion changes, in words: the chosen goal's level when there is one (named
    // goalName), then the sum; a goal never reached is said so, an equal score is no change.
    static QString ChangeSummary(const OrderSuggestion &suggestion, OrderObjective objective,
                                 const QString &goalName = {});

signals:
    void searchEnded();

private:
    void startSearch();
    void showSuggestion(const OrderSuggestion &suggestion);
    void stopSearch();
    OrderObjective objective() const;
    // The objective, the pins and Suggest wait while a search runs, and only then; the goal
    // list serves only its objective.
    void setSearching(bool searching);

    QComboBox *m_objective;
    QComboBox *m_goal; // the goal rows, for the objective of one goal
    QListWidget *m_pinned;
    QPushButton *m_suggest;
    QProgressBar *m_progress;
    QLabel *m_summary;
    QTableWidget *m_preview;
    QPushButton *m_apply;
    QPushButton *m_cancelButton;

    const Workspace &m_workspace;
    RowGoals m_goals;
    OrderObjective m_searched; // what the last search lowered
    OrderSuggestion m_suggestion;
    std::optional<std::array<int, kChoiceRows>> m_accepted;
    std::atomic<bool> m_cancel{false};
    std::thread m_search;
};

} // namespace brevath::ui
