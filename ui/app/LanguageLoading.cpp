// The program's side of the language: loading it, and the dialog that changes it.

#include <QRadioButton>

#include "LanguageSettings.h"
#include "Translations.h"
#include "FirstScreen.h"
#include "HelpScreen.h"
#include "Language.h"
#include "Program.h"
#include "SecondScreen.h"
#include "ThirdScreen.h"

namespace brevath::ui {

void Program::LoadLanguage()
{
    // An unreadable settings file is no error to report: it is the first run.
    const std::optional<QStringList> captionMessages = LoadLanguageSettings(m_workspace, m_paths);
    if (!captionMessages) {
        ShowLanguageDialog();
        return;
    }
    // Before any message: its button speaks the language too.
    UseTranslations(m_paths.dataDir, m_workspace.language.language);
    for (const QString &message : *captionMessages)
        showMessage(message);
    m_first->ApplyCaptions(m_workspace.captions);
    m_help->ApplyCaptions(m_workspace.captions);
    m_second->ApplyCaptions(m_workspace.captions);
    m_third->ApplyCaptions(m_workspace.captions);
    for (const QString &message : m_workspace.LoadCatalogue())
        showMessage(message);
}

void Program::ShowLanguageDialog()
{
    // Centred on the start screen as it was last placed, even partly off the desktop.
    const QRect start = m_first->frameGeometry();
    const QRect dialog = m_language->frameGeometry();
    m_language->move(start.x() + start.width() / 2 - dialog.width() / 2,
                     start.y() + start.height() / 2 - dialog.height() / 2);
    m_language->show();
    m_first->hide();
}

void Program::changeLanguage()
{
    if (!MakeSettingsFolder(m_paths) || !WriteLanguageWord(m_paths.settingsFile(), m_language->ChosenWord())) {
        showMessage(QStringLiteral("Could not change language"));
        return;
    }
    LoadLanguage();
    m_first->show();
    m_language->hide();
}

} // namespace brevath::ui
