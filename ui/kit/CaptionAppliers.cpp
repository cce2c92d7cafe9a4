#include "CaptionAppliers.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

#include "CaptionTable.h"

namespace brevath::ui {

QString ShownText(const QString &text)
{
    if (text.size() <= kShownTextLimit)
        return text;
    qsizetype kept = kShownTextLimit - 1;
    if (text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept) + QChar(0x2026);
}

void ApplyTitle(QWidget &window, const QString &title)
{
    // The platform puts the application's name in place of an empty title; a lone blank
    // shows as nothing and is kept.
    window.setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : ShownText(title));
}

void ApplyLabels(const CaptionTable &captions, std::initializer_list<std::pair<int, QLabel *>> targets)
{
    for (const auto &[entry, label] : targets) {
        label->setTextFormat(Qt::PlainText); // a caption is never markup
        QString text = ShownText(captions.entry(entry));
        // A label that names a box reads "&" as the mark of a key: doubled, it shows as written.
        if (label->buddy())
            text.replace(u'&', QStringLiteral("&&"));
        label->setText(text);
    }
}

void ApplyButtons(const CaptionTable &captions, std::initializer_list<std::pair<int, QAbstractButton *>> targets)
{
    for (const auto &[entry, button] : targets)
        button->setText(ShownText(captions.entry(entry)));
}

QString ColumnRowName(const CaptionTable &captions, int column, int row)
{
    return QCoreApplication::translate("Brevath", "%1 for %2", "a column heading, then a row label")
        .arg(ShownText(captions.entry(column)), ShownText(captions.entry(row)));
}

} // namespace brevath::ui
