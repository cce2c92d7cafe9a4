#pragma once
// The program's pictures, pointer and decorative face.

#include <QCursor>
#include <QFont>
#include <QPalette>
#include <QPixmap>

namespace brevath::ui {

// A picture of assets/, by file name (for example "help_return.jpg").
QPixmap Picture(const QString &fileName);

// The face "Orvane Script", else a script face Debian ships, else the default face.
QFont DecorativeFont(double pointSize, bool bold);

// Texts drawn straight on a dark picture: the window's own labels in a light colour, boxes and
// buttons as usual. Set as a style sheet, which no palette and no application style sheet
// undoes.
void UseLightText(QWidget *window);
// The window's own labels in the colour of highlighted text, which the help screen's texts use.
void UseHighlightedText(QWidget *window);
// The colour that marks a text as wrong, readable on this palette's base, light or dark.
QColor WarningTextColour(const QPalette &palette);

// The bow pointer that marks a label or picture as clickable.
QCursor BowCursor();

} // namespace brevath::ui
