#pragma once
// An accessible interface of our own for one class of widget, registered with Qt once.

#include <QAccessibleWidget>

namespace brevath::ui {

template<class Widget, class Interface> void InstallAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            return new Interface(static_cast<Widget *>(object));
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace brevath::ui
