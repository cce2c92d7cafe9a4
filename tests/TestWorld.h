#pragma once
// Shared by the core tests: a fresh world on the fixture language in one line.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TextFile.h"
#include "Workspace.h"

namespace brevath::testing {

inline QString fixturePath(const QString &name)
{
    return QStringLiteral(BREVATH_FIXTURES "/") + name;
}

// The fixture language "testland", captions and catalogue loaded.
inline Workspace fixtureWorld()
{
    Workspace world;
    QStringList messages = LoadLanguageWord(world, QStringLiteral(BREVATH_FIXTURES), QStringLiteral("testland"));
    messages += world.LoadCatalogue();
    if (!messages.isEmpty())
        qFatal("fixture world: %s", qPrintable(messages.join(u'\n')));
    return world;
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// Screen row texts: the given texts from row 0 on, placeholders after them.
inline std::array<QString, kChoiceRows> rowTexts(const CaptionTable &captions, const QStringList &texts)
{
    std::array<QString, kChoiceRows> rows;
    for (int i = 0; i < kChoiceRows; ++i)
        rows[i] = i < texts.size() ? texts[i] : PlaceholderText(captions, i);
    return rows;
}

// The plan of these row texts, the kinds already in the world.
inline PlanRun MakePlan(Workspace &world, const std::array<QString, kChoiceRows> &texts)
{
    world.goals.texts = texts;
    return brevath::MakePlan(world);
}

} // namespace brevath::testing
