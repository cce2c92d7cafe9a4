// What a listener and a keyboard get from the windows: a name for every control the focus can
// reach, in the language in force, and every window reached and left by keys alone.

#include <QAccessible>
#include <QRadioButton>

#include "UiWorld.h"
#include "LibraryWindow.h"
#include "OrderDialog.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// Every control that can take the focus, shown or hidden (so all 81 rows count), by window
// and control, with the name a listener hears.
QMap<QString, QString> accessibleNames(UiWorld &world)
{
    ui::OrderDialog order(world.session(), world.session().goals);
    QMap<QString, QString> names;
    const QList<QWidget *> windows = {&world.first(),
                                      &world.second(),
                                      &world.third(),
                                      &world.program->Help(),
                                      &world.program->LanguageDialog(),
                                      &world.program->Library(),
                                      &order};
    for (QWidget *window : windows) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->window() != window || w->focusPolicy() == Qt::NoFocus)
                continue;
            QString path = w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName();
            for (QWidget *p = w->parentWidget(); p != window; p = p->parentWidget())
                path = p->objectName() + u'/' + path;
            names[window->objectName() + u'/' + path] =
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
    }
    return names;
}

// The choice screen built, and the results shown: every row and the list exist.
void visitEveryScreen(UiWorld &world)
{
    openChoiceScreen(world);
    clickButton(world.second(), "Command2");
    clickButton(world.third(), "Command2");
    clickButton(world.second(), "Command1");
}

// Tab (or Shift+Tab) through the window until the named control has the focus.
bool tabTo(QWidget &window, const QString &name, bool back)
{
    for (int presses = 0; presses < 400; ++presses) {
        if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name)
            return true;
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, back ? Qt::Key_Backtab : Qt::Key_Tab);
    }
    return false;
}

} // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedInTheLanguageInForce()
    {
        // A change of language names everything as a start in that language does.
        const std::pair<QString, const char *> cases[] = {
            {"english", "Option1"}, {"french", "Option2"}, {"german", "Option3"}};
        for (const auto &[word, option] : cases) {
            auto fresh = startWorld(word, true);
            visitEveryScreen(*fresh);
            const QMap<QString, QString> names = accessibleNames(*fresh);
            QCOMPARE(names.keys(QString()).join(", "), QString()); // the controls with no name
            QVERIFY(names.size() > 3 * (ui::SecondScreen::lNMax + 1));

            auto changed = startWorld(word == "german" ? "french" : "german", true);
            visitEveryScreen(*changed);
            changed->program->ShowLanguageDialog();
            ui::Language &dialog = changed->program->LanguageDialog();
            control<QRadioButton>(dialog, QLatin1String(option))->setChecked(true);
            clickButton(dialog, "Command1");
            settle();
            QCOMPARE(accessibleNames(*changed), names);
        }
    }

    void aKeyboardAloneReachesEveryWindowAndAllRows()
    {
        auto world = startWorld(QString(), true);
        // The window, the control Tab reaches in it (Shift+Tab after '-'), a key, the window shown then.
        const QStringList steps =
            QStringLiteral(
                "Language Option1 Down Language, Language Command1 Return FirstScreen, "
                "FirstScreen Label24 Return HelpScreen, HelpScreen - Esc FirstScreen, FirstScreen - F1 HelpScreen, "
                "HelpScreen Image1 Space FirstScreen, FirstScreen Label25 Space Language, "
                "Language Command1 Enter FirstScreen, FirstScreen Command3 Return SecondScreen, "
                "SecondScreen TypeObjet_80 Down SecondScreen, SecondScreen -TypeObjet_0 Down SecondScreen, "
                "SecondScreen Command2 Return ThirdScreen, ThirdScreen Command2 Return SecondScreen, "
                "SecondScreen Command1 Return FirstScreen")
                .split(QStringLiteral(", "));
        QMap<QString, QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows[w->objectName()] = w;
        for (const QString &step : steps) {
            const QStringList s = step.split(u' ');
            QWidget &window = *windows[s[0]];
            QVERIFY2(window.isVisible(), qPrintable(step));
            QApplication::setActiveWindow(&window);
            const bool back = s[1].startsWith(u'-');
            if (s[1] != "-")
                QVERIFY2(tabTo(window, back ? s[1].mid(1) : s[1], back), qPrintable(step));
            QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, QKeySequence(s[2])[0].key());
            settle();
            QVERIFY2(windows[s[3]]->isVisible() && (s[3] == s[0] || !window.isVisible()), qPrintable(step));
        }
        // The arrow chose French; the last row and the first took a type from the keys.
        QCOMPARE(world->session().language.language, "french");
        QCOMPARE(QList<int>({world->session().goals.types[0], world->session().goals.types[80]}), QList<int>({1, 1}));

        // The start screen's chain is the designed one, with what the design had no focus for last.
        QStringList order;
        for (QWidget *w = control<QWidget>(world->first(), "SDText1"); order.size() < 34; w = w->nextInFocusChain()) {
            if (w->focusPolicy() != Qt::NoFocus) // the options of a group give Tab to the checked one
                order << w->objectName();
        }
        QCOMPARE(order.join(u' '),
                 "SDText1 SDText2 SDText3 SDText4 SDText5 SDText6 SDText7 SDText8 MText1 MText2 MText3 "
                 "MText4 MText5 Command1 Command2 Check1 Check2 Check3 Check4 Command3 Check5 Check6 "
                 "Check7 Check8 Check9 Check10 Option1 Option2 Option3 Option4 Option5 libraryButton "
                 "Label24 Label25");
    }
};

QTEST_MAIN(AccessTest)
#include "test_ui_access.moc"
