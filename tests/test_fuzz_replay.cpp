// The fuzz targets' own checks in every build, sanitizers included: each committed seed and
// past finding (fuzz/seeds/<target>/; whole plans in plan/) and the shipped data go through
// their target again.

#include "TestWorld.h"
// The targets are compiled in here too, so the ordinary build needs no fuzzer.
#include "FuzzTargets.cpp"

using namespace brevath;
using namespace brevath::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList filesIn(const QString &folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
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
        QStringList catalogues = filesIn(fixturePath(u"testland"_s)), captions{fixturePath(u"testland.txt"_s)};
        for (const QString &language : {u"english"_s, u"french"_s, u"german"_s}) {
            catalogues += filesIn(data + u'/' + language);
            captions << data + u'/' + language + u".txt"_s;
        }
        const QStringList examples = filesIn(data + u"/examples"_s);
        const QMap<QString, QStringList> inputs = {{u"catalogue"_s, catalogues},
                                                   {u"captions"_s, captions},
                                                   {u"choices"_s, examples},
                                                   {u"records"_s, catalogues + captions + examples}};

        const QString seeds = fixturePath(QStringLiteral("../../fuzz/seeds/"));
        for (int t = 0; t < int(fuzz::kTargets.size()); ++t) {
            const QString name = QLatin1String(fuzz::kTargets[size_t(t)].name);
            for (const QString &path : filesIn(seeds + name) + inputs.value(name))
                QTest::addRow("%s %s", qPrintable(name), qPrintable(QFileInfo(path).fileName()))
                    << t << readBytes(path);
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
