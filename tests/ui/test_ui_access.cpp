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
        ui::Program &p = *world->program;
        const QList<QWidget *> screens = {&p.LanguageDialog(), &p.First(), &p.Second(), &p.Third(), &p.Help()};
        enum Screen { Dialog, Start, Choice, Results, Help };
        struct Step
        {
            Screen from;
            const char *reach; // by Tab; Shift+Tab when it starts with '-'
            Qt::Key key;
            Screen to;
        };
        const Step steps[] = {
            {Dialog, "Option1", Qt::Key_Down, Dialog},
            {Dialog, "Command1", Qt::Key_Return, Start},
            {Start, "Label24", Qt::Key_Return, Help},
            {Help, "", Qt::Key_Escape, Start},
            {Start, "", Qt::Key_F1, Help},
            {Help, "Image1", Qt::Key_Space, Start},
            {Start, "Label25", Qt::Key_Space, Dialog},
            {Dialog, "Command1", Qt::Key_Enter, Start},
            {Start, "Command3", Qt::Key_Return, Choice},
            {Choice, "TypeObjet_80", Qt::Key_Down, Choice},
            {Choice, "-TypeObjet_0", Qt::Key_Down, Choice},
            {Choice, "Command2", Qt::Key_Return, Results},
            {Results, "Command2", Qt::Key_Return, Choice},
            {Choice, "Command1", Qt::Key_Return, Start},
        };
        for (const Step &step : steps) {
            QWidget &window = *screens[step.from];
            QVERIFY(window.isVisible());
            QApplication::setActiveWindow(&window);
            const QString reach = QLatin1String(step.reach);
            const bool back = reach.startsWith(u'-');
            if (!reach.isEmpty())
                QVERIFY2(tabTo(window, back ? reach.mid(1) : reach, back), step.reach);
            QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, step.key);
            settle();
            QVERIFY2(screens[step.to]->isVisible() && (step.to == step.from || !window.isVisible()), step.reach);
        }
        // The arrow chose French; the last row and the first took a type from the keys.
        QCOMPARE(world->session().language.language, "french");
        QCOMPARE(QList<int>({world->session().goals.types[0], world->session().goals.types[80]}), QList<int>({1, 1}));
    }

    void theStartScreensTabOrderIsTheDesignedOne()
    {
        auto world = startWorld();
        QApplication::setActiveWindow(&world->first());
        QStringList order;
        QVERIFY(tabTo(world->first(), "SDText1", false));
        do {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget()->objectName() != "SDText1" && order.size() < 60);
        QCOMPARE(order.join(u' '),
                 "SDText1 SDText2 SDText3 SDText4 SDText5 SDText6 SDText7 SDText8 MText1 MText2 "
                 "MText3 MText4 MText5 Command1 Command2 Check1 Check2 Check3 Check4 Command3 "
                 "Check5 Check6 Check7 Check8 Check9 Check10 Option1 Library1 Label24 Label25");
    }
};

QTEST_MAIN(AccessTest)
#include "test_ui_access.moc"
