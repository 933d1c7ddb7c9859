#include "project/ProjectFileModules.h"

#include "core/Cp1252.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/ProjectFileIo.h"
#include "routes/RouteTable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <optional>

namespace {
constexpr int FSSpeicherCode = 930;

struct Ort {
    int32_t artikel;
    int x, y;
    bool operator==(const Ort&) const = default;
};

size_t qHash(const Ort& o, size_t seed = 0)
{
    return qHashMulti(seed, o.artikel, o.x, o.y);
}

// The LNCV files of the project folder by the article in their name and the
// position in their description line; scanned once, when first needed.
class OrdnerIndex {
public:
    QString suchen(int32_t artikel, int x, int y)
    {
        if (!gelesen)
            lesen();
        return dateien.value(Ort{artikel, x, y});
    }

private:
    void lesen()
    {
        gelesen = true;
        static const QRegularExpression position(QStringLiteral("an Pos\\. \\(x,y\\)=\\s*(-?\\d+),\\s*(-?\\d+)"));
        QHash<Ort, QDateTime> zeit;
        const QFileInfoList liste = QDir(PultVerz).entryInfoList({QStringLiteral("*_*.lcv")}, QDir::Files);
        for (const QFileInfo& info : liste) {
            const int32_t artikel = info.fileName().section(QLatin1Char('_'), 0, 0).toInt();
            const auto treffer = position.match(beschreibung(info.filePath()));
            if (!hatLncvDatei(artikel) || !treffer.hasMatch())
                continue;
            const Ort ort{artikel, treffer.captured(1).toInt(), treffer.captured(2).toInt()};
            // Of several files naming the same position the newest wins.
            if (!dateien.contains(ort) || info.lastModified() > zeit.value(ort)) {
                dateien.insert(ort, info.filePath());
                zeit.insert(ort, info.lastModified());
            }
        }
    }

    static QString beschreibung(const QString& pfad)
    {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            return {};
        for (const QString& zeile : Cp1252::zeilen(datei.read(1024)))
            if (zeile.startsWith(QStringLiteral("!:")))
                return zeile;
        return {};
    }

    bool gelesen = false;
    QHash<Ort, QString> dateien;
};

bool loeschenFragen(const QString& datei, bool fsSpeicher)
{
    const QString frage = fsSpeicher ? QStringLiteral("          Element löschen?          ")
                                     : QStringLiteral("          Element löschen?            ");
    return MsgBox(QStringLiteral("Das File ") + datei + QStringLiteral(" existiert nicht!\r\n") + frage,
                  Msg::JaNein | Msg::Kritisch, QStringLiteral("Fehler beim Laden"))
        == Msg::Ja;
}

// A field line's module, and its file as read ahead on a worker thread.
struct Modul {
    int eintrag = -1;
    int32_t artikel = 0;
    int n = 0;
    bool fsSpeicher = false;
    QString direkt;                          // the file of the placement address
    DateiZustand zustand = DateiZustand::Fehlt;
    QString fehler;
    LncvInhalt inhalt;
};

class ModulLeser {
public:
    ModulLeser(const ProjektInhalt& inhalt, const KatalogTabelle& katalog) : inhalt(inhalt), katalog(katalog) {}

    // Finds the modules of the field lines and reads their files, several at a time.
    void vorauslesen()
    {
        module.resize(inhalt.felder.size());
        std::vector<size_t> mitModul;
        for (size_t i = 0; i < inhalt.felder.size(); ++i)
            if (erkennen(inhalt.felder[i], module[i]))
                mitModul.push_back(i);
        parallel(mitModul.size(), [&](size_t k) {
            Modul& m = module[mitModul[k]];
            m.zustand = dateiPruefen(m.direkt, m.fehler);
            if (m.zustand == DateiZustand::Da && !lncvDateiLesen(m.direkt, m.n, m.inhalt, m.fehler))
                m.zustand = DateiZustand::Fehler;
            return true;
        });
    }

    bool planen(size_t i, ModulPlan& plan)
    {
        Modul& m = module[i];
        // Placing refuses route memories beyond the available slots.
        if (m.direkt.isEmpty() || (m.fsSpeicher && fsSpeicherAnzahl >= FSSpeicherMax))
            return true;
        switch (m.zustand) {
        case DateiZustand::Fehler:
            meldung = m.fehler;
            return false;
        case DateiZustand::Da:
            if (!uebernehmen(m.direkt, m, plan))
                return false;
            break;
        case DateiZustand::Fehlt: {
            const FeldZeile& z = inhalt.felder[i];
            const QString gefunden = index.suchen(m.artikel, z.x, z.y);
            if (gefunden.isEmpty())
                plan.art = loeschenFragen(m.direkt, m.fsSpeicher) ? ModulPlan::Loeschen : ModulPlan::Vorgaben;
            else if (!lncvDateiLesen(gefunden, m.n, m.inhalt, meldung) || !uebernehmen(gefunden, m, plan))
                return false;
            break;
        }
        }
        plan.eintrag = m.eintrag;
        if (m.fsSpeicher && plan.art != ModulPlan::Loeschen)
            ++fsSpeicherAnzahl;
        return true;
    }

    QString meldung;
    QStringList hinweise;

private:
    bool erkennen(const FeldZeile& z, Modul& m) const
    {
        const int i = letzterEintragMitCode(katalog, z.code);
        if (i < 0 || !hatLncvDatei(katalog[size_t(i)].ArtikelNr))
            return false;
        const KatalogEintrag& e = katalog[size_t(i)];
        m.eintrag = i;
        m.artikel = e.ArtikelNr;
        m.fsSpeicher = e.ArtikelNr == FSSpeicherArtikel;
        m.n = m.fsSpeicher ? LncvAnzahlFSSpeicher : std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul);
        m.direkt = lncvModulDatei(e.ArtikelNr, platzierteModulAdresse(e.ElementNr, z.x, z.y, inhalt.pult.PultOpt_ZS_AdrOpt));
        return true;
    }

    bool uebernehmen(const QString& datei, Modul& m, ModulPlan& plan)
    {
        if (!lncvArtikelPruefen(datei, m.inhalt, m.artikel / 10, meldung))
            return false;
        if (m.inhalt.anzahl < m.n)
            hinweise << QStringLiteral("Die LNCV-Datei ") + QFileInfo(datei).fileName() + QStringLiteral(" hat nur ")
                    + QString::number(m.inhalt.anzahl) + QStringLiteral(" von ") + QString::number(m.n)
                    + QStringLiteral(" Werten; die fehlenden sind 0.");
        plan.art = ModulPlan::Werte;
        plan.werte = std::move(m.inhalt.werte);
        return true;
    }

    const ProjektInhalt& inhalt;
    const KatalogTabelle& katalog;
    std::vector<Modul> module;
    OrdnerIndex index;
    int fsSpeicherAnzahl = 0;
};
} // namespace

int letzterEintragMitCode(const KatalogTabelle& katalog, int code)
{
    for (int i = KatalogSlots - 1; i >= 0; --i)
        if (katalog[size_t(i)].ElementNr == code)
            return i;
    return -1;
}

int16_t platzierteModulAdresse(int code, int x, int y, int16_t zsAdrOpt)
{
    // The elements whose module options placing sets (see set_modul_optionen).
    const bool nimmtAdresse = (code > 100 && code < 899) || code == 920 || code == FSSpeicherCode;
    return nimmtAdresse && zsAdrOpt == 1 ? int16_t(x + 100 * y) : int16_t(0);
}

bool modulDateienLesen(const ProjektInhalt& inhalt, const KatalogTabelle& katalog, std::vector<ModulPlan>& plan,
                       QStringList& hinweise, QString& fehler)
{
    plan.assign(inhalt.felder.size(), ModulPlan{});
    for (const FeldZeile& z : inhalt.felder) {
        // An empty field is saved with the code 0 of the empty element; the other codes below 1 are tools.
        const bool werkzeug = z.code != 0 && istWerkzeugCode(z.code);
        if (werkzeug || letzterEintragMitCode(katalog, z.code) < 0)
            hinweise << QStringLiteral("Zeile ") + QString::number(z.zeile) + QStringLiteral(": Der Elementcode ")
                    + QString::number(z.code) + QStringLiteral(" von Feld (") + QString::number(z.x)
                    + QStringLiteral(", ") + QString::number(z.y)
                    + (werkzeug ? QStringLiteral(") ist ein Werkzeug, kein Element; das Feld bleibt leer.")
                                : QStringLiteral(") fehlt im Elementkatalog; das Feld bleibt leer."));
    }
    ModulLeser leser(inhalt, katalog);
    leser.vorauslesen();
    for (size_t i = 0; i < inhalt.felder.size(); ++i)
        if (!leser.planen(i, plan[i])) {
            fehler = leser.meldung;
            return false;
        }
    hinweise += leser.hinweise;
    return true;
}
