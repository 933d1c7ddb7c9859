#include "project/ProjectFileEncoding.h"

#include "core/Cp1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {
const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The byte order of a file in UTF-16; empty for any other file. Every line
// of a project file begins with a character below 128, so without a byte
// order mark one of its first two bytes is zero.
QString utf16Art(const QByteArray& bytes)
{
    const bool le = bytes.startsWith("\xFF\xFE") || (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0);
    const bool be = bytes.startsWith("\xFE\xFF") || (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0);
    return le ? QStringLiteral("UTF-16 (Little Endian)") : be ? QStringLiteral("UTF-16 (Big Endian)") : QString();
}

// The characters of the lines that Windows-1252 lacks, each once.
QString fehlendeZeichen(const QStringList& zeilen)
{
    QString fehlend;
    for (const QString& z : zeilen)
        for (QChar c : z)
            if (!Cp1252::darstellbar(c) && !fehlend.contains(c))
                fehlend += c;
    return fehlend;
}

QStringList utf8Zeilen(const QString& text)
{
    static const QRegularExpression zeilenEnde(QStringLiteral("\r\n|\r|\n"));
    QStringList zeilen = text.split(zeilenEnde);
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}
} // namespace

bool projektDateiZeilenLesen(const QByteArray& bytes, QStringList& zeilen, QStringList& vorab, QString& fehler)
{
    if (const QString art = utf16Art(bytes); !art.isEmpty()) {
        fehler = QStringLiteral("Sie ist in ") + art
            + QStringLiteral(" gespeichert. Tessaro-Edit liest Pultdateien in Windows-1252 oder in UTF-8; speichern "
                             "Sie die Datei in einem Texteditor in einer dieser Kodierungen und laden Sie sie erneut.");
        return false;
    }
    if (!bytes.startsWith(Utf8Bom)) {
        zeilen = Cp1252::zeilen(bytes);
        return true;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes.mid(Utf8Bom.size()));
    if (utf8.hasError()) {
        zeilen = Cp1252::zeilen(bytes.mid(Utf8Bom.size()));
        vorab << QStringLiteral("Die Pultdatei beginnt mit dem Byte-Order-Mark von UTF-8, ist danach aber kein "
                                "gültiges UTF-8; sie wurde in Windows-1252 gelesen. Prüfen Sie Namen mit Umlauten und "
                                "Sonderzeichen; das nächste Speichern schreibt die Datei in Windows-1252.");
        return true;
    }
    zeilen = utf8Zeilen(text);
    QString hinweis = QStringLiteral("Die Pultdatei ist in UTF-8 (mit Byte-Order-Mark) gespeichert und wurde so "
                                     "gelesen; das nächste Speichern schreibt sie wieder in Windows-1252.");
    if (const QString fehlend = fehlendeZeichen(zeilen); !fehlend.isEmpty())
        hinweis += QStringLiteral(" Die Zeichen \"") + fehlend
            + QStringLiteral("\" gibt es in Windows-1252 nicht; sie werden dabei zu \"?\".");
    vorab << hinweis;
    return true;
}
