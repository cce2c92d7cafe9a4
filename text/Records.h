#pragma once
// The record reader shared by catalogue, caption, choice and settings files, and the TAB
// field splitter used inside records.

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <type_traits>

namespace brevath {

// A QString or QByteArray that dies with the statement that passes it.
template<typename Text, typename View>
concept DyingText =
    !std::is_lvalue_reference_v<Text> && !std::is_trivially_copyable_v<Text> && std::is_constructible_v<View, Text>;

// Reads records one after the other from file text: decoded (QStringView) or, since every
// delimiter is a single ASCII byte of the code page, the file's own bytes (QByteArrayView).
// Blanks (spaces) before a record are skipped; an unquoted record ends at a comma or at the
// end of the line (CR LF, CR or LF) and loses its trailing spaces; a record that begins with
// a double quote runs to the next double quote, may hold commas and line breaks, and
// anything after the closing quote up to the next comma or line end is dropped. An empty
// line is an empty record. TAB is an ordinary character.
template<typename View> class BasicRecordReader
{
public:
    explicit BasicRecordReader(View text) : m_text(text) {}
    // The reader keeps a view, so an owning temporary would be read after the statement freed it.
    template<DyingText<View> Text> BasicRecordReader(Text &&) = delete;

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next record, a view into the text; empty when the text is at its end (reading
    // there is a failure).
    std::optional<View> Next();

private:
    bool is(qsizetype i, char c) const { return m_text[i] == char16_t(c); }
    bool endsRecord(qsizetype i) const { return is(i, ',') || is(i, '\r') || is(i, '\n'); }
    void skipToDelimiter();
    void consumeDelimiter();

    View m_text;
    qsizetype m_pos = 0;
};

extern template class BasicRecordReader<QStringView>;
extern template class BasicRecordReader<QByteArrayView>;

class RecordReader : public BasicRecordReader<QStringView>
{
public:
    using BasicRecordReader::BasicRecordReader;
    std::optional<QString> ReadRecord()
    {
        const std::optional<QStringView> record = Next();
        return record ? std::optional<QString>(record->toString()) : std::nullopt;
    }
};

// A record of one position too many for a 16-bit position; readers treat it as a failure.
struct FieldPositionOverflow
{
};

// Returns the characters of line from the 1-based position up to the next TAB or the end
// of the line and moves position one past that TAB (or one past the end). At or past the
// end it returns empty text and still moves position by one. Positions are 16-bit signed:
// a line longer than 32767 characters, or a position that would pass 32767, throws
// FieldPositionOverflow.
QStringView NextTabField(int &position, QStringView line);
QByteArrayView NextTabField(int &position, QByteArrayView line);

} // namespace brevath
