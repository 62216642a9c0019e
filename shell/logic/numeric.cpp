// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/numeric.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace kalyxteron {

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Exponents beyond this make any mantissa overflow or vanish, so larger ones
// are clamped to keep the text that is converted short.
constexpr long kExponentClamp = 100000;

// The characters of a text with the ignored blanks taken out, read one at a time.
class Reader {
public:
    explicit Reader(QStringView text) : m_text(text) { skipBlanks(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void next()
    {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (!atEnd() && isIgnoredBlank(m_text[m_pos]))
            ++m_pos;
    }
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<double> numericValue(QStringView text)
{
    Reader in(text);
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.next();
    }

    std::string integerDigits;
    std::string fractionDigits;
    while (isAsciiDigit(in.peek())) {
        integerDigits += char(in.peek().unicode());
        in.next();
    }
    if (in.peek() == u'.') {
        in.next();
        while (isAsciiDigit(in.peek())) {
            fractionDigits += char(in.peek().unicode());
            in.next();
        }
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return 0.0;

    // An exponent counts only with at least one digit: "1e" and "1e+" read as 1.
    long exponent = 0;
    if (in.peek() == u'e' || in.peek() == u'E') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == u'+' || in.peek() == u'-') {
            negativeExponent = in.peek() == u'-';
            in.next();
        }
        while (isAsciiDigit(in.peek())) {
            exponent = std::min(exponent * 10 + (in.peek().unicode() - u'0'), kExponentClamp);
            in.next();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const auto firstNonZero = [](const std::string &digits) { return digits.find_first_not_of('0'); };
    const auto integerStart = firstNonZero(integerDigits);
    const auto fractionStart = firstNonZero(fractionDigits);
    if (integerStart == std::string::npos && fractionStart == std::string::npos)
        return negative ? -0.0 : 0.0;

    std::string number = (integerDigits.empty() ? std::string("0") : integerDigits) + '.' + fractionDigits + 'e' +
                         std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large, or so small that it is 0: the position of the first significant digit tells which.
        const long magnitude = integerStart != std::string::npos ? long(integerDigits.size() - integerStart) + exponent
                                                                 : exponent - long(fractionStart);
        if (magnitude > 0)
            return std::nullopt;
        value = 0.0;
    } else if (error != std::errc()) {
        return 0.0;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<qint16> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds half to even under the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < kInt16Min || rounded > kInt16Max)
        return std::nullopt;
    return qint16(rounded);
}

std::optional<qint16> readInt16(QStringView text)
{
    const auto value = numericValue(text);
    if (!value)
        return std::nullopt;
    return toInt16(*value);
}

QString int16ToText(qint16 value)
{
    return QString::number(value);
}

QString numberToText(double value)
{
    constexpr double kLargestExactWhole = 9007199254740992.0; // 2^53
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < kLargestExactWhole)
        return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace kalyxteron
