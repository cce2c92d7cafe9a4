#include "Numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace brevath {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text, passing over blanks wherever they stand.
class BlankSkippingCursor
{
public:
    explicit BlankSkippingCursor(QStringView text) : m_text(text) {}

    QChar peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }
    void advance() { ++m_pos; }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype pos) { m_pos = pos; }

    // Appends the decimal digits that follow; false when there is none.
    bool appendDigits(std::string &out)
    {
        bool any = false;
        for (QChar c = peek(); isDigit(c); c = peek()) {
            out += char(c.unicode());
            any = true;
            advance();
        }
        return any;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

double parseDecimal(const std::string &digits)
{
    // strtod follows the C locale here, never the user's, so the point is always the separator.
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(digits.c_str(), nullptr, cLocale);
}

double readRadixNumber(BlankSkippingCursor &cursor, int radix)
{
    double value = 0;
    for (;;) {
        const QChar c = cursor.peek();
        int digit = -1;
        if (isDigit(c))
            digit = c.unicode() - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        if (digit < 0 || digit >= radix)
            return value;
        value = value * radix + digit;
        cursor.advance();
    }
}

} // namespace

double LeadingNumber(QStringView text)
{
    BlankSkippingCursor cursor(text);
    QChar c = cursor.peek();

    if (c == u'&') {
        cursor.advance();
        const QChar r = cursor.peek();
        if (r == u'h' || r == u'H') {
            cursor.advance();
            return readRadixNumber(cursor, 16);
        }
        if (r == u'o' || r == u'O') {
            cursor.advance();
            return readRadixNumber(cursor, 8);
        }
        return 0;
    }

    std::string number;
    if (c == u'+' || c == u'-') {
        if (c == u'-')
            number += '-';
        cursor.advance();
    }
    bool anyDigit = cursor.appendDigits(number);
    if (cursor.peek() == u'.') {
        number += '.';
        cursor.advance();
        anyDigit = cursor.appendDigits(number) || anyDigit;
    }
    if (!anyDigit)
        return 0;

    c = cursor.peek();
    if (c == u'e' || c == u'E' || c == u'd' || c == u'D') {
        // An exponent mark without digits after it ends the number before the mark.
        const qsizetype mark = cursor.position();
        std::string exponent = "e";
        cursor.advance();
        c = cursor.peek();
        if (c == u'+' || c == u'-') {
            exponent += char(c.unicode());
            cursor.advance();
        }
        if (cursor.appendDigits(exponent))
            number += exponent;
        else
            cursor.rewind(mark);
    }
    return parseDecimal(number);
}

double RoundHalfEven(double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

std::optional<std::int32_t> ToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < double(std::numeric_limits<std::int32_t>::min())
        || rounded > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace brevath
