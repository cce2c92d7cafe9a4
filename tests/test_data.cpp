// The shipped language data: it loads cleanly, agrees across languages and is written in the
// Western code page with CR LF. (Its examples plan in test_cli.)

#include <QDirIterator>
#include <QStringDecoder>

#include "TestWorld.h"
#include "Records.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {
const QString kDataDir = QStringLiteral(BREVATH_DATA);
} // namespace

class DataTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageLoadsAndAgrees()
    {
        Workspace english;
        for (const QString &language : {u"english"_s, u"french"_s, u"german"_s}) {
            Workspace world = fixtureWorld(kDataDir, language);
            const QString captionText = ReadTextFile(world.language.captionFile).value_or(QString());
            RecordReader reader(captionText);
            for (int n = 1; n <= CaptionTable::kEntries; ++n)
                QVERIFY2(!world.captions.entry(n).isEmpty() && reader.ReadRecord(), qPrintable(language));
            QVERIFY(reader.atEnd()); // no 83rd record

            if (language == u"english")
                english = world;
            QVERIFY(world.catalogue.count() > 150);
            QCOMPARE(world.catalogue.count(), english.catalogue.count());
            for (int e = 1; e <= english.catalogue.count(); ++e) {
                const CatalogueEntry &a = english.catalogue.entry(e);
                const CatalogueEntry &b = world.catalogue.entry(e);
                QVERIFY2(a.requirement == b.requirement && a.extra == b.extra && a.category == b.category
                             && world.catalogue.FindByName(b.name) == e && !b.name.isEmpty(),
                         qPrintable(language + u": "_s + b.name)); // names are unique
            }
        }
    }

    void filesAreWindows1252WithCrLf()
    {
        QDirIterator files(kDataDir, {u"*.txt"_s}, QDir::Files, QDirIterator::Subdirectories);
        int checked = 0;
        for (; files.hasNext(); ++checked) {
            const QString path = files.next();
            const QByteArray bytes = readBytes(path);
            // Text saved as UTF-8 reads cleanly as UTF-8 while holding bytes past ASCII.
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString decoded = utf8(bytes);
            const bool isUtf8 = !utf8.hasError() && decoded.size() < bytes.size();
            const qsizetype lines = bytes.count('\n');
            QVERIFY2(path.endsWith(u"CMakeLists.txt"_s)
                         || (!isUtf8 && !bytes.contains('\0') && bytes.count("\r\n") == lines
                             && bytes.count('\r') == lines && bytes.endsWith("\r\n") && !bytes.endsWith("\r\n\r\n")),
                     qPrintable(path));
        }
        QCOMPARE(checked, 3 + 30 + 9 + 1);
    }
};

QTEST_GUILESS_MAIN(DataTest)
#include "test_data.moc"
