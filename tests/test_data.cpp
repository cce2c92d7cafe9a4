// The shipped language data: it loads cleanly, agrees across languages, and its examples plan.

#include <QDirIterator>
#include <QTest>

#include "GoalRows.h"
#include "TestWorld.h"
#include "ChoiceFile.h"
#include "Records.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

const QStringList kLanguages = {QStringLiteral("english"), QStringLiteral("french"), QStringLiteral("german")};
const QString kDataDir = QStringLiteral(BREVATH_DATA);

Workspace languageWorld(const QString &language, QStringList &messages)
{
    Workspace world;
    messages = LoadLanguageWord(world, kDataDir, language);
    messages += world.LoadCatalogue();
    return world;
}

// A valid UTF-8 lead byte followed by its continuation bytes: text saved in the wrong encoding.
bool holdsUtf8Sequence(const QByteArray &bytes)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const auto lead = uchar(bytes[i]);
        const int continuations = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2 : 0;
        if (continuations == 0 || i + continuations >= bytes.size())
            continue;
        bool all = true;
        for (int c = 1; c <= continuations; ++c)
            all = all && (uchar(bytes[i + c]) & 0xC0) == 0x80;
        if (all)
            return true;
    }
    return false;
}

bool linesEndInCrLf(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return bytes.endsWith("\r\n") && !bytes.endsWith("\r\n\r\n");
}

} // namespace

class DataTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageLoadsWithoutMessage()
    {
        for (const QString &language : kLanguages) {
            QStringList messages;
            const Workspace world = languageWorld(language, messages);
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
            for (int n = 1; n <= CaptionTable::kEntries; ++n)
                QVERIFY2(!world.captions.entry(n).isEmpty(), qPrintable(language + u' ' + QString::number(n)));

            const std::optional<QString> text = ReadTextFile(world.language.captionFile);
            RecordReader reader(*text);
            int records = 0;
            while (!reader.atEnd() && reader.ReadRecord())
                ++records;
            QCOMPARE(records, CaptionTable::kEntries);
        }
    }

    void cataloguesAgreeAcrossLanguages()
    {
        QStringList messages;
        const Workspace english = languageWorld(kLanguages[0], messages);
        QVERIFY(english.catalogue.count() > 150);
        for (const QString &language : kLanguages.mid(1)) {
            const Workspace other = languageWorld(language, messages);
            QCOMPARE(other.catalogue.count(), english.catalogue.count());
            for (int e = 1; e <= english.catalogue.count(); ++e) {
                const CatalogueEntry &a = english.catalogue.entry(e);
                const CatalogueEntry &b = other.catalogue.entry(e);
                QVERIFY2(a.requirement == b.requirement && a.extra == b.extra && a.category == b.category,
                         qPrintable(language + QStringLiteral(": ") + b.name));
                QVERIFY(!b.name.isEmpty());
                QCOMPARE(other.catalogue.FindByName(b.name), e); // names are unique
            }
        }
    }

    void filesAreWindows1252WithCrLf()
    {
        QDirIterator files(kDataDir, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
        int checked = 0;
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.endsWith(QStringLiteral("CMakeLists.txt")))
                continue;
            const QByteArray bytes = readBytes(path);
            QVERIFY2(!holdsUtf8Sequence(bytes), qPrintable(path));
            QVERIFY2(linesEndInCrLf(bytes), qPrintable(path));
            QVERIFY2(!bytes.contains('\0'), qPrintable(path));
            ++checked;
        }
        QCOMPARE(checked, 3 + 30 + 9);
    }

    void examplesResolveAndReachEveryGoal()
    {
        for (const QString &language : kLanguages) {
            QStringList messages;
            Workspace world = languageWorld(language, messages);
            const QStringList examples =
                QDir(kDataDir + QStringLiteral("/examples")).entryList({language + QStringLiteral("_*.txt")});
            QCOMPARE(examples.size(), 3);
            for (const QString &example : examples) {
                GoalRowsLoad load = ReadGoalRows(kDataDir + QStringLiteral("/examples/") + example, world.captions, 16);
                QVERIFY(load.ok);
                const QString placeholder = world.captions.entry(Caption::PlaceholderWord);
                int goals = 0;
                for (int i = 0; i < kChoiceRows; ++i) {
                    const QString &text = load.rows.texts[i];
                    if (load.rows.kinds[i] == 0 && !text.startsWith(placeholder))
                        QVERIFY2(world.catalogue.FindByName(text) > 0, qPrintable(example + u' ' + text));
                    goals += text.startsWith(placeholder) ? 0 : 1;
                }
                QVERIFY2(goals >= 10 && goals <= 30, qPrintable(example));

                world.inputs = PlanInputs();
                QVERIFY(CommitSheet(DefaultSheetTexts(), {}, world.inputs));
                world.goals = std::move(load.rows);
                const PlanRun run = brevath::MakePlan(world);
                QVERIFY(run.ok);
                QCOMPARE(world.choices.last() + 1, goals);
                for (const ChoiceRow &row : world.choices.rows)
                    QVERIFY2(row.reached, qPrintable(example));
            }
        }
    }
};

QTEST_GUILESS_MAIN(DataTest)
#include "test_data.moc"
