#include "UiWorld.h"

#include <QAbstractItemModelTester>
#include <QCompleter>
#include <QStandardPaths>

#include "LibraryWindow.h"

namespace brevath::testing {

void copyLanguage(const QString &dataDir, const QString &word, const QString &programDir)
{
    QDir(programDir).mkpath(word);
    QFile::copy(dataDir + u'/' + word + ".txt", programDir + u'/' + word + ".txt");
    const QDir catalogue(dataDir + u'/' + word);
    for (const QString &file : catalogue.entryList(QDir::Files))
        QFile::copy(catalogue.filePath(file), programDir + u'/' + word + u'/' + file);
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

std::unique_ptr<UiWorld> startWorld(const QString &settingsWord, bool shipped)
{
    // The window tests never read or write the player's own remembered settings.
    QStandardPaths::setTestModeEnabled(true);
    auto world = std::make_unique<UiWorld>();
    const QString dir = world->dir.path();
    copyLanguage(QStringLiteral(BREVATH_FIXTURES), QStringLiteral("testland"), dir);
    for (const char *word : {"english", "french", "german"}) {
        if (shipped || word == QLatin1String("english"))
            copyLanguage(QStringLiteral(BREVATH_DATA), QLatin1String(word), dir);
    }
    if (shipped) {
        const QDir translations(QStringLiteral(BREVATH_BIN "/translations"));
        QDir(dir).mkpath(QStringLiteral("translations"));
        for (const QString &file : translations.entryList(QDir::Files))
            QFile::copy(translations.filePath(file), dir + QStringLiteral("/translations/") + file);
    }
    if (!settingsWord.isEmpty())
        writeBytes(world->path(QStringLiteral("Brevath.ini")), settingsWord.toLatin1() + "\r\n");
    world->program = std::make_unique<ui::Program>(dir, world->prompts);
    QObject::connect(world->program.get(), &ui::Program::ended, [w = world.get()] { ++w->endings; });
    world->program->Start();
    settle();
    // The program's own models are held to Qt's rules for models whenever they change.
    QAbstractItemModel *const models[] = {&world->results(),
                                          control<QAbstractItemModel>(world->third(), "comparisonModel"),
                                          control<QAbstractItemModel>(world->program->Library(), "plans"),
                                          control<QCompleter>(world->second(), "EntryCompleter")->model()};
    for (QAbstractItemModel *model : models)
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
    return world;
}

void openChoiceScreen(UiWorld &world)
{
    clickButton(world.first(), "Command3");
    QApplication::setActiveWindow(&world.second());
}

std::unique_ptr<UiWorld> choiceWorld(const QString &settingsWord)
{
    auto world = startWorld(settingsWord);
    openChoiceScreen(*world);
    return world;
}

void pickType(UiWorld &world, int row, int position)
{
    typeList(world, row)->setCurrentIndex(position);
    emit typeList(world, row)->activated(position);
}

void typeText(UiWorld &world, int row, const QString &text)
{
    entryBox(world, row)->lineEdit()->setText(text);
    emit entryBox(world, row)->lineEdit()->textEdited(text);
}

QStringList listItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace brevath::testing
