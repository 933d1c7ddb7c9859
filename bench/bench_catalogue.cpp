// Reading a catalogue file whose second line holds nothing but commas, for
// lines of 100,000, 400,000 and 1,000,000 commas. The file is refused at its
// second entry either way; the time must grow with the length of the line,
// not with its square.
#include "BenchSupport.h"

#include "core/Catalogue.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
bool kommaKatalogSchreiben(const QString& pfad, qsizetype kommas)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("\"b.bmp\",\"Leer\",0,0,0,0\r\n");
    f.write(QByteArray(kommas, ','));
    f.write("\r\n###\r\n\"b.bmp\",-1\r\n###\r\n");
    return true;
}
} // namespace

int main()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Elemente_Rechtsverkehr.cfg"));
    for (const qsizetype kommas : {100'000, 400'000, 1'000'000}) {
        if (!kommaKatalogSchreiben(pfad, kommas)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
            return 1;
        }
        KatalogDatei datei;
        QString fehler;
        bool gelesen = true;
        const QByteArray was = QByteArray::number(kommas) + " commas in one line";
        messen(was.constData(), [&] { gelesen = liesKatalogEintraege(pfad, datei, fehler); });
        if (gelesen) {
            std::fprintf(stderr, "the catalogue with %lld commas was not refused\n", static_cast<long long>(kommas));
            return 1;
        }
    }
    return 0;
}
