// Ten thousand random plans through the core in one process: random captions, catalogues,
// goals and sheets, extreme values included. Every plan must give whole exports and reach each
// goal where its lines and the numbers-only rise say; memory must stay flat (and, in the sanitizer build, nothing may leak).

#include <QRandomGenerator>
#include <unistd.h>

#include "TestWorld.h"
#include "ChoiceFile.h"
#include "Simulation.h"
#include "HtmlExport.h"
#include "TextExport.h"

// A small quarantine keeps freed memory from counting as growth in the sanitizer build.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "quarantine_size_mb=16";
}

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {

constexpr int kPlans = 10000;

qint64 residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    const QList<QByteArray> fields = statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

class Dice
{
public:
    explicit Dice(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T, size_t N> T pick(const T (&items)[N]) { return items[below(int(N))]; }

    // Mostly what players type, now and then the edges of every range.
    std::int32_t value()
    {
        static const std::int32_t edges[] = {0,     -1,    32767,      32768,       -32768,     65535,
                                             65536, 99999, 1000000000, -1000000000, 2147483647, -2147483647 - 1};
        return chance(10) ? pick(edges) : below(150);
    }

    // As a catalogue file can hold it: only a quoted record keeps a comma or a last blank,
    // and a quoted record holds no double quote.
    QString word()
    {
        static const char16_t letters[] = u"abcdefghijklmnopqrstuvwxyz ABCDE<>&\"é.,:";
        QString text;
        for (int i = 1 + below(12); i > 0; --i)
            text += QChar(letters[below(int(std::size(letters)) - 1)]);
        if (text.contains(u'"'))
            text = text.remove(u',').trimmed();
        return text;
    }

    QString number()
    {
        static const char *const odd[] = {"99999999999", "1e309", "-0", "&HFFFFFFFFFFFF", "40.5", "41.5", "x"};
        return chance(3) ? QLatin1String(pick(odd)) : QString::number(value());
    }

private:
    QRandomGenerator m_random;
};

// A random world; its rows' kinds set, their texts returned.
std::array<QString, kChoiceRows> randomWorld(Dice &dice, Workspace &w)
{
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        w.captions.setEntry(n, dice.chance(2) ? QString() : dice.word());
    for (int e = dice.below(300); e > 0; --e) {
        CatalogueEntry entry;
        const int count = w.catalogue.count();
        entry.name = dice.chance(5) && count > 0 ? w.catalogue.entry(1 + dice.below(count)).name : dice.word();
        entry.category = CategoryFlagOf(1 + dice.below(kCategoryCount));
        for (int k = 0; k < (entry.category == kSpellCategory ? 6 : kStatCount); ++k)
            entry.requirement[size_t(k)] = dice.value();
        entry.extra = entry.category == kSpellCategory ? dice.value() : 0;
        w.catalogue.append(entry);
    }
    std::array<QString, kChoiceRows> rows;
    const int used = dice.below(kChoiceRows + 1);
    for (int i = 0; i < kChoiceRows; ++i) {
        const int kind = dice.below(10);
        rows[size_t(i)] = PlaceholderText(w.captions, i);
        if (i < used && kind >= 2 && kind < 5) {
            w.goals.kinds[size_t(i)] = (1 + dice.below(kStatCount)) * kStatTargetScale;
            // A rare target that cannot be packed refuses the whole plan.
            rows[size_t(i)] = dice.chance(1) ? dice.number() : QString::number(dice.below(150));
        } else if (i < used && kind >= 5) {
            rows[size_t(i)] = kind < 9 && w.catalogue.count() > 0
                ? w.catalogue.entry(1 + dice.below(w.catalogue.count())).name
                : dice.word();
        }
    }
    return rows;
}

SheetTexts randomSheet(Dice &dice)
{
    static const char *const levels[] = {"-2", "-1",  "0",   "1",   "1",   "1",
                                         "50", "150", "198", "199", "200", "2147483647"};
    SheetTexts texts = DefaultSheetTexts();
    texts[0] = QLatin1String(dice.pick(levels));
    for (int i = 1; i < kSheetTextCount; ++i)
        texts[size_t(i)] = dice.chance(40) ? dice.number() : texts[size_t(i)];
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
        const QString choicePath = dir.filePath(u"choices.txt"_s);
        int planned = 0;
        qint64 earlyResident = 0;
        for (int p = 0; p < kPlans; ++p) {
            Workspace w;
            const std::array<QString, kChoiceRows> rows = randomWorld(dice, w);
            const int stat = 1 + dice.below(kStatCount);
            const int priority = dice.chance(80) ? stat : 0;
            if (p == kPlans / 10)
                earlyResident = residentBytes();
            if (!CommitSheet(randomSheet(dice), priority, w.inputs))
                continue;
            const std::optional<Plan> plan = PlanOf(w, rows);
            if (!plan)
                continue;
            ++planned;
            // Each goal is reached, and named, on the first line after the starting one whose
            // level and statistics allow it; the numbers-only rise reaches it at that level too.
            const std::vector<GoalNeeds> needs = NeedsOf(plan->list, w.catalogue);
            const auto second = plan->lines.begin() + std::min<qsizetype>(1, plan->lines.size());
            for (size_t r = 0; r < needs.size(); ++r) {
                const auto line = std::find_if(second, plan->lines.end(), [&](const PlanLine &l) {
                    return std::equal(l.stats.begin(), l.stats.end(), needs[r].begin(), std::greater_equal<>());
                });
                const bool reached = line != plan->lines.end();
                QCOMPARE(plan->reachedAt[r], reached ? int(line->level()) : kNeverReached);
                QVERIFY(!reached || std::count(line->reached.begin(), line->reached.end(), int(r)) == 1);
            }
            QCOMPARE(ReachLevels(needs, RiseStart::FromInputs(w.inputs)), plan->reachedAt);
            const int n = int(plan->lines.size());
            QCOMPARE(n, plan->list.rows.empty() || w.inputs.SDLevel > 199 ? 0 : 200 - w.inputs.SDLevel);
            QCOMPARE(HtmlBytes(*plan, w.captions).count("<TR>"), n + 1);
            QCOMPARE(TxtBytes(*plan, w.captions).count("\r\n"), n + 1);
            if (n > 0)
                QCOMPARE(plan->lines.back().level(), 199);

            // Now and then through a choice file, so the file edge soaks too.
            if (p % 100 == 0) {
                const size_t built = plan->list.rows.size();
                QVERIFY(SaveChoiceFile(choicePath, w.goals, w.catalogue, w.captions).ok);
                GoalRowsLoad load = ReadGoalRows(choicePath, w.captions, 16);
                QVERIFY(load.ok);
                const std::optional<ChoiceList> reloaded = BuildChoiceList(load.rows, w.catalogue, w.captions);
                QVERIFY(reloaded);
                QCOMPARE(reloaded->rows.size(), built);
            }
        }
        const qint64 lateResident = residentBytes();
        qInfo("%d of %d plans run; resident %lld MB after the first thousand, %lld MB at the end", planned, kPlans,
              earlyResident >> 20, lateResident >> 20);
        QVERIFY(planned > kPlans / 2); // the dice must mostly make playable plans
        QVERIFY(earlyResident > 0);
        QVERIFY2(lateResident - earlyResident < 32 << 20, "memory grew while plans kept running");
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "test_soak.moc"
