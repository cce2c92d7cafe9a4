#include "CaptionAppliers.h"

#include <QPushButton>
#include <QLabel>
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

namespace {

// Every entry is applied as it is, an empty one too: there is no fallback to the design text.
template<class Control>
void applyEach(const CaptionTable &captions, std::initializer_list<std::pair<int, Control *>> targets)
{
    for (const auto &[entry, control] : targets)
        control->setText(captions.entry(entry));
}

} // namespace

void ApplyFirstScreenCaptions(FirstScreen &s, const CaptionTable &captions)
{
    s.setWindowTitle(captions.entry(1));
    applyEach<QLabel>(captions, {{2, s.Label1},   {3, s.Label9},   {4, s.Label2},   {5, s.Label3},
                                 {6, s.Label4},   {7, s.Label5},   {8, s.Label6},   {9, s.Label7},
                                 {10, s.Label8},  {11, s.Label10}, {12, s.Label16}, {13, s.Label12},
                                 {14, s.Label14}, {15, s.Label13}, {16, s.Label21}, {17, s.Label15},
                                 {18, s.Label17}, {19, s.Label18}, {20, s.Label19}, {21, s.Label20},
                                 {22, s.Label23}, {25, s.Label22}, {27, s.Label24}, {73, s.Label25},
                                 {74, s.Label11}});
    applyEach<QAbstractButton>(captions, {{23, s.Command1}, {24, s.Command2}, {26, s.Command3}});
}

void ApplyHelpScreenCaptions(HelpScreen &s, const CaptionTable &captions)
{
    s.setWindowTitle(captions.entry(29));
    applyEach<QLabel>(captions, {{30, s.Label1}, {31, s.Label2}});
}

void ApplySecondScreenCaptions(SecondScreen &s, const CaptionTable &captions)
{
    s.setWindowTitle(captions.entry(32));
    applyEach<QAbstractButton>(captions, {{34, s.Command1}, {35, s.Command4}, {36, s.Command3}, {37, s.Command2}});
}

void ApplyThirdScreenCaptions(ThirdScreen &s, const CaptionTable &captions)
{
    s.setWindowTitle(captions.entry(40));
    for (int c = 0; c < kListColumns; ++c)
        s.ListModel1->setHeaderData(c, Qt::Horizontal, captions.entry(Caption::FirstListHeader + c));
    s.Chart1->ApplyCaptions(captions);
    applyEach<QAbstractButton>(captions, {{51, s.Command2}, {52, s.Command3}, {53, s.Command1}});
}

} // namespace brevath::ui
