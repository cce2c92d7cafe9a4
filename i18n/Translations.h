#pragma once
// The texts that are not captions, in the language in force: the program's own (marked with
// tr()) and Qt's (file dialogs, message box buttons).

#include <QString>

namespace brevath {

// Replaces the translations installed by the previous call with those of the language word
// (french fr, german de): brevath_<code>.qm from the "translations" folder of dataDir and
// Qt's own qtbase_<code>.qm. English, any other word, or a missing file: the English texts.
// The two-letter code of a language word (english en, french fr, german de), empty for any other.
QString LanguageCode(const QString &languageWord);

void UseTranslations(const QString &dataDir, const QString &languageWord);

} // namespace brevath
