#pragma once
// The choice screen's undo history: each step keeps the rows as they were before it and as
// it left them, so undoing and redoing give back types, kinds, texts and lists exactly.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QUndoStack;

namespace brevath::ui {

struct ChoiceRowState
{
    int type = 0;            // position in the row's type list
    std::int32_t kind = 0;
    QString text;
    bool sharedList = true;  // the build's list, not one of the row's own

    bool operator==(const ChoiceRowState &) const = default;
};
using ChoiceRowsState = std::vector<ChoiceRowState>;

class ChoiceHistory : public QObject
{
    Q_OBJECT

public:
    using Capture = std::function<ChoiceRowsState()>;
    using Restore = std::function<void(const ChoiceRowsState &)>;

    ChoiceHistory(QObject *parent, Capture capture, Restore restore);

    QUndoStack *Stack() const { return m_stack; }

    // Forgets every step: the rows as they are now are where history starts.
    void Reset();
    // Everything done between the outermost Begin and its End is one step; text typed
    // before it and not yet recorded becomes a step of its own first.
    void Begin();
    void End();
    // Text typed since the last step, now finished, becomes one step.
    void RecordTyping();

    void Undo();
    void Redo();

private:
    friend class RowsChange;
    void push(ChoiceRowsState before, ChoiceRowsState after);
    void apply(const ChoiceRowsState &rows);

    Capture m_capture;
    Restore m_restore;
    QUndoStack *m_stack;
    ChoiceRowsState m_last;   // the rows as the last step, undo or redo left them
    ChoiceRowsState m_before; // the rows when the outermost Begin came
    int m_depth = 0;
};

// Brackets a step: one per action of the player, however many rows it changes.
class ChoiceStep
{
public:
    explicit ChoiceStep(ChoiceHistory &history) : m_history(history) { m_history.Begin(); }
    ~ChoiceStep() { m_history.End(); }
    ChoiceStep(const ChoiceStep &) = delete;
    ChoiceStep &operator=(const ChoiceStep &) = delete;

private:
    ChoiceHistory &m_history;
};

} // namespace brevath::ui
