#pragma once
// Shared by the core tests, and the one include they all start with: Qt Test, files and folders,
// the workspace, and a fresh world on the fixture language in one line.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "Plan.h"
#include "TextFile.h"
#include "Workspace.h"

namespace brevath::testing {

inline QString fixturePath(const QString &name)
{
    return QStringLiteral(BREVATH_FIXTURES "/") + name;
}

// A language, the fixture "testland" unless told, captions and catalogue loaded without a message.
inline Workspace fixtureWorld(const QString &dataDir = QStringLiteral(BREVATH_FIXTURES),
                              const QString &language = QStringLiteral("testland"))
{
    Workspace world;
    QStringList messages = LoadLanguageWord(world, dataDir, language);
    messages += world.LoadCatalogue();
    if (!messages.isEmpty())
        qFatal("%s: %s", qPrintable(language), qPrintable(messages.join(u'\n')));
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
inline std::optional<Plan> PlanOf(Workspace &world, const std::array<QString, kChoiceRows> &texts)
{
    world.goals.texts = texts;
    return PlayPlan(world.goals, world.inputs, world.catalogue, world.captions);
}

// Writes past this many bytes then fail with EFBIG, as on a full disk, also for root, who
// ignores a read-only folder. Gives the limit it replaces.
inline rlim_t SetFileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t old = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    return old;
}

// While alive, no write of this process may pass this many bytes (none by default).
struct WritesFail
{
    explicit WritesFail(rlim_t bytes = 0) : m_old(SetFileSizeLimit(bytes)) {}
    ~WritesFail() { SetFileSizeLimit(m_old); }
    WritesFail(const WritesFail &) = delete;
    WritesFail &operator=(const WritesFail &) = delete;

private:
    const rlim_t m_old;
};

} // namespace brevath::testing
