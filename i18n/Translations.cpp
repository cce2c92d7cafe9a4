#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace brevath {

QString LanguageCode(const QString &languageWord)
{
    if (languageWord == QLatin1String("english"))
        return QStringLiteral("en");
    if (languageWord == QLatin1String("french"))
        return QStringLiteral("fr");
    if (languageWord == QLatin1String("german"))
        return QStringLiteral("de");
    return QString();
}

namespace {

// One translator per catalogue, alive while installed.
struct Installed
{
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

std::unique_ptr<QTranslator> install(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

void UseTranslations(const QString &dataDir, const QString &languageWord)
{
    Installed &now = installed();
    now.program.reset(); // a translator removes itself from the application as it goes
    now.qt.reset();
    const QString code = LanguageCode(languageWord);
    // The source texts are English: there is nothing to load for it.
    if (code.isEmpty() || code == QLatin1String("en"))
        return;
    now.program = install(QStringLiteral("brevath_") + code, dataDir + QStringLiteral("/translations"));
    now.qt = install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace brevath
