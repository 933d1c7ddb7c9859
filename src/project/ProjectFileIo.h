#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <vector>

// Reading and writing the files of a project as a whole.

// The first line of the project file and of every LNCV file.
QString dateiKopf();

// Writes the file through a temporary file that replaces the old one only when
// complete. False with a German message in fehler when it could not be written.
bool dateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& fehler);

// One file of a save: its path and the bytes it is to hold.
struct DateiAuftrag {
    QString pfad;
    QByteArray inhalt;
};

// Writes many files, several at a time, each as dateiSchreiben does; a file
// that already holds exactly these bytes is left as it is. fortschritt(i) is
// called on the calling thread now and then with the count of files done.
// False with the message of the first file that failed.
bool dateienSchreiben(const std::vector<DateiAuftrag>& auftraege, QString& fehler,
                      const std::function<void(size_t)>& fortschritt = {});

// Runs arbeit(i) for i = 0..anzahl-1 on several threads (the files of a
// project are independent, and working on several at once hides the waits
// for the disk). arbeit returns false to stop the others early. fortschritt,
// when given, is called on the calling thread now and then with the count done.
void parallel(size_t anzahl, const std::function<bool(size_t)>& arbeit,
              const std::function<void(size_t)>& fortschritt = {});

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
