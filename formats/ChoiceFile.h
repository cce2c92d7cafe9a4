#pragma once
// Choice files: one line per ChoiceList row, "0" TAB name or statistic TAB value. The goal
// list on the clipboard is the same text.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "GoalRows.h"
#include "Outcome.h"

namespace brevath {

class Catalogue;
class CaptionTable;

// The file's text for the list. A name that would not read back whole (a comma, a line
// break, trailing blanks) is written as one quoted record.
QString ChoiceFileText(const ChoiceList &list, const Catalogue &catalogue);
QByteArray ChoiceFileBytes(const ChoiceList &list, const Catalogue &catalogue);

// The text a save of these rows writes; empty when a statistic value cannot be packed.
std::optional<QString> ChoiceFileText(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions);

// The rows each on its own line, up to the last that holds anything: an empty row as an empty
// line and a name the catalogue lacks as written, so each goal keeps the row the player numbered
// (a reader takes an empty line for an empty row). Empty when a statistic value cannot be packed.
std::optional<QString> RowsText(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions);

// Writes the list of the rows atomically. A statistic value that cannot be packed writes
// nothing. The message on failure is entry 38, a blank and the path.
Outcome SaveChoiceFile(const QString &path, const GoalRows &rows, const Catalogue &catalogue,
                       const CaptionTable &captions);

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

// A choice file or pasted text over the rows: each row it sets takes its text and kind, and
// a statistic line its statistic's type; rows past its end show their placeholder and keep
// their type. On a failed read the rows before the failing line are set all the same.
void ApplyChoiceLoad(GoalRows &rows, const ChoiceFileLoad &load);

// Text pasted as a goal list. Only a list read whole is taken: text without a TAB is a name
// or nothing at all, and a list that fails part way must not leave half of it behind.
// False leaves the rows untouched.
bool PasteGoalList(GoalRows &rows, const QString &text, const CaptionTable &captions);

// A choice file read into fresh rows of a build with typeCount types: what brevath-plan,
// the fuzzers and the tests load.
struct GoalRowsLoad
{
    bool ok = false;
    GoalRows rows;
    QString message;
};
GoalRowsLoad ReadGoalRows(const QString &path, const CaptionTable &captions, int typeCount);

} // namespace brevath
