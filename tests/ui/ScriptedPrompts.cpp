#include "ScriptedPrompts.h"

namespace brevath::ui {

void ScriptedPrompts::ShowMessage(QWidget *, const QString &text)
{
    messages << text;
}

QString ScriptedPrompts::SaveFileName(QWidget *, const QString &initialName)
{
    ++saveDialogs;
    return nextAnswer(initialName);
}

QString ScriptedPrompts::OpenFileName(QWidget *, const QString &initialName)
{
    ++openDialogs;
    return nextAnswer(initialName);
}

QString ScriptedPrompts::nextAnswer(const QString &initialName)
{
    initialNames << initialName;
    if (m_fileAnswers.empty())
        return QString();
    const QString answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

} // namespace brevath::ui
