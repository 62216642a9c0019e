// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the reading of a typed text as a number, and its 16-bit
// conversion, against a simple model written separately here.
#include "shell/logic/numeric.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The model: take the blanks out first (they are ignored anywhere), then read
// the longest prefix of the form [+-] digits [. digits] [e [+-] digits] with strtod.
std::optional<double> modelValue(const QString &text)
{
    std::string s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        s += c.unicode() < 128 ? char(c.unicode()) : '\x7f';
    }
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    const std::string number = s.substr(0, end);
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> modelInt16(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1;
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return qint16(rounded);
}

[[noreturn]] void mismatch(const QString &text, const char *what)
{
    std::fprintf(stderr, "mismatch in %s for text of %lld characters: %s\n", what, (long long)text.size(),
                 qPrintable(text.left(200)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto value = kalyxteron::numericValue(text);
    const auto expected = modelValue(text);
    if (value.has_value() != expected.has_value())
        mismatch(text, "overflow");
    if (value && *value != *expected)
        mismatch(text, "value");
    if (!value)
        return 0;
    const auto int16 = kalyxteron::toInt16(*value);
    const auto expectedInt16 = modelInt16(*value);
    if (int16 != expectedInt16)
        mismatch(text, "16-bit conversion");
    if (int16 && kalyxteron::readInt16(kalyxteron::int16ToText(*int16)) != int16)
        mismatch(text, "round trip");
    return 0;
}
