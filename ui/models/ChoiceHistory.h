#pragma once
// The choice screen's undo history, kept on the goal rows themselves: a step holds the rows
// before and after it (typing, one row's text), and the screen shows whatever the rows hold
// once a step is done or undone. No widget is ever recorded.

#include <QObject>
#include <functional>

class QUndoStack;

namespace brevath {
struct GoalRows;
}

namespace brevath::ui {

class ChoiceHistory : public QObject
{
    Q_OBJECT

public:
    // show: the rows have changed, bring the screen in line with them.
    ChoiceHistory(QObject *parent, GoalRows &rows, std::function<void()> show);

    QUndoStack *Stack() const { return m_stack; }

    // Forgets every step: the rows as they are now are where history starts.
    void Reset();
    // The rows and every state a step leads to, mapped alike (to a new build's type lists),
    // so that undo and redo still lead where they did. The map keeps the texts.
    void Rebase(const std::function<void(GoalRows &)> &map);
    // One action of the player, however many rows it changes: one step, if it changes any.
    // beyond: what the action changed outside the rows, put back (false) before the rows on
    // undo and forth (true) on redo; with it the action is a step even where the rows stay.
    void Do(const std::function<void(GoalRows &)> &action, std::function<void(bool forth)> beyond = {});
    // Text typed into a row: typing on in the same row adds to the same step, until the
    // typing ends.
    void Type(int row, const QString &text);
    void EndTyping() { ++m_typing; }

private:
    GoalRows &m_rows;
    std::function<void()> m_show;
    QUndoStack *m_stack;
    int m_typing = 0; // counts the typings ended
};

} // namespace brevath::ui
