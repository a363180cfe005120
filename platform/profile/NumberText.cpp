#include "platform/profile/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace platform {

QString numberText(double value)
{
    const float f = static_cast<float>(value);
    // Nothing could read "nan" or "inf" back; zero is the harmless position.
    if (!std::isfinite(f) || f == 0.0f)
        return QStringLiteral("0");

    // std::to_chars never looks at the C or Qt locale, so "." stays ".".
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::general, 7);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    // 12345678 -> "1.234568E+07", the usual way to write a large single.
    text.replace(u'e', u'E');
    return text;
}

QString numberText(int value)
{
    return QString::number(value);
}

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// [+-] digits [sep digits] [(e|E) [+-] digits], with at least one mantissa
// digit and at most one separator ("." or ","). Returned in the form
// std::from_chars takes: "." separator, no leading "+".
std::optional<std::string> canonical(const QString &t)
{
    std::string out;
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool separator = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            out += char(c.unicode());
            ++mantissaDigits;
        } else if ((c == u'.' || c == u',') && !separator) {
            out += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            out += char(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && isDigit(t[i]); ++i, ++expDigits)
            out += char(t[i].unicode());
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<double> numberOf(const QString &text)
{
    const auto s = canonical(text.trimmed());
    if (!s)
        return std::nullopt;
    const char *first = s->data();
    const char *last = first + s->size();

    float f = 0.0f;
    const auto res = std::from_chars(first, last, f, std::chars_format::general);
    if (res.ec == std::errc() && res.ptr == last)
        return static_cast<double>(f);
    if (res.ec != std::errc::result_out_of_range)
        return std::nullopt;

    // Out of single range: too small is zero, too large is not a value.
    double d = 0.0;
    const auto wide = std::from_chars(first, last, d, std::chars_format::general);
    const bool tiny = (wide.ec == std::errc() && std::fabs(d) < 1.0)
                      || (wide.ec == std::errc::result_out_of_range && s->find("e-") != std::string::npos);
    if (tiny)
        return (*s)[0] == '-' ? -0.0 : 0.0;
    return std::nullopt;
}

std::optional<int> wholeNumberOf(const QString &text)
{
    const auto value = numberOf(text);
    if (!value)
        return std::nullopt;
    const double v = *value;
    // Halves go to the even neighbour, as Basic's CInt does.
    double r = std::floor(v);
    const double frac = v - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r < static_cast<double>(std::numeric_limits<int>::min())
        || r > static_cast<double>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(r);
}

} // namespace platform
