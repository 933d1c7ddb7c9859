#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// The LNCV file of one module: a header, a description line "!: text", the
// module's LNCV article number followed by ":", then the values as entries
// "  i=  value " joined by "; ", five to a line. Windows-1252, CR LF.

// LNCV counts of the files: desk module, route memory, connection module.
inline constexpr int LncvAnzahlModul = 128;
inline constexpr int LncvAnzahlFSSpeicher = 2048;
inline constexpr int LncvAnzahlAnschluss = 16;

// The route memory keeps its values in images of its own, not in its field.
inline constexpr int32_t FSSpeicherArtikel = 54670;

// Desk module articles that keep their values in an LNCV file of their own.
bool hatLncvDatei(int32_t artikel);

// The file's bytes for n values (shown as unsigned 16-bit numbers).
QByteArray lncvDateiInhalt(int32_t artikelNr, const int16_t* werte, int n, const QString& text);

// Writes the LNCV file; false with a German message in fehler.
bool save_lncv(int32_t artikelNr, const int16_t* werte, int n, const QString& datei, const QString& text,
               QString& fehler);

// The content of an LNCV file as read: article number, description (the text
// after "!: ", without the line end) and values 0..n-1 (0 where the file has none).
struct LncvInhalt {
    int32_t artikelNr = 0;
    QString text;
    std::vector<int16_t> werte;
    int anzahl = 0;   // how many of the values the file gave
};

// Reads the bytes of an LNCV file for n values. A file without an article
// line, an entry without number or value, a number of n or more or a value
// above 65535 is refused: false with a German message in fehler.
// CR LF, lone CR and lone LF all end a line.
bool lncvLesen(const QByteArray& bytes, int n, LncvInhalt& ziel, QString& fehler);

// Reads and checks the LNCV file for n values; on failure fehler names the file.
bool lncvDateiLesen(const QString& datei, int n, LncvInhalt& ziel, QString& fehler);

// The description line ("!: ...") of an LNCV file, looked for in its first
// kilobyte; empty when there is none or the file is no regular file.
QString lncvBeschreibung(const QString& datei);

// Whether the file read names the module's LNCV article number; otherwise
// false with a German message naming the file and both numbers.
bool lncvArtikelPruefen(const QString& datei, const LncvInhalt& inhalt, int32_t lncvArtikel, QString& fehler);

// Reads the file into werte 0..n-1 (all of them: 0 where the file has no
// value), its article number and description (appended to text). On failure
// nothing is changed and fehler names the file.
bool load_lncv(int32_t& artikelNr, int16_t* werte, int n, const QString& datei, QString& text, QString& fehler);

// True when the file can be opened for reading. A missing file gives false;
// any other failure is reported to the user and also gives false.
bool File_exist(const QString& datei);
