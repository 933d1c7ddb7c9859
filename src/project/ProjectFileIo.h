#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

// Reading and writing the files of a project as a whole.

// The first line of the project file and of every LNCV file.
QString dateiKopf();

// Writes the file through a temporary file that replaces the old one only when
// complete. False with a German message in fehler when it could not be written.
bool dateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& fehler);

// Reads the whole file. False with a German message in fehler.
bool dateiLesen(const QString& pfad, QByteArray& inhalt, QString& fehler);

// Whether a file is there to be read; anything else than "missing" is an error.
enum class DateiZustand { Da, Fehlt, Fehler };
DateiZustand dateiPruefen(const QString& pfad, QString& fehler);

// Shows "X= x Y= y" in info line 2 while a desk is saved or loaded, at most
// every few milliseconds so that a large desk is not held up by repainting;
// the last position is always shown.
class FeldFortschritt {
public:
    FeldFortschritt();
    void zeigen(int x, int y);
    void fertig();

private:
    QElapsedTimer uhr;
    int letztesX = 0, letztesY = 0;
    bool offen = false;
};
