#pragma once
// Dialogs answered from a script: for tests and the screenshot tour, where nobody clicks.

#include <QStringList>

#include "Prompts.h"

namespace brevath::ui {

class ScriptedPrompts final : public Prompts
{
public:
    // The next file dialog, save or open, gives this path; with none queued it is cancelled.
    void QueueFileAnswer(const QString &path) { m_fileAnswers << path; }

    void ShowMessage(QWidget *, const QString &text) override { messages << text; }
    QString SaveFileName(QWidget *, const QString &initialName, const QString &) override
    {
        return answer(initialName);
    }
    QString OpenFileName(QWidget *, const QString &initialName) override { return answer(initialName); }
    // The next questions are answered so; with none queued, No.
    void QueueConfirm(bool yes) { m_confirmAnswers << yes; }
    bool Confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return !m_confirmAnswers.isEmpty() && m_confirmAnswers.takeFirst();
    }
    // The next texts asked for are typed so; with none queued, the player cancels.
    void QueueText(const QString &text) { m_textAnswers << text; }
    std::optional<QString> AskText(QWidget *, const QString &, const QString &, bool) override
    {
        return m_textAnswers.isEmpty() ? std::nullopt : std::optional<QString>(m_textAnswers.takeFirst());
    }

    QStringList messages; // every message shown, in order
    QStringList initialNames; // the name each file dialog opened with, one per dialog
    QStringList questions; // every question asked, in order

private:
    QString answer(const QString &initialName);

    QStringList m_fileAnswers;
    QList<bool> m_confirmAnswers;
    QStringList m_textAnswers;
};

} // namespace brevath::ui
