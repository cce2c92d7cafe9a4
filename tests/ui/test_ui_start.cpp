// The start screen, the language dialog, the help screen, the captions and the end of the program.

#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAbstractSeries>
#include <QAccessible>
#include <QAction>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

#include "UiWorld.h"
#include "CaptionAppliers.h"
#include "LibraryWindow.h"
#include "QtPrompts.h"
#include "ResultListView.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

void clickLabel(QWidget &window, const QString &name)
{
    QTest::mouseClick(control<QLabel>(window, name), Qt::LeftButton);
}

// The language dialog with one option chosen, and its OK.
void chooseLanguage(UiWorld &world, const char *option)
{
    ui::Language &dialog = world.program->LanguageDialog();
    control<QRadioButton>(dialog, QLatin1String(option))->setChecked(true);
    clickButton(dialog, "Command1");
}

template<class Control> QList<Control *> named(QWidget &window, const char *prefix)
{
    return window.findChildren<Control *>(QRegularExpression(QLatin1String("^") + QLatin1String(prefix) + "\\d+$"));
}

// Every text the program's windows show or say of themselves, the chart's keys among them.
QSet<QString> shownTexts(UiWorld &world)
{
    QSet<QString> texts;
    for (QWidget *window : std::initializer_list<QWidget *>{&world.first(), &world.second(), &world.third(),
                                                            &world.program->Help(), &world.program->Library()}) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (const QWidget *widget : widgets) {
            texts << widget->windowTitle() << widget->toolTip(); // names are the access test's
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                texts << button->text();
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                texts << label->text();
        }
        for (const QAction *action : window->findChildren<QAction *>())
            texts << action->text();
    }
    for (const QAbstractSeries *series : world.chart().chart()->series())
        texts << series->name();
    texts.remove(QString());
    return texts;
}

} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    void theLanguageDialogWritesTheChoiceIsCentredAndKeepsIt()
    {
        // First run: the dialog in place of the start screen; a failed write leaves it shown.
        auto world = startWorld(QString());
        ui::Language &dialog = world->program->LanguageDialog();
        QVERIFY(dialog.isVisible() && !world->first().isVisible());
        QVERIFY(control<QRadioButton>(dialog, "Option1")->isChecked());
        {
            WritesFail fail;
            clickButton(dialog, "Command1");
        }
        QCOMPARE(world->prompts.messages, QStringList{"Could not change language"});
        QVERIFY(dialog.isVisible() && !world->first().isVisible());
        clickButton(dialog, "Command1");
        QCOMPARE(readBytes(world->path("Brevath.ini")), QByteArray("english\r\n"));
        QVERIFY(world->first().isVisible() && !dialog.isVisible());

        world->first().move(100, 80);
        clickLabel(world->first(), "Label25");
        QVERIFY(!world->first().isVisible());
        // Window frames are known only once shown: a few pixels either way.
        const QPoint offset = dialog.frameGeometry().center() - world->first().frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QStringLiteral("off by %1").arg(offset.manhattanLength())));
        chooseLanguage(*world, "Option3");
        clickLabel(world->first(), "Label25");
        QVERIFY(control<QRadioButton>(dialog, "Option3")->isChecked());
    }

    void theSheetCommitsItsBoxesInOrder()
    {
        auto world = startWorld();
        auto texts = [&](const char *kind, int count) {
            QStringList t;
            for (int b = 1; b <= count; ++b)
                t << control<QLineEdit>(world->first(), QLatin1String(kind) + QString::number(b))->text();
            return t.join(u' ');
        };
        QCOMPARE(texts("SDText", 8) + u' ' + texts("MText", 5), "1 12 12 12 12 12 70 50 0 0 0 0 0");
        for (const QRadioButton *option : world->first().findChildren<QRadioButton *>())
            QVERIFY(!option->isChecked()); // no priority until the player picks one
        control<QLineEdit>(world->first(), "SDText1")->setText("7");
        clickButton(world->first(), "Command2"); // presets: statistics only
        QCOMPARE(texts("SDText", 7), "7 30 30 30 30 30 70");
        clickButton(world->first(), "Command1");
        QCOMPARE(texts("SDText", 2), "7 25");

        const QStringList distinct = {"3", "36", "39", "42", "45", "48", "21", "24"}; // a swapped box shows
        for (int b = 1; b <= 8; ++b)
            control<QLineEdit>(world->first(), QStringLiteral("SDText%1").arg(b))->setText(distinct[b - 1]);
        control<QLineEdit>(world->first(), "MText5")->setText("7");
        control<QRadioButton>(world->first(), "Option5")->setChecked(true);
        openChoiceScreen(*world);
        const PlanInputs &in = world->session().inputs;
        QCOMPARE(QList<int>({in.SDLevel, in.SDStr, in.SDEnd, in.SDDex, in.SDSag, in.SDInt, in.SDPV, in.SDPM, in.mint,
                             in.Priority}),
                 QList<int>({3, 36, 39, 42, 45, 48, 21, 24, 7, 5}));
        QVERIFY(world->second().isVisible() && !world->first().isVisible());
        QCOMPARE(world->second().pos(), world->first().pos());

        // Back on the sheet: the wait notice is gone, the boxes are as left; a failed commit stays there.
        clickButton(world->second(), "Command1");
        QVERIFY(world->first().isVisible() && !world->second().isVisible());
        QVERIFY(!control<QLabel>(world->first(), "Label22")->isVisible());
        QVERIFY(!control<QProgressBar>(world->first(), "ProgressBar1")->isVisible());
        control<QLineEdit>(world->first(), "SDText4")->setText("99999999999");
        openChoiceScreen(*world);
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(Caption::CommitFailed)});
        QVERIFY(world->first().isVisible() && !world->second().isVisible());
    }

    void helpOpensInPlaceAndItsPictureLeadsBack()
    {
        auto world = startWorld();
        ui::HelpScreen &help = world->program->Help();
        clickLabel(world->first(), "Label24");
        QVERIFY(help.isVisible() && !world->first().isVisible());
        QCOMPARE(help.pos(), world->first().pos());

        help.move(help.pos() + QPoint(40, 25));
        const QPoint moved = help.pos();
        clickLabel(help, "Label1"); // only the picture leads back
        QVERIFY(help.isVisible());
        clickLabel(help, "Image1");
        QVERIFY(world->first().isVisible() && !help.isVisible());
        QCOMPARE(world->first().pos(), moved);
    }

    void aLanguageChangeRecaptionsHiddenScreensAndQtsOwnTexts()
    {
        // French and German have no data here: their captions stay empty, Qt's texts change all the same.
        auto world = startWorld("french");
        QCOMPARE(world->prompts.messages.size(), 1 + kCategoryCount);
        QCOMPARE(world->prompts.messages.first(), "Unable to open language file " + world->path("french.txt"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
        QDir(world->dir.path()).mkdir("translations");
        QVERIFY(QFile::copy(BREVATH_BIN "/translations/brevath_de.qm", world->path("translations/brevath_de.qm")));
        clickLabel(world->first(), "Label25");
        chooseLanguage(*world, "Option3");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        settle(); // the windows hear of the new language from the event loop
        const QSet<QString> german = shownTexts(*world);
        // The dialog is outside the caption table and stays readable.
        QCOMPARE(control<QPushButton>(world->program->LanguageDialog(), "Command1")->text(), "&OK");

        clickLabel(world->first(), "Label25");
        chooseLanguage(*world, "Option1");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        // No text of one language is left in the other, but for the few that are the same in all.
        settle();
        QSet<QString> left = shownTexts(*world) & german;
        for (const char *everywhere : {"…", "Objet", "Type d'Objet"})
            left.remove(QString::fromUtf8(everywhere));
        QVERIFY2(left.isEmpty(), qPrintable(QStringList(left.begin(), left.end()).join(" | ")));
        const CaptionTable &e = world->captions();
        QVERIFY(!world->second().isVisible() && world->session().catalogue.count() > 0);
        QCOMPARE(QStringList({world->second().windowTitle(), world->program->Help().windowTitle(),
                              world->results().headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(),
                              control<QLabel>(world->program->Help(), "pathsNote")->text()}),
                 QStringList({e.entry(32), e.entry(29), e.entry(50), // and the folders in force
                              "Data: " + world->dir.path() + "\nSettings: " + world->path("Brevath.ini")}));
    }

    // Markup stays text, a caption longer than any window shows is cut, and an empty one,
    // loaded last over all the others, gives a blank title, not the program's name.
    void everyCaptionIsShownAsWrittenWithinTheBound()
    {
        auto world = startWorld();
        writeBytes(world->path("Brevath.ini"), "hostile\r\n");
        const QString markup = "<b>Bold</b> &amp; <u>under</u>";
        const QString bound(ui::kShownTextLimit, u'w');
        const QString cut = QString(ui::kShownTextLimit - 1, u'w') + QChar(0x2026);
        const std::pair<QString, QString> cases[] = {{markup, markup}, {QString(20000, u'w'), cut}, {bound, bound}, {}};
        for (const auto &[caption, shown] : cases) {
            QByteArray file;
            for (int n = 1; n <= CaptionTable::kEntries; ++n)
                file += '"' + caption.toLatin1() + "\"\r\n";
            writeBytes(world->path("hostile.txt"), file);
            world->program->LoadLanguage();

            for (ui::ProgramWindow *screen : QList<ui::ProgramWindow *>{&world->first(), &world->second(),
                                                                        &world->third(), &world->program->Help()}) {
                QCOMPARE(screen->windowTitle(), shown.isEmpty() ? QStringLiteral(" ") : shown);
                for (QAbstractButton *button : named<QAbstractButton>(*screen, "Command"))
                    QCOMPARE(button->text(), shown);
                if (screen == &world->second())
                    continue; // its headings keep their design captions
                for (QLabel *label : named<QLabel>(*screen, "Label")) {
                    // Read as a listener hears it: a label naming a box escapes its "&", which shows once.
                    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), shown);
                    QCOMPARE(label->textFormat(), Qt::PlainText);
                }
            }
            QCOMPARE(world->results().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), shown);
            QCOMPARE(world->chart().chart()->axes(Qt::Horizontal).first()->titleText(), shown.toHtmlEscaped());

            // A message carrying a caption is plain text too.
            QString boxText;
            QTimer::singleShot(0, [&boxText] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                boxText = box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("(formatted)");
                box->accept();
            });
            ui::QtPrompts().ShowMessage(&world->first(), caption);
            QCOMPARE(boxText, shown);
        }
    }

    void closingAnyWindowEndsTheProgram()
    {
        for (int closed = 0; closed < 5; ++closed) {
            auto world = startWorld();
            const QList<ui::ProgramWindow *> windows = {&world->first(), &world->second(), &world->third(),
                                                        &world->program->Help(), &world->program->LanguageDialog()};
            windows[closed]->close();
            QCOMPARE(world->endings, 1);
            for (ui::ProgramWindow *w : windows)
                QVERIFY(w->IsClosed() && !w->isVisible());
        }
    }
};

QTEST_MAIN(StartTest)
#include "test_ui_start.moc"
