#include "SearchKey.h"

namespace brevath {

QString SearchKey(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    }
    return key.toCaseFolded();
}

} // namespace brevath
