#include "ChoiceHistory.h"

#include <QUndoStack>

#include "GoalRows.h"

namespace brevath::ui {

namespace {

class RowsChange : public QUndoCommand
{
public:
    RowsChange(GoalRows &rows, GoalRows before, const std::function<void()> &show, std::function<void(bool)> beyond)
        : m_rows(rows), m_before(std::move(before)), m_after(rows), m_show(show), m_beyond(std::move(beyond))
    {}

    void redo() override
    {
        // Pushed, the step is already done, beyond the rows too.
        if (m_beyond && m_done)
            m_beyond(true);
        m_done = true;
        put(m_after);
    }
    void undo() override
    {
        // What lies beyond may rebase every step's rows, this one's included: it goes first.
        if (m_beyond)
            m_beyond(false);
        put(m_before);
    }

    void Map(const std::function<void(GoalRows &)> &map)
    {
        map(m_before);
        map(m_after);
    }

private:
    void put(const GoalRows &rows)
    {
        m_rows = rows;
        m_show();
    }

    GoalRows &m_rows;
    GoalRows m_before, m_after; // the texts are shared, so a copy of 81 rows is cheap
    const std::function<void()> &m_show;
    std::function<void(bool)> m_beyond;
    bool m_done = false;
};

class Typing : public QUndoCommand
{
public:
    Typing(GoalRows &rows, int row, int typing, QString after, const std::function<void()> &show)
        : m_rows(rows), m_row(size_t(row)), m_typing(typing), m_before(rows.texts.at(m_row)), m_after(std::move(after)),
          m_show(show)
    {}

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *typed = static_cast<const Typing *>(other);
        if (typed->m_row != m_row || typed->m_typing != m_typing)
            return false;
        m_after = typed->m_after;
        // Typed and then taken back: no step at all.
        setObsolete(m_after == m_before);
        return true;
    }
    void redo() override { put(m_after); }
    void undo() override { put(m_before); }

private:
    void put(const QString &text)
    {
        m_rows.texts[m_row] = text;
        m_show();
    }

    GoalRows &m_rows;
    size_t m_row;
    int m_typing;
    QString m_before, m_after;
    const std::function<void()> &m_show;
};

} // namespace

ChoiceHistory::ChoiceHistory(QObject *parent, GoalRows &rows, std::function<void()> show)
    : QObject(parent), m_rows(rows), m_show(std::move(show)), m_stack(new QUndoStack(this))
{}

void ChoiceHistory::Reset()
{
    m_stack->clear();
}

void ChoiceHistory::Rebase(const std::function<void(GoalRows &)> &map)
{
    EndTyping();
    for (int i = 0; i < m_stack->count(); ++i) {
        // The stack lends its steps read-only; this is the one place that changes them, all
        // of them alike. A typing holds only a text, which the map keeps.
        if (auto *change = dynamic_cast<RowsChange *>(const_cast<QUndoCommand *>(m_stack->command(i))))
            change->Map(map);
    }
    map(m_rows);
    m_show();
}

void ChoiceHistory::Do(const std::function<void(GoalRows &)> &action, std::function<void(bool forth)> beyond)
{
    const GoalRows before = m_rows;
    action(m_rows);
    if (m_rows == before && !beyond)
        return;
    // Pushing redoes the step, which shows the rows as the action left them.
    m_stack->push(new RowsChange(m_rows, before, m_show, std::move(beyond)));
}

void ChoiceHistory::Type(int row, const QString &text)
{
    if (m_rows.texts.at(size_t(row)) != text)
        m_stack->push(new Typing(m_rows, row, m_typing, text, m_show));
}

} // namespace brevath::ui
