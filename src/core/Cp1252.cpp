#include "core/Cp1252.h"

#include <array>

namespace Cp1252 {

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> hoch = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
} // namespace

unsigned char code(QChar zeichen)
{
    const char16_t u = zeichen.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    // The five unused codes are read as the control characters of the same
    // number and so written back unchanged.
    if (u >= 0x80 && u < 0xA0 && hoch[u - 0x80] == 0)
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (hoch[i] == u && u != 0)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

bool darstellbar(QChar zeichen)
{
    return zeichen == QLatin1Char('?') || code(zeichen) != '?';
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(char(code(c)));
    return bytes;
}

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0)
            text.append(hoch[u - 0x80] ? QChar(hoch[u - 0x80]) : QChar(u));
        else
            text.append(QChar(u));
    }
    return text;
}

QStringList zeilen(const QByteArray& bytes)
{
    QStringList result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        result << decode(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        result << decode(bytes.mid(start));
    return result;
}

QByteArray datei(const QStringList& zeilen)
{
    QByteArray bytes;
    for (const QString& z : zeilen)
        bytes += encode(z) + "\r\n";
    return bytes;
}

} // namespace Cp1252
