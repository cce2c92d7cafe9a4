#pragma once
// Creating a window's controls: each named as the windows' design names it, at its design
// place in twips.

#include <QString>
#include <QWidget>

#include "Twips.h"

namespace brevath::ui {

inline void PlaceControl(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(PixelRect(left, top, width, height));
}

template<class Control>
Control *MakeControl(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *control = new Control(parent);
    control->setObjectName(name);
    PlaceControl(control, left, top, width, height);
    return control;
}

// The name of element i of a control array, such as "Choix1_5".
inline QString ElementName(const char *array, int i)
{
    return QLatin1String(array) + u'_' + QString::number(i);
}

// A name with a number, such as "Label12".
inline QString NumberedName(const char *kind, int n)
{
    return QLatin1String(kind) + QString::number(n);
}

} // namespace brevath::ui
