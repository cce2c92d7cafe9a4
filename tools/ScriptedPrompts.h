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
    QString SaveFileName(QWidget *, const QString &initialName) override { return answer(initialName); }
    QString OpenFileName(QWidget *, const QString &initialName) override { return answer(initialName); }

    QStringList messages; // every message shown, in order
    QStringList initialNames; // the name each file dialog opened with, one per dialog

private:
    QString answer(const QString &initialName);

    QStringList m_fileAnswers;
};

} // namespace brevath::ui
