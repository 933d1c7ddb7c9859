#include "project/ProjectFileMissingKeys.h"

#include "project/ProjectFileOptionKeys.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
QString fehlendeZeile(const QString& key)
{
    return QStringLiteral("Die Zeile \"") + key + QStringLiteral("\" fehlt; ");
}

// The keys named one by one, in file order, with what the desk takes when one is missing.
std::vector<std::pair<QString, QString>> einzelneSchluessel(const ProjektInhalt& p)
{
    const QString groesse = QStringLiteral("das Pult erhält %1 %2, so weit seine Felder reichen.");
    return {
        {QStringLiteral("Verkehr"), QStringLiteral("es gilt Rechtsverkehr.")},
        {QStringLiteral("PultName"), QStringLiteral("das Pult hat keinen Namen.")},
        {QStringLiteral("PultOptGPLocked"), QStringLiteral("der Gleisplan ist nicht gesperrt.")},
        {QStringLiteral("PultInit"), QStringLiteral("das Pult gilt als nicht initialisiert.")},
        {QStringLiteral("PultProgJahr"), QStringLiteral("das Pult gilt als nie programmiert.")},
        {QStringLiteral("PultProgTag"), QStringLiteral("Tag und Monat der letzten Programmierung sind 0.")},
        {QStringLiteral("PultProgZeit"), QStringLiteral("die Uhrzeit der letzten Programmierung ist 00.00.")},
        {QStringLiteral("PultdimensionenX"), groesse.arg(p.dimX).arg(QStringLiteral("Spalten"))},
        {QStringLiteral("PultdimensionenY"), groesse.arg(p.dimY).arg(QStringLiteral("Zeilen"))},
    };
}

using Gruppe = std::pair<QString, std::vector<const OptionsSchluessel*>>;   // prefix, its missing keys

// The missing option keys by prefix, each prefix where its first key stands in the file.
std::vector<Gruppe> fehlendeOptionen(const QSet<QString>& gelesen)
{
    std::vector<Gruppe> gruppen;
    for (const OptionsSchluessel& o : optionsSchluesselListe()) {
        if (gelesen.contains(o.key()))
            continue;
        auto gruppe = std::find_if(gruppen.begin(), gruppen.end(),
                                   [&](const Gruppe& g) { return g.first == o.praefix; });
        if (gruppe == gruppen.end())
            gruppe = gruppen.insert(gruppen.end(), {o.praefix, {}});
        gruppe->second.push_back(&o);
    }
    return gruppen;
}

QString optionenZeile(const Gruppe& g, const ProjektInhalt& p)
{
    const auto& keys = g.second;
    if (keys.size() == 1)
        return fehlendeZeile(keys[0]->key()) + QStringLiteral("es gilt der Wert eines neuen Pults: ")
            + QString::number(keys[0]->wert(p)) + QLatin1Char('.');
    QStringList werte;
    for (const OptionsSchluessel* o : keys)
        werte << o->name + QStringLiteral(" = ") + QString::number(o->wert(p));
    return QStringLiteral("Die %1 Zeilen \"%2...\" fehlen; es gelten die Werte eines neuen Pults: ")
               .arg(keys.size())
               .arg(g.first)
        + werte.join(QStringLiteral(", ")) + QLatin1Char('.');
}
} // namespace

QStringList fehlendeSchluesselHinweise(const QSet<QString>& gelesen, const ProjektInhalt& inhalt)
{
    QStringList zeilen;
    for (const auto& [key, folge] : einzelneSchluessel(inhalt))
        if (!gelesen.contains(key))
            zeilen << fehlendeZeile(key) + folge;
    for (const Gruppe& g : fehlendeOptionen(gelesen))
        zeilen << optionenZeile(g, inhalt);
    return zeilen;
}
