#include "ChoiceHistory.h"

#include <QUndoStack>

namespace brevath::ui {

class RowsChange : public QUndoCommand
{
public:
    RowsChange(ChoiceHistory &history, ChoiceRowsState before, ChoiceRowsState after)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    // The change is already on screen when it is pushed.
    void redo() override
    {
        if (m_done)
            m_history.apply(m_after);
        m_done = true;
    }
    void undo() override { m_history.apply(m_before); }

private:
    ChoiceHistory &m_history;
    ChoiceRowsState m_before, m_after;
    bool m_done = false;
};

ChoiceHistory::ChoiceHistory(QObject *parent, Capture capture, Restore restore)
    : QObject(parent), m_capture(std::move(capture)), m_restore(std::move(restore)), m_stack(new QUndoStack(this))
{
}

void ChoiceHistory::Reset()
{
    m_stack->clear();
    m_last = m_capture();
}

void ChoiceHistory::Begin()
{
    if (m_depth++ > 0)
        return;
    RecordTyping();
    m_before = m_capture();
}

void ChoiceHistory::End()
{
    if (--m_depth > 0)
        return;
    ChoiceRowsState after = m_capture();
    if (after != m_before)
        push(std::move(m_before), after);
    m_last = std::move(after);
}

void ChoiceHistory::RecordTyping()
{
    if (m_depth > 0 || m_last.empty())
        return;
    ChoiceRowsState now = m_capture();
    // Typing changes texts only; whatever else the rows hold now, they held before it too.
    ChoiceRowsState before = now;
    for (size_t i = 0; i < before.size() && i < m_last.size(); ++i)
        before[i].text = m_last[i].text;
    if (before != now)
        push(std::move(before), now);
    m_last = std::move(now);
}

void ChoiceHistory::Undo()
{
    RecordTyping();
    m_stack->undo();
}

void ChoiceHistory::Redo()
{
    RecordTyping();
    m_stack->redo();
}

void ChoiceHistory::push(ChoiceRowsState before, ChoiceRowsState after)
{
    m_stack->push(new RowsChange(*this, std::move(before), std::move(after)));
}

void ChoiceHistory::apply(const ChoiceRowsState &rows)
{
    m_restore(rows);
    m_last = rows;
}

} // namespace brevath::ui
