#pragma once
// The program's pictures, pointer and decorative face.

#include <QCursor>
#include <QFont>
#include <QPixmap>

namespace brevath::ui {

// A picture of assets/, by file name (for example "help_return.jpg").
QPixmap Picture(const QString &fileName);

// The face "Orvane Script", else a script face Debian ships, else the default face.
QFont DecorativeFont(double pointSize, bool bold);

// Texts drawn straight on a dark picture: labels in a light colour, boxes and buttons as usual.
void UseLightText(QWidget *window);
// The colour of highlighted text, which the help screen's texts use.
void UseHighlightedText(QWidget *label);

// The bow pointer that marks a label or picture as clickable.
QCursor BowCursor();

} // namespace brevath::ui
