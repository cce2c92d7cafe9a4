#include "Records.h"

namespace brevath {

namespace {
constexpr int kMaxPosition = 32767;

bool endsRecord(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}
} // namespace

void RecordReader::consumeDelimiter()
{
    if (m_pos >= m_text.size())
        return;
    const QChar c = m_text[m_pos++];
    if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
}

void RecordReader::skipToDelimiter()
{
    while (m_pos < m_text.size() && !endsRecord(m_text[m_pos]))
        ++m_pos;
    consumeDelimiter();
}

std::optional<QString> RecordReader::ReadRecord()
{
    if (atEnd())
        return std::nullopt;
    while (m_pos < m_text.size() && m_text[m_pos] == u' ')
        ++m_pos;

    if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
        const qsizetype start = m_pos + 1;
        const qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0) {
            m_pos = m_text.size();
            return m_text.mid(start).toString();
        }
        m_pos = close + 1;
        skipToDelimiter();
        return m_text.mid(start, close - start).toString();
    }

    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsRecord(m_text[m_pos]))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && m_text[end - 1] == u' ')
        --end;
    consumeDelimiter();
    return m_text.mid(start, end - start).toString();
}

QStringView NextTabField(int &position, QStringView line)
{
    if (line.size() > kMaxPosition)
        throw FieldPositionOverflow{};
    const int length = int(line.size());
    QStringView field;
    int next;
    if (position > length) {
        next = position + 1;
    } else {
        const qsizetype tab = line.indexOf(u'\t', position - 1);
        if (tab < 0) {
            field = line.mid(position - 1);
            next = length + 1;
        } else {
            field = line.mid(position - 1, tab - (position - 1));
            next = int(tab) + 2;
        }
    }
    if (next > kMaxPosition)
        throw FieldPositionOverflow{};
    position = next;
    return field;
}

} // namespace brevath
