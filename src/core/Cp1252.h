#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The text files of the program are Windows-1252 with CR LF line ends.
namespace Cp1252 {

QByteArray encode(const QString& text);   // characters without a code become '?'
QString decode(const QByteArray& bytes);    // the unused codes 0x81, 0x8D, 0x8F, 0x90, 0x9D pass through
unsigned char code(QChar zeichen);         // the byte of one character, '?' when it has none
bool darstellbar(QChar zeichen);           // whether a file keeps the character as it is

// Splits a file's bytes into lines; CR LF, lone CR and lone LF all end a line.
QStringList zeilen(const QByteArray& bytes);

// Joins lines with CR LF after each one and encodes them.
QByteArray datei(const QStringList& zeilen);

} // namespace Cp1252
