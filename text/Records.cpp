#include "Records.h"

namespace brevath {

namespace {
constexpr int kMaxPosition = 32767;

template<typename View> View nextTabField(int &position, View line)
{
    if (line.size() > kMaxPosition)
        throw FieldPositionOverflow{};
    const int length = int(line.size());
    View field;
    int next;
    if (position > length) {
        next = position + 1;
    } else {
        qsizetype tab = position - 1;
        while (tab < length && !(line[tab] == char16_t(u'\t')))
            ++tab;
        field = line.sliced(position - 1, tab - (position - 1));
        next = tab < length ? int(tab) + 2 : length + 1;
    }
    if (next > kMaxPosition)
        throw FieldPositionOverflow{};
    position = next;
    return field;
}
} // namespace

template<typename View> void BasicRecordReader<View>::consumeDelimiter()
{
    if (m_pos >= m_text.size())
        return;
    const bool cr = is(m_pos++, '\r');
    if (cr && m_pos < m_text.size() && is(m_pos, '\n'))
        ++m_pos;
}

template<typename View> void BasicRecordReader<View>::skipToDelimiter()
{
    while (m_pos < m_text.size() && !endsRecord(m_pos))
        ++m_pos;
    consumeDelimiter();
}

template<typename View> std::optional<View> BasicRecordReader<View>::Next()
{
    if (atEnd())
        return std::nullopt;
    while (m_pos < m_text.size() && is(m_pos, ' '))
        ++m_pos;

    if (m_pos < m_text.size() && is(m_pos, '"')) {
        const qsizetype start = m_pos + 1;
        qsizetype close = start;
        while (close < m_text.size() && !is(close, '"'))
            ++close;
        if (close == m_text.size()) {
            m_pos = m_text.size();
            return m_text.sliced(start);
        }
        m_pos = close + 1;
        skipToDelimiter();
        return m_text.sliced(start, close - start);
    }

    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsRecord(m_pos))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && is(end - 1, ' '))
        --end;
    consumeDelimiter();
    return m_text.sliced(start, end - start);
}

template class BasicRecordReader<QStringView>;
template class BasicRecordReader<QByteArrayView>;

QStringView NextTabField(int &position, QStringView line)
{
    return nextTabField(position, line);
}

QByteArrayView NextTabField(int &position, QByteArrayView line)
{
    return nextTabField(position, line);
}

} // namespace brevath
