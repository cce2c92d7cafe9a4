// Ten thousand random plans through the core in one process: random captions, catalogues,
// goals and sheets, extreme values included. Every plan must give whole exports; memory
// must stay flat (and, in the sanitizer build, nothing may leak).

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "TestWorld.h"
#include "ChoiceFile.h"
#include "HtmlExport.h"
#include "TextExport.h"

// A small quarantine keeps freed memory from counting as growth in the sanitizer build.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "quarantine_size_mb=16";
}

using namespace brevath;
using namespace brevath::testing;

namespace {

constexpr int kPlans = 10000;

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

class Dice
{
public:
    explicit Dice(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // Mostly what players type, now and then the edges of every range.
    qint64 value()
    {
        static const qint64 edges[] = {0,     -1,    32767, 32768,      -32768,     65535,     65536,
                                       99999, 1000000000, -1000000000, 2147483647, -2147483647 - 1};
        return chance(10) ? edges[below(int(std::size(edges)))] : below(150);
    }

    QString word()
    {
        static const char16_t letters[] = u"abcdefghijklmnopqrstuvwxyz ABCDE<>&\"é.,:";
        QString text;
        const int length = 1 + below(12);
        for (int i = 0; i < length; ++i)
            text += QChar(letters[below(int(std::size(letters)) - 1)]);
        // As a catalogue file can hold it: only a quoted record keeps a comma or a last blank,
        // and a quoted record holds no double quote.
        if (text.contains(u'"')) {
            text.remove(u',');
            while (text.endsWith(u' '))
                text.chop(1);
        }
        return text;
    }

    QString number()
    {
        static const char *const odd[] = {"99999999999", "1e309", "-0", "&HFFFFFFFFFFFF", "40.5", "41.5", "&HFF", "x"};
        return chance(3) ? QLatin1String(odd[below(int(std::size(odd)))]) : QString::number(value());
    }

private:
    QRandomGenerator m_random;
};

CaptionTable randomCaptions(Dice &dice)
{
    CaptionTable captions;
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        captions.setEntry(n, dice.chance(2) ? QString() : dice.word());
    return captions;
}

void fillCatalogue(Dice &dice, Catalogue &catalogue)
{
    catalogue.clear();
    const int count = dice.below(300);
    for (int e = 0; e < count; ++e) {
        CatalogueEntry entry;
        entry.name = dice.chance(5) && catalogue.count() > 0 ? catalogue.entry(1 + dice.below(catalogue.count())).name
                                                             : dice.word();
        entry.category = CategoryFlagOf(1 + dice.below(kCategoryCount));
        for (int k = 0; k < kStatCount; ++k)
            entry.requirement[size_t(k)] = std::int32_t(dice.value());
        if (entry.category == kSpellCategory) {
            entry.requirement[5] = std::int32_t(dice.value());
            entry.extra = std::int32_t(dice.value());
        }
        catalogue.append(entry);
    }
}

std::array<QString, kChoiceRows> randomRows(Dice &dice, Workspace &w)
{
    std::array<QString, kChoiceRows> rows;
    w.goals.kinds.fill(0);
    const int used = dice.below(kChoiceRows + 1);
    for (int i = 0; i < kChoiceRows; ++i) {
        const int kind = dice.below(10);
        if (i >= used || kind < 2) {
            rows[size_t(i)] = PlaceholderText(w.captions, i);
        } else if (kind < 5) {
            w.goals.kinds[size_t(i)] = (1 + dice.below(kStatCount)) * kStatTargetScale;
            // A rare target that cannot be packed refuses the whole plan.
            rows[size_t(i)] = dice.chance(1) ? dice.number() : QString::number(dice.below(150));
        } else if (kind < 9 && w.catalogue.count() > 0) {
            rows[size_t(i)] = w.catalogue.entry(1 + dice.below(w.catalogue.count())).name;
        } else {
            rows[size_t(i)] = dice.word();
        }
    }
    return rows;
}

SheetTexts randomSheet(Dice &dice)
{
    static const char *const levels[] = {"-2", "-1", "0", "1", "1", "1", "50", "150", "198", "199", "200", "2147483647"};
    SheetTexts texts = DefaultSheetTexts();
    texts[0] = QLatin1String(levels[dice.below(int(std::size(levels)))]);
    for (int i = 1; i < kSheetTextCount; ++i) {
        if (dice.chance(40))
            texts[size_t(i)] = dice.number();
    }
    return texts;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void tenThousandRandomPlans()
    {
        Dice dice(5);
        QTemporaryDir dir;
        const QString choicePath = dir.filePath(QStringLiteral("choices.txt"));
        const QString txtPath = dir.filePath(QStringLiteral("plan.txt"));
        const QString htmlPath = dir.filePath(QStringLiteral("plan.html"));
        int refused = 0;
        int planned = 0;
        qint64 earlyResident = 0;

        for (int p = 0; p < kPlans; ++p) {
            Workspace w;
            w.captions = randomCaptions(dice);
            fillCatalogue(dice, w.catalogue);
            const std::array<QString, kChoiceRows> rows = randomRows(dice, w);
            std::array<bool, kStatCount> options{};
            options[size_t(dice.below(kStatCount))] = dice.chance(80);

            if (!CommitSheet(randomSheet(dice), options, w.inputs) || !MakePlan(w, rows).ok) {
                ++refused;
                continue;
            }
            ++planned;
            const std::int32_t level = w.inputs.SDLevel;
            const int n = w.choices.rows.empty() || level > 199 ? 0 : 200 - level;
            const std::optional<QByteArray> txt = TxtBytes(w.results, n, w.captions);
            const std::optional<QByteArray> html = HtmlBytes(w.results, n, w.captions);
            QVERIFY(txt && html);
            QCOMPARE(html->count("<TR>"), n + 1);
            if (n > 0)
                QCOMPARE(w.results.row(n - 1)[ResultField::Level], u"199");

            // Now and then through the files, so the file edge soaks too.
            if (p % 100 == 0) {
                const ChoiceList built = w.choices;
                QVERIFY(SaveChoiceFile(choicePath, rows, w.goals.kinds, w.choices, w.catalogue, w.captions).ok);
                const ChoiceFileLoad load = ReadChoiceFile(choicePath, w.captions);
                QVERIFY(load.ok);
                std::array<QString, kChoiceRows> again;
                RowKinds kinds{};
                for (int i = 0; i < kChoiceRows; ++i) {
                    again[size_t(i)] = load.rows[size_t(i)].text;
                    kinds[size_t(i)] = load.rows[size_t(i)].kind;
                }
                QVERIFY(BuildChoiceList(again, kinds, w.choices, w.catalogue, w.captions));
                QCOMPARE(w.choices.rows.size(), built.rows.size());
                QVERIFY(SaveTxt(txtPath, w.results, n, w.captions).ok);
                QVERIFY(SaveHtml(htmlPath, w.results, n, w.captions).ok);
                QCOMPARE(readBytes(txtPath), *txt);
                QCOMPARE(readBytes(htmlPath), *html);
            }
            if (p == kPlans / 10 - 1)
                earlyResident = residentBytes();
        }
        const qint64 lateResident = residentBytes();
        qInfo("%d plans run, %d refused by the sheet or a target; resident %lld MB after the first thousand, "
              "%lld MB at the end",
              planned, refused, earlyResident >> 20, lateResident >> 20);
        QVERIFY(planned > kPlans / 2); // the dice must mostly make playable plans
        QVERIFY(earlyResident > 0);
        QVERIFY2(lateResident - earlyResident < 32 << 20, "memory grew while plans kept running");
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "test_soak.moc"
