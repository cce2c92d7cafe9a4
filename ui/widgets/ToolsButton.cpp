#include "ToolsButton.h"

#include <QEvent>
#include <QMenu>

namespace brevath::ui {

ToolsButton::ToolsButton(QWidget *parent, const QList<QAction *> &actions, bool compact)
    : QToolButton(parent), m_compact(compact)
{
    setObjectName(QStringLiteral("toolsButton"));
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("toolsMenu"));
    for (QAction *action : actions) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
    setMenu(menu);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    retranslate();
}

void ToolsButton::changeEvent(QEvent *event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ToolsButton::retranslate()
{
    const QString name = tr("Tools");
    setText(m_compact ? QStringLiteral("…") : name);
    setToolTip(tr("%1: copy, paste, compare and more, with their keys").arg(name));
    setAccessibleName(name);
}

} // namespace brevath::ui
