#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a project file. The save writes Windows-1252; another editor
// may have saved the file in UTF-8 behind a byte order mark, which is read as
// such. A byte order mark followed by text that is no UTF-8 is read as
// Windows-1252. Either is noted in vorab, and so are the characters that the
// next save, in Windows-1252, cannot keep. A file in UTF-16 (by its byte
// order mark, or by the zero byte of its first character) is refused: false
// with a German message naming the encoding in fehler.
bool projektDateiZeilenLesen(const QByteArray& bytes, QStringList& zeilen, QStringList& vorab, QString& fehler);
