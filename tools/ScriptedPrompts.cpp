#include "ScriptedPrompts.h"

namespace brevath::ui {

QString ScriptedPrompts::answer(const QString &initialName)
{
    initialNames << initialName;
    return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.takeFirst();
}

} // namespace brevath::ui
