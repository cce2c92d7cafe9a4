#pragma once
// Dialogs answered from a script: for tests and the screenshot tour, where nobody clicks.

#include <QStringList>
#include <deque>

#include "Prompts.h"

namespace brevath::ui {

class ScriptedPrompts final : public Prompts
{
public:
    // The next file dialog, save or open, gives this path; with none queued it is cancelled.
    void QueueFileAnswer(const QString &path) { m_fileAnswers.push_back(path); }

    void ShowMessage(QWidget *parent, const QString &text) override;
    QString SaveFileName(QWidget *parent, const QString &initialName) override;
    QString OpenFileName(QWidget *parent, const QString &initialName) override;

    QStringList messages;       // every message shown, in order
    QStringList initialNames;   // the name each file dialog opened with
    int saveDialogs = 0;
    int openDialogs = 0;

private:
    QString nextAnswer(const QString &initialName);

    std::deque<QString> m_fileAnswers;
};

} // namespace brevath::ui
