// tessaro_picgen <configuration folder> <catalogue file>...
// Draws every picture that the catalogue files in the folder name, writes them
// there as BMP files and reads the catalogues back with the full check.

#include "Auftraege.h"
#include "Zeichner.h"

#include "core/Catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

int fehler(const QString& text)
{
    std::fprintf(stderr, "tessaro_picgen: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv); // fonts need an application; run with QT_QPA_PLATFORM=offscreen
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return fehler(QStringLiteral("Aufruf: tessaro_picgen <Ordner> <Katalogdatei>..."));
    const QDir ordner(args[0]);
    const QStringList kataloge = args.mid(1);

    Bildauftraege auftraege;
    for (const QString& name : kataloge) {
        KatalogDatei datei;
        QString text;
        if (!liesKatalogEintraege(ordner.filePath(name), datei, text) || !sammleAuftraege(datei, auftraege, text))
            return fehler(text);
    }
    for (const auto& [bild, motiv] : auftraege) {
        const QImage gezeichnet = zeichne(motiv);
        if (gezeichnet.isNull())
            return fehler(QStringLiteral("Für das Bild \"%1\" (Element %2, Artikel %3) gibt es keine Zeichnung.")
                              .arg(bild).arg(motiv.code).arg(motiv.artikel));
        if (!gezeichnet.save(ordner.filePath(bild), "BMP"))
            return fehler(QStringLiteral("Das Bild \"%1\" kann nicht geschrieben werden.").arg(ordner.filePath(bild)));
    }
    for (const QString& name : kataloge) {
        KatalogDatei datei;
        QString text;
        if (!liesKatalogDatei(ordner.filePath(name), datei, text))
            return fehler(text);
    }
    std::printf("tessaro_picgen: %zu Bilder in %s\n", auftraege.size(), qPrintable(ordner.path()));
    return 0;
}
