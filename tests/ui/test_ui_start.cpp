// The start screen, the language dialog, the help screen and the end of the program.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include "UiWorld.h"
#include "CaptionTable.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

CaptionTable captionsOf(const QString &captionFile)
{
    CaptionTable table;
    if (LoadCaptionFile(captionFile, table))
        qFatal("cannot read %s", qPrintable(captionFile));
    return table;
}

QLineEdit *box(UiWorld &world, const QString &name)
{
    return control<QLineEdit>(world.first(), name);
}

void clickLabel(QWidget &window, const QString &name)
{
    QTest::mouseClick(control<QLabel>(window, name), Qt::LeftButton);
}

} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRunAsksForTheLanguageAndWritesIt()
    {
        auto world = startWorld(QString());
        ui::Language &dialog = world->program->LanguageDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!world->first().isVisible());
        QVERIFY(control<QRadioButton>(dialog, QStringLiteral("Option1"))->isChecked());
        QVERIFY(world->prompts.messages.isEmpty());

        control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
        QCOMPARE(readBytes(world->path(QStringLiteral("Brevath.ini"))), QByteArray("english\r\n"));
        QVERIFY(world->first().isVisible());
        QVERIFY(!dialog.isVisible());
        const CaptionTable english = captionsOf(world->path(QStringLiteral("english.txt")));
        QCOMPARE(world->first().windowTitle(), english.entry(1));
        QCOMPARE(control<QPushButton>(world->first(), QStringLiteral("Command3"))->text(), english.entry(26));
        QVERIFY(world->prompts.messages.isEmpty());
    }

    void aFailedSettingsWriteKeepsTheFileAndTheDialog()
    {
        auto world = startWorld();
        clickLabel(world->first(), QStringLiteral("Label25"));
        ui::Language &dialog = world->program->LanguageDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!world->first().isVisible());
        control<QRadioButton>(dialog, QStringLiteral("Option3"))->setChecked(true);
        {
            WritesFail fail;
            control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
        }
        QCOMPARE(world->prompts.messages, QStringList{QStringLiteral("Could not change language")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(readBytes(world->path(QStringLiteral("Brevath.ini"))), QByteArray("testland\r\n"));
    }

    void theDialogIsCentredOnTheStartScreenAndKeepsTheLastChoice()
    {
        auto world = startWorld();
        world->first().move(100, 80);
        clickLabel(world->first(), QStringLiteral("Label25"));
        ui::Language &dialog = world->program->LanguageDialog();
        // Window frames are known only once shown: a few pixels either way.
        const QPoint offset = dialog.frameGeometry().center() - world->first().frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QStringLiteral("off by %1").arg(offset.manhattanLength())));
        control<QRadioButton>(dialog, QStringLiteral("Option1"))->setChecked(true);
        control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
        clickLabel(world->first(), QStringLiteral("Label25"));
        QVERIFY(control<QRadioButton>(dialog, QStringLiteral("Option1"))->isChecked());
    }

    void aMissingCaptionFileIsReportedAndEmptiesTheCaptions()
    {
        auto world = startWorld(QStringLiteral("nowhere"));
        QCOMPARE(world->prompts.messages.size(), 1 + kCategoryCount);
        QCOMPARE(world->prompts.messages.first(),
                 QStringLiteral("Unable to open language file ") + world->path(QStringLiteral("nowhere.txt")));
        QVERIFY(world->first().windowTitle().isEmpty());
        QVERIFY(control<QLabel>(world->first(), QStringLiteral("Label2"))->text().isEmpty());
        // The dialog is outside the caption table and stays readable.
        QCOMPARE(control<QPushButton>(world->program->LanguageDialog(), QStringLiteral("Command1"))->text(),
                 QStringLiteral("&OK"));
    }

    void theSheetStartsWithItsDefaults()
    {
        auto world = startWorld();
        const QStringList boxes = {"SDText1", "SDText2", "SDText3", "SDText4", "SDText5", "SDText6", "SDText7",
                                   "SDText8", "MText1",  "MText2",  "MText3",  "MText4",  "MText5"};
        QStringList texts;
        for (const QString &name : boxes)
            texts << box(*world, name)->text();
        QCOMPARE(texts, QStringList({"1", "12", "12", "12", "12", "12", "70", "50", "0", "0", "0", "0", "0"}));
        for (int s = 1; s <= kStatCount; ++s)
            QVERIFY(!control<QRadioButton>(world->first(), QStringLiteral("Option%1").arg(s))->isChecked());
        QList<int> ticked;
        for (int k = 1; k <= kCategoryCount; ++k) {
            if (control<QCheckBox>(world->first(), QStringLiteral("Check%1").arg(k))->isChecked())
                ticked << k;
        }
        QCOMPARE(ticked, QList<int>({1, 2, 3, 8, 9}));
        QCOMPARE(world->first().windowTitle(), world->captions().entry(1));
    }

    void presetsRewriteTheStatisticsOnly()
    {
        auto world = startWorld();
        box(*world, QStringLiteral("SDText1"))->setText(QStringLiteral("7"));
        control<QPushButton>(world->first(), QStringLiteral("Command2"))->click();
        for (int b = 2; b <= 6; ++b)
            QCOMPARE(box(*world, QStringLiteral("SDText%1").arg(b))->text(), QStringLiteral("30"));
        QCOMPARE(box(*world, QStringLiteral("SDText1"))->text(), QStringLiteral("7"));
        QCOMPARE(box(*world, QStringLiteral("SDText7"))->text(), QStringLiteral("70"));
        control<QPushButton>(world->first(), QStringLiteral("Command1"))->click();
        QCOMPARE(box(*world, QStringLiteral("SDText4"))->text(), QStringLiteral("25"));

        openChoiceScreen(*world);
        const PlanInputs &inputs = world->session().inputs;
        QCOMPARE(QList<int>({inputs.SDLevel, inputs.SDStr, inputs.SDInt, inputs.SDPV}), QList<int>({7, 25, 25, 70}));
    }

    void commitRoundsHalvesToEvenAndDefaultsThePriority()
    {
        auto world = startWorld();
        box(*world, QStringLiteral("SDText2"))->setText(QStringLiteral("12.5"));
        box(*world, QStringLiteral("SDText3"))->setText(QStringLiteral("13.5"));
        box(*world, QStringLiteral("MText5"))->setText(QStringLiteral(" 7abc"));
        openChoiceScreen(*world);
        const PlanInputs &inputs = world->session().inputs;
        QCOMPARE(inputs.SDStr, 12);
        QCOMPARE(inputs.SDEnd, 14);
        QCOMPARE(inputs.mint, 7);
        QCOMPARE(inputs.Priority, 3);
        QVERIFY(world->second().isVisible());
        QVERIFY(!world->first().isVisible());

        control<QPushButton>(world->second(), QStringLiteral("Command1"))->click();
        control<QRadioButton>(world->first(), QStringLiteral("Option5"))->setChecked(true);
        openChoiceScreen(*world);
        QCOMPARE(world->session().inputs.Priority, 5);
    }

    void aNumberOutOfRangeStopsTheCommitWhereItStands_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::newRow("eleven nines") << "SDText4" << "99999999999";
        QTest::newRow("level below -1") << "SDText1" << "-2";
    }

    void aNumberOutOfRangeStopsTheCommitWhereItStands()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        auto world = startWorld();
        box(*world, QStringLiteral("SDText2"))->setText(QStringLiteral("21"));
        box(*world, boxName)->setText(text);
        openChoiceScreen(*world);
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(Caption::CommitFailed)});
        QVERIFY(world->first().isVisible());
        QVERIFY(!world->second().isVisible());
        // Boxes before the failing one are committed, those after it are not.
        const PlanInputs &inputs = world->session().inputs;
        QCOMPARE(inputs.SDStr, boxName == QLatin1String("SDText4") ? 21 : 0);
        QCOMPARE(inputs.SDDex, 0);
    }

    void theWaitNoticeIsGoneWhenTheSheetComesBack()
    {
        auto world = startWorld();
        box(*world, QStringLiteral("SDText8"))->setText(QStringLiteral("55"));
        openChoiceScreen(*world);
        QCOMPARE(world->second().pos(), world->first().pos());
        control<QPushButton>(world->second(), QStringLiteral("Command1"))->click();
        QVERIFY(world->first().isVisible());
        QVERIFY(!world->second().isVisible());
        QVERIFY(!control<QLabel>(world->first(), QStringLiteral("Label22"))->isVisible());
        QVERIFY(!control<QProgressBar>(world->first(), QStringLiteral("ProgressBar1"))->isVisible());
        QCOMPARE(box(*world, QStringLiteral("SDText8"))->text(), QStringLiteral("55"));
    }

    void helpOpensInPlaceAndItsPictureLeadsBack()
    {
        auto world = startWorld();
        ui::HelpScreen &help = world->program->Help();
        clickLabel(world->first(), QStringLiteral("Label24"));
        QVERIFY(help.isVisible());
        QVERIFY(!world->first().isVisible());
        QCOMPARE(help.pos(), world->first().pos());
        QCOMPARE(control<QLabel>(help, QStringLiteral("Label2"))->text(), world->captions().entry(31));

        help.move(help.pos() + QPoint(40, 25));
        const QPoint moved = help.pos();
        clickLabel(help, QStringLiteral("Label1")); // only the picture leads back
        QVERIFY(help.isVisible());
        clickLabel(help, QStringLiteral("Image1"));
        QVERIFY(world->first().isVisible());
        QVERIFY(!help.isVisible());
        QCOMPARE(world->first().pos(), moved);
    }

    void aLanguageChangeRecaptionsHiddenScreens()
    {
        auto world = startWorld();
        openChoiceScreen(*world);
        control<QPushButton>(world->second(), QStringLiteral("Command1"))->click();
        clickLabel(world->first(), QStringLiteral("Label25"));
        control<QRadioButton>(world->program->LanguageDialog(), QStringLiteral("Option1"))->setChecked(true);
        control<QPushButton>(world->program->LanguageDialog(), QStringLiteral("Command1"))->click();

        const CaptionTable english = captionsOf(world->path(QStringLiteral("english.txt")));
        QVERIFY(!world->second().isVisible());
        QCOMPARE(world->second().windowTitle(), english.entry(32));
        QCOMPARE(control<QPushButton>(world->second(), QStringLiteral("Command4"))->text(), english.entry(35));
        QCOMPARE(control<QLabel>(world->second(), QStringLiteral("Label1"))->text(), QStringLiteral("Objet"));
        QCOMPARE(control<QLabel>(world->second(), QStringLiteral("Label2"))->text(), QStringLiteral("Type d'Objet"));
        auto *list = control<QTreeView>(world->third(), QStringLiteral("ListView1"));
        QCOMPARE(list->model()->headerData(9, Qt::Horizontal).toString(), english.entry(50));
        QCOMPARE(world->third().windowTitle(), english.entry(40));
        QCOMPARE(world->program->Help().windowTitle(), english.entry(29));
        QCOMPARE(world->session().language.language, QStringLiteral("english"));
        QVERIFY(world->session().catalogue.count() > 0);
    }

    void closingAnyWindowEndsTheProgram_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"FirstScreen", "SecondScreen", "ThirdScreen", "HelpScreen", "Language"})
            QTest::newRow(name) << name;
    }

    void closingAnyWindowEndsTheProgram()
    {
        QFETCH(QString, window);
        auto world = startWorld();
        std::vector<ui::ProgramWindow *> windows = {&world->first(), &world->second(), &world->third(),
                                                    &world->program->Help(), &world->program->LanguageDialog()};
        for (ui::ProgramWindow *w : windows) {
            if (w->objectName() == window)
                w->close();
        }
        QCOMPARE(world->endings, 1);
        for (ui::ProgramWindow *w : windows) {
            QVERIFY(w->IsClosed());
            QVERIFY(!w->isVisible());
        }
    }
};

QTEST_MAIN(StartTest)
#include "test_ui_start.moc"
