#pragma once
// The language's captions onto the four main screens, hidden or shown.

#include <QString>

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class FirstScreen;
class HelpScreen;
class SecondScreen;
class ThirdScreen;

// No window shows more than this many characters of one text; a longer one (a caption file
// can hold megabytes in one entry) would stall the layout or break the X11 connection.
constexpr int kShownTextLimit = 4096;

// The text cut to the limit, an ellipsis marking the cut: for every caption a window shows.
QString ShownText(const QString &text);

void ApplyFirstScreenCaptions(FirstScreen &screen, const CaptionTable &captions);
void ApplyHelpScreenCaptions(HelpScreen &screen, const CaptionTable &captions);
void ApplySecondScreenCaptions(SecondScreen &screen, const CaptionTable &captions);
void ApplyThirdScreenCaptions(ThirdScreen &screen, const CaptionTable &captions);

} // namespace brevath::ui
