#include "ResultsLayout.h"

#include <algorithm>

namespace brevath::ui {

ResultsLayout LayOutResults(int clientWidth, int clientHeight)
{
    constexpr int kMargin = 50;
    const int h = kResultsButtonHeight;
    const int t = clientHeight - 100 - h;
    const int buttonTop = t + kMargin;

    ResultsLayout layout;
    layout.ListView1 = QRect(kMargin, kMargin, std::max(0, clientWidth - kMargin), std::max(0, t - kMargin));
    layout.Command1 = QRect(clientWidth - kMargin - kHtmlButtonWidth, buttonTop, kHtmlButtonWidth, h);
    layout.Command2 = QRect(kMargin, buttonTop, kBackButtonWidth, h);
    layout.Command3 =
        QRect(clientWidth - kHtmlButtonWidth - kTextButtonWidth - 100, buttonTop, kTextButtonWidth, h);
    return layout;
}

} // namespace brevath::ui
