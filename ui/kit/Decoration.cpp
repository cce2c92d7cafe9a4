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

void UseLightText(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::WindowText, QColor(0xf3, 0xe7, 0xc9));
    window->setPalette(palette);
}

void UseHighlightedText(QWidget *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    label->setPalette(palette);
}

QCursor BowCursor()
{
    return QCursor(Picture(QStringLiteral("bow_cursor.png")), 0, 0);
}

} // namespace brevath::ui
