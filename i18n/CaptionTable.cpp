#include "CaptionTable.h"

#include "Records.h"
#include "TextFile.h"

namespace brevath {

Outcome LoadCaptionFile(const QString &path, CaptionTable &table)
{
    const Outcome failure = Outcome::Failure(QStringLiteral("Unable to open language file ") + path);
    const std::optional<QString> text = ReadTextFile(path);
    if (!text)
        return failure;
    RecordReader reader(*text);
    for (int n = 1; n <= CaptionTable::kEntries; ++n) {
        std::optional<QString> field = reader.ReadRecord();
        if (!field)
            return failure;
        table.setEntry(n, *field);
    }
    return Outcome::Success();
}

} // namespace brevath
