#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <vector>

// Reading and writing single files of a project.

// The first line of the project file and of every LNCV file.
QString dateiKopf();

// The largest files a load reads: well above anything the program writes (the
// project file of a full 99 x 99 desk with 301 routes of 100 commands in
// both lists is under 24 MB, a route memory's LNCV file some 30 KB), so that
// anything larger is no such file.
inline constexpr qint64 MaxProjektDateiBytes = 64 * 1024 * 1024;
inline constexpr qint64 MaxLncvDateiBytes = 64 * 1024;

// Why a file operation failed, in German, for an error number of the system.
QString fehlerGrund(int fehlerNr);

// "Die Datei PFAD konnte nicht geschrieben werden:" and the reason.
QString schreibFehler(const QString& pfad, const QString& grund);

// Writes inhalt into a new file beside pfad under a name nothing else uses
// (".NAME.XXXXXXXX~": hidden, and with no extension that a loader looks for),
// created exclusively, so that nothing already there is opened or followed. It
// takes the permissions of an existing file at pfad; its bytes are on their way
// to the disk when it returns (dateiSichern waits for them). False with the
// reason in grund, and nothing left behind.
bool tempDateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& tempPfad, QString& grund);

// Waits until the bytes of the file written at pfad (a regular file, not a
// link) are on the disk. False with the reason in grund.
bool dateiSichern(const QString& pfad, QString& grund);

// Makes the folder's entries durable on its disk: the names of the files
// created, replaced or removed in it so far. False with the reason in grund.
bool ordnerSichern(const QString& verz, QString& grund);

// Puts temp in the place of ziel in one step. False with the reason in grund.
bool ersetzen(const QString& temp, const QString& ziel, QString& grund);

// Writes the file through a temporary file that replaces the old one only when
// complete and on the disk. False with a German message in fehler.
bool dateiSchreiben(const QString& pfad, const QByteArray& inhalt, QString& fehler);

// Runs arbeit(i) for i = 0..anzahl-1 on several threads (the files of a
// project are independent, and working on several at once hides the waits
// for the disk). arbeit returns false to stop the others early. fortschritt,
// when given, is called on the calling thread now and then with the count done.
// faeden: how many threads at most (0: one per processor core).
void parallel(size_t anzahl, const std::function<bool(size_t)>& arbeit,
              const std::function<void(size_t)>& fortschritt = {}, int faeden = 0);

// Reads the whole file, which must be a regular file (a link to one counts,
// unless linkFolgen is false) of at most hoechstens bytes: a folder, pipe,
// device or larger file is refused at once, without reading it. False with a
// German message naming it.
bool dateiLesen(const QString& pfad, qint64 hoechstens, QByteArray& inhalt, QString& fehler, bool linkFolgen = true);

// The first bytes (at most anzahl) of a regular file; empty for anything else.
QByteArray dateiAnfang(const QString& pfad, qint64 anzahl);

// Whether a file is there to be read; anything else than "missing" is an
// error, and so is anything that is not a regular file.
enum class DateiZustand { Da, Fehlt, Fehler };
DateiZustand dateiPruefen(const QString& pfad, QString& fehler);

// For tests: told, from any thread, of the steps that keep a save safe: a
// temporary file about to be created at pfad (Anlegen), and a temporary file's
// bytes or a folder's entries made durable (Gesichert).
enum class DateiSchritt { Anlegen, Gesichert };
using DateiSchrittBeobachter = std::function<void(DateiSchritt, const QString& pfad)>;
void dateiSchritteBeobachten(DateiSchrittBeobachter beobachter);

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
