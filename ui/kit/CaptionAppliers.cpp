#include "CaptionAppliers.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <utility>

#include "CaptionTable.h"
#include "ClickableLabel.h"
#include "FirstScreen.h"
#include "HelpScreen.h"
#include "ResultTableModel.h"
#include "RiseChart.h"
#include "SecondScreen.h"
#include "ThirdScreen.h"

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

namespace {

void setTitle(QWidget &window, const QString &title)
{
    // The platform puts the application's name in place of an empty title; a lone blank
    // shows as nothing and is kept.
    window.setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : ShownText(title));
}

// Every entry is applied as it is, an empty one too: there is no fallback to the design text.
void applyLabels(const CaptionTable &captions, std::initializer_list<std::pair<int, QLabel *>> targets)
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

void applyButtons(const CaptionTable &captions, std::initializer_list<std::pair<int, QAbstractButton *>> targets)
{
    for (const auto &[entry, button] : targets)
        button->setText(ShownText(captions.entry(entry)));
}

// The chart draws its titles and legend as rich text: it is handed the captions escaped.
CaptionTable chartCaptions(const CaptionTable &captions)
{
    CaptionTable escaped;
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        escaped.setEntry(n, ShownText(captions.entry(n)).toHtmlEscaped());
    return escaped;
}

// A box with no label of its own, named from its column's heading and its row's label.
QString columnRowName(const CaptionTable &captions, int column, int row)
{
    return QCoreApplication::translate("Brevath", "%1 for %2", "a column heading, then a row label")
        .arg(ShownText(captions.entry(column)), ShownText(captions.entry(row)));
}

} // namespace

void ApplyFirstScreenCaptions(FirstScreen &s, const CaptionTable &captions)
{
    setTitle(s, captions.entry(1));
    applyLabels(captions, {{2, s.Label1},   {3, s.Label9},   {4, s.Label2},   {5, s.Label3},   {6, s.Label4},
                           {7, s.Label5},   {8, s.Label6},   {9, s.Label7},   {10, s.Label8},  {11, s.Label10},
                           {12, s.Label16}, {13, s.Label12}, {14, s.Label14}, {15, s.Label13}, {16, s.Label21},
                           {17, s.Label15}, {18, s.Label17}, {19, s.Label18}, {20, s.Label19}, {21, s.Label20},
                           {22, s.Label23}, {25, s.Label22}, {27, s.Label24}, {73, s.Label25}, {74, s.Label11}});
    applyButtons(captions, {{23, s.Command1}, {24, s.Command2}, {26, s.Command3}});
    const std::array<QLineEdit *, kStatCount> maxima = {s.MText1, s.MText2, s.MText3, s.MText4, s.MText5};
    const std::array<QRadioButton *, kStatCount> options = {s.Option1, s.Option2, s.Option3, s.Option4, s.Option5};
    for (int stat = 1; stat <= kStatCount; ++stat) {
        const int row = 3 + stat; // the statistics' row labels, entries 4 to 8
        maxima[size_t(stat - 1)]->setAccessibleName(columnRowName(captions, 11, row));
        options[size_t(stat - 1)]->setAccessibleName(columnRowName(captions, 74, row));
    }
}

void ApplyHelpScreenCaptions(HelpScreen &s, const CaptionTable &captions)
{
    setTitle(s, captions.entry(29));
    applyLabels(captions, {{30, s.Label1}, {31, s.Label2}});
    s.Image1->setAccessibleName(QCoreApplication::translate("Brevath", "Back to the start screen"));
}

void ApplySecondScreenCaptions(SecondScreen &s, const CaptionTable &captions)
{
    setTitle(s, captions.entry(32));
    applyButtons(captions, {{34, s.Command1}, {35, s.Command4}, {36, s.Command3}, {37, s.Command2}});
    s.NameControls();
}

void ApplyThirdScreenCaptions(ThirdScreen &s, const CaptionTable &captions)
{
    setTitle(s, captions.entry(40));
    for (int c = 0; c < kListColumns; ++c)
        s.ListModel1->setHeaderData(c, Qt::Horizontal, ShownText(captions.entry(Caption::FirstListHeader + c)));
    s.Chart1->ApplyCaptions(chartCaptions(captions));
    applyButtons(captions, {{51, s.Command2}, {52, s.Command3}, {53, s.Command1}});
}

} // namespace brevath::ui
