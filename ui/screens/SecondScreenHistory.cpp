// The choice screen's own keys and menu: undo and redo, the goal list or its share code to
// and from the clipboard, and the order assistant. Inside a text box Ctrl+C, Ctrl+X and Ctrl+V
// stay the box's own.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>

#include "Controls.h"
#include "EntryCompleter.h"
#include "Notice.h"
#include "SecondScreen.h"
#include "ToolsButton.h"

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

} // namespace

void SecondScreen::makeActions()
{
    m_undoAction = makeAction(this, "undoAction", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction = makeAction(this, "redoAction",
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_copyAction = makeAction(this, "copyAction", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    m_pasteAction = makeAction(this, "pasteAction", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)});
    m_copyCodeAction = makeAction(this, "copyCodeAction", {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)});
    m_suggestOrderAction = makeAction(this, "suggestOrderAction", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)});
    connect(m_undoAction, &QAction::triggered, m_history->Stack(), &QUndoStack::undo);
    connect(m_redoAction, &QAction::triggered, m_history->Stack(), &QUndoStack::redo);
    connect(m_copyAction, &QAction::triggered, this, &SecondScreen::copyRows);
    connect(m_pasteAction, &QAction::triggered, this, &SecondScreen::pasteRows);
    connect(m_copyCodeAction, &QAction::triggered, this, &SecondScreen::copyCode);
    connect(m_suggestOrderAction, &QAction::triggered, this, &SecondScreen::suggestOrder);
    const QUndoStack *stack = m_history->Stack();
    m_undoAction->setEnabled(stack->canUndo());
    m_redoAction->setEnabled(stack->canRedo());
    connect(stack, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    // Beside the heading of the entries, where the picture leaves room.
    m_toolsButton = new ToolsButton(this,
                                    {m_undoAction, m_redoAction, nullptr, m_copyAction, m_pasteAction, m_copyCodeAction,
                                     nullptr, m_suggestOrderAction},
                                    false);
    PlaceControl(m_toolsButton, 7620, 105, 1395, 345);
    m_notice = new Notice(this, ToPixels(kClientHeightTwips - 6480) + 6);
    nameActions();
}

void SecondScreen::nameActions()
{
    m_undoAction->setText(tr("Undo"));
    m_redoAction->setText(tr("Redo"));
    m_copyAction->setText(tr("Copy goal list"));
    m_pasteAction->setText(tr("Paste goal list"));
    m_copyCodeAction->setText(tr("Copy share code"));
    m_suggestOrderAction->setText(tr("Suggest an order…"));
}

void SecondScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        nameActions();
        ShowLevels();
    }
    // A mark must stay readable on the boxes' new ground.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        for (int i = 0; i <= lNMax && i < int(Choix1.size()); ++i)
            markRow(i);
    }
    ProgramWindow::changeEvent(event);
}

void SecondScreen::contextMenuEvent(QContextMenuEvent *event)
{
    m_toolsButton->menu()->exec(event->globalPos());
}

QAction *SecondScreen::shortcutAction(const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (QAction *action :
         {m_undoAction, m_redoAction, m_copyAction, m_pasteAction, m_copyCodeAction, m_suggestOrderAction})
        if (action->shortcuts().contains(pressed))
            return action;
    return nullptr;
}

bool SecondScreen::filterShortcut(QObject *watched, QEvent *event)
{
    // An entry box would keep Ctrl+Z and the like for its own text, which the rows hold.
    if (event->type() == QEvent::ShortcutOverride && shortcutAction(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    if (watched != m_completer->popup() || event->type() != QEvent::KeyPress)
        return false;
    // The suggestions window has the keyboard while it is open, and hands keys to the box
    // past every shortcut: the screen's keys are taken here first.
    QAbstractItemView *popup = m_completer->popup();
    const auto *key = static_cast<QKeyEvent *>(event);
    if (QAction *action = shortcutAction(key)) {
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

} // namespace brevath::ui
