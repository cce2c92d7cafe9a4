#pragma once
// Choice files: one line per ChoiceList row, "0" TAB name or statistic TAB value.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "Outcome.h"

namespace brevath {

class Catalogue;
class CaptionTable;

// The file's text for the list. A name that would not read back whole (a comma, a line
// break, trailing blanks) is written as one quoted record.
QString ChoiceFileText(const ChoiceList &list, const Catalogue &catalogue);
QByteArray ChoiceFileBytes(const ChoiceList &list, const Catalogue &catalogue);

// The text a save of these rows would write, leaving the rows' kinds and the session's list
// untouched; empty when a statistic value cannot be packed.
std::optional<QString> ChoiceFileText(const std::array<QString, kChoiceRows> &texts, const RowKinds &kinds,
                                      const Catalogue &catalogue, const CaptionTable &captions);

// Rebuilds the list from the rows and writes it atomically. A statistic value that cannot
// be packed writes nothing. The message on failure is entry 38, a blank and the path.
Outcome SaveChoiceFile(const QString &path, const std::array<QString, kChoiceRows> &texts, RowKinds &kinds,
                       ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions);

// One screen row as a choice file sets it.
struct LoadedChoiceRow
{
    // The row's kind once loaded: 0 for a catalogue row or an empty one, s * 65536 for a
    // statistic, or the negative number the file gave (still a catalogue row).
    std::int32_t kind = 0;
    // The type-list item the row selects, counted from the five statistics at the end of
    // the list: 1 to 5 the statistic, 0 the item just before them; -1 leaves the type as it is.
    int typeFromEnd = -1;
    QString text;
};

struct ChoiceFileLoad
{
    bool ok = false;
    // Rows from 0 on that the file sets; on failure, the rows before the failing line.
    std::vector<LoadedChoiceRow> rows;
    QString message; // entry 39, a blank and the path, on failure
};

// Reads the file into rows 0 to 80: rows past its end become empty (placeholder, kind 0).
// A line naming a statistic above 5, an unreadable file or an unreadable number fails.
ChoiceFileLoad ReadChoiceFile(const QString &path, const CaptionTable &captions);
ChoiceFileLoad ParseChoiceText(const QString &text, const CaptionTable &captions);

} // namespace brevath
