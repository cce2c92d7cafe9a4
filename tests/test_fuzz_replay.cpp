// The fuzz targets' own checks in every build, sanitizers included: each committed seed and
// past finding (fuzz/seeds/<target>/; whole plans in plan/) and the shipped data go through
// their target again.

#include <QDir>
#include <QTest>

#include "TestWorld.h"
// The targets are compiled in here too, so the ordinary build needs no fuzzer.
#include "FuzzTargets.cpp"

using namespace brevath;
using namespace brevath::testing;

namespace {

QStringList filesIn(const QString &folder, const QString &pattern = QStringLiteral("*"))
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

} // namespace

class FuzzReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QByteArray>("input");

        const QString data = QStringLiteral(BREVATH_DATA);
        QMap<QString, QStringList> inputs;
        for (const QString &language : {QStringLiteral("english"), QStringLiteral("french"), QStringLiteral("german")}) {
            inputs[QStringLiteral("catalogue")] += filesIn(data + u'/' + language);
            inputs[QStringLiteral("captions")] << data + u'/' + language + QStringLiteral(".txt");
        }
        inputs[QStringLiteral("catalogue")] += filesIn(fixturePath(QStringLiteral("testland")));
        inputs[QStringLiteral("captions")] << fixturePath(QStringLiteral("testland.txt"));
        inputs[QStringLiteral("choices")] = filesIn(data + QStringLiteral("/examples"));
        inputs[QStringLiteral("records")] = inputs[QStringLiteral("catalogue")] + inputs[QStringLiteral("captions")]
            + inputs[QStringLiteral("choices")];

        const QString seeds = fixturePath(QStringLiteral("../../fuzz/seeds/"));
        for (int t = 0; t < int(fuzz::kTargets.size()); ++t) {
            const QString name = QLatin1String(fuzz::kTargets[size_t(t)].name);
            for (const QString &path : filesIn(seeds + name) + inputs.value(name))
                QTest::addRow("%s %s", qPrintable(name), qPrintable(QFileInfo(path).fileName())) << t << readBytes(path);
        }
    }

    // A broken check aborts with its condition; reaching the end is the pass.
    void replay()
    {
        QFETCH(int, target);
        QFETCH(QByteArray, input);
        QVERIFY(input != "<missing>");
        fuzz::kTargets[size_t(target)].run(input);
    }
};

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "test_fuzz_replay.moc"
