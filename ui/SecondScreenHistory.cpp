// The choice screen's shortcuts, and the rows as its undo history records and restores them.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "Workspace.h"
#include "EntryCompleter.h"
#include "SecondScreen.h"

namespace brevath::ui {

namespace {

QAction *makeAction(QWidget *screen, const char *name, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(screen);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    screen->addAction(action);
    return action;
}

// One line without a TAB is a name, not a list of choices: pasted into a box, it is typed there.
bool clipboardHoldsAName()
{
    const QString text = QGuiApplication::clipboard()->text();
    return !text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'\r');
}

} // namespace

void SecondScreen::makeActions()
{
    UndoAction = makeAction(this, "UndoAction", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    RedoAction = makeAction(this, "RedoAction",
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    CopyAction = makeAction(this, "CopyAction", QKeySequence::keyBindings(QKeySequence::Copy));
    PasteAction = makeAction(this, "PasteAction", QKeySequence::keyBindings(QKeySequence::Paste));
    connect(UndoAction, &QAction::triggered, m_history, &ChoiceHistory::Undo);
    connect(RedoAction, &QAction::triggered, m_history, &ChoiceHistory::Redo);
    connect(CopyAction, &QAction::triggered, this, &SecondScreen::copyRows);
    connect(PasteAction, &QAction::triggered, this, &SecondScreen::pasteRows);
}

QAction *SecondScreen::shortcutAction(QObject *watched, const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (QAction *action : {UndoAction, RedoAction, CopyAction, PasteAction}) {
        if (!action->shortcuts().contains(pressed))
            continue;
        const auto *box = qobject_cast<QComboBox *>(watched);
        const bool inEntryBox = qobject_cast<QLineEdit *>(watched) || (box && box->isEditable())
                                || watched == m_completer->popup();
        return action == PasteAction && inEntryBox && clipboardHoldsAName() ? nullptr : action;
    }
    return nullptr;
}

bool SecondScreen::filterShortcut(QObject *watched, QEvent *event)
{
    // An entry box would keep the screen's shortcuts for its own text.
    if (event->type() == QEvent::ShortcutOverride && shortcutAction(watched, static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    if (watched != m_completer->popup() || event->type() != QEvent::KeyPress)
        return false;
    // The suggestions window has the keyboard while it is open, and hands keys to the box
    // past every shortcut: the screen's keys are taken here first.
    QAbstractItemView *popup = m_completer->popup();
    const auto *key = static_cast<QKeyEvent *>(event);
    if (QAction *action = shortcutAction(watched, key)) {
        popup->hide();
        action->trigger();
        return true;
    }
    // Enter with no suggestion taken ends the typing, once the window is out of the way.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !popup->currentIndex().isValid() && m_completer->widget()) {
        popup->hide();
        QCoreApplication::sendEvent(m_completer->widget(), event);
        return true;
    }
    return false;
}

ChoiceRowsState SecondScreen::captureRows() const
{
    ChoiceRowsState rows(Choix1.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {m_handledType[i], m_workspace.goals.kinds[i], Choix1[i]->currentText(), SharesEntryList(int(i))};
    return rows;
}

void SecondScreen::restoreRows(const ChoiceRowsState &rows)
{
    // The lists are put back here, from the recorded types, not by the type-chosen handling.
    const QScopedValueRollback restoring(m_restoring, true);
    for (size_t i = 0; i < rows.size() && i < Choix1.size(); ++i) {
        const ChoiceRowState &row = rows[i];
        if (TypeObjet[i]->currentIndex() != row.type)
            TypeObjet[i]->setCurrentIndex(row.type);
        if (row.sharedList) {
            if (!SharesEntryList(int(i)))
                m_entryLists.ShareList(Choix1[i]);
        } else if (SharesEntryList(int(i)) || m_handledType[i] != row.type) {
            giveTypeList(int(i));
        }
        m_handledType[i] = row.type;
        m_workspace.goals.kinds[i] = row.kind;
        Choix1[i]->setEditText(row.text);
    }
}

} // namespace brevath::ui
