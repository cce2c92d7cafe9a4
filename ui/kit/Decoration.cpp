#include "Decoration.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

static void initAssets()
{
    // The pictures live in a static library, whose resources are only linked in when asked for.
    Q_INIT_RESOURCE(brevath);
}

namespace brevath::ui {

QPixmap Picture(const QString &fileName)
{
    static const bool assetsReady = (initAssets(), true);
    Q_UNUSED(assetsReady);
    return QPixmap(QStringLiteral(":/assets/") + fileName);
}

QFont DecorativeFont(double pointSize, bool bold)
{
    QFont font;
    // "URW Chancery L" and "Z003" are the same chancery script under its older and newer name
    // (Debian package fonts-urw-base35).
    font.setFamilies({QStringLiteral("Orvane Script"), QStringLiteral("URW Chancery L"), QStringLiteral("Z003")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

namespace {

// Only the labels that stand on the picture: those inside boxes keep the boxes' colours.
void ColourOwnLabels(QWidget *window, const QString &colour)
{
    window->setStyleSheet(
        QStringLiteral("#%1 > QLabel { color: %2; background: transparent; }").arg(window->objectName(), colour));
}

} // namespace

void UseLightText(QWidget *window)
{
    ColourOwnLabels(window, QStringLiteral("#f3e7c9"));
}

void UseHighlightedText(QWidget *window)
{
    ColourOwnLabels(window, QStringLiteral("palette(highlighted-text)"));
}

QColor WarningTextColour(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(0xff, 0x8a, 0x80) : QColor(0x9a, 0x10, 0x10);
}

QCursor BowCursor()
{
    return QCursor(Picture(QStringLiteral("bow_cursor.png")), 0, 0);
}

} // namespace brevath::ui
