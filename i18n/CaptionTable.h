#pragma once
// The 82 translatable texts of the language in force.

#include <QString>
#include <array>
#include <optional>

#include "Outcome.h"

namespace brevath {

// Entries that the planning code composes into its own texts.
namespace Caption {
constexpr int SheetTitle = 2;
constexpr int MaximumTitle = 11;
constexpr int CommitFailed = 28;
constexpr int PlaceholderWord = 33;
constexpr int ChoiceSaveFailed = 38;
constexpr int ReadFailed = 39;
constexpr int HtmlTitle = 54;
constexpr int FirstExportTitle = 55; // 55 to 64 head export columns 1 to 10
constexpr int ExportSucceeded = 65;
constexpr int ExportFailed = 66;
constexpr int PriorityTitle = 74;
constexpr int NoEntryItem = 67;
constexpr int StatLabelBase = 67; // + statistic number: the labels of the points text
constexpr int AllCategoriesItem = 75;
constexpr int ExtraSumTitle = 76;
constexpr int MarginTitle = 77;
constexpr int StatNameBase = 77; // + statistic number: type-list items and target labels
constexpr int FirstListHeader = 41; // 41 to 50 head the ten result list columns
} // namespace Caption

class CaptionTable
{
public:
    static constexpr int kEntries = 82;

    // Entry n, 1 to 82; empty until a caption file fills it.
    const QString &entry(int n) const { return m_entries.at(n - 1); }
    void setEntry(int n, const QString &text) { m_entries.at(n - 1) = text; }

    // Entry n, one blank and a path: the form of every file message.
    QString message(int n, const QString &path) const { return entry(n) + u' ' + path; }

private:
    std::array<QString, kEntries> m_entries;
};

// Reads fields 1 to 82 of the file into the table. Entries read before a failure keep
// their new texts, the others keep theirs.
Outcome LoadCaptionFile(const QString &path, CaptionTable &table);

} // namespace brevath
