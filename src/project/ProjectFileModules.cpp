#include "project/ProjectFileModules.h"

#include "core/Cp1252.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/ModuleFiles.h"
#include "project/ProjectFileIo.h"
#include "routes/RouteTable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <numeric>
#include <utility>

namespace {
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
// position in their description line, those of this project file apart from
// those of others; scanned once, when first needed. A position finds the
// file this project file wrote for it, else one another wrote; of several
// the newest.
class OrdnerIndex {
public:
    QString suchen(int32_t artikel, int x, int y)
    {
        if (!gelesen)
            lesen();
        const Ort ort{artikel, x, y};
        return eigene.contains(ort) ? eigene.value(ort).pfad : alle.value(ort).pfad;
    }

private:
    struct Fund {
        QString pfad;
        QDateTime zeit;
    };

    static void merken(QHash<Ort, Fund>& dateien, const Ort& ort, const Fund& fund)
    {
        if (!dateien.contains(ort) || fund.zeit > dateien.value(ort).zeit)
            dateien.insert(ort, fund);
    }

    void lesen()
    {
        gelesen = true;
        const QString eigenerName = projektNameInModulDatei(PultDatei);
        static const QRegularExpression position(
            QStringLiteral("(?:Modul aus (.*) )?an Pos\\. \\(x,y\\)=\\s*(-?\\d+),\\s*(-?\\d+)"));
        const QFileInfoList liste = QDir(PultVerz).entryInfoList({QStringLiteral("*_*.lcv")}, QDir::Files);
        for (const QFileInfo& info : liste) {
            const int32_t artikel = lncvDateiArtikel(info.fileName());
            const auto treffer = position.match(lncvBeschreibung(info.filePath()));
            if (!hatLncvDatei(artikel) || !treffer.hasMatch())
                continue;
            const Ort ort{artikel, treffer.captured(2).toInt(), treffer.captured(3).toInt()};
            const Fund fund{info.filePath(), info.lastModified()};
            merken(alle, ort, fund);
            if (treffer.captured(1) == eigenerName)
                merken(eigene, ort, fund);
        }
    }

    bool gelesen = false;
    QHash<Ort, Fund> eigene, alle;
};

bool loeschenFragen(const QString& datei, bool fsSpeicher)
{
    const QString frage = fsSpeicher ? QStringLiteral("          Element löschen?          ")
                                     : QStringLiteral("          Element löschen?            ");
    return MsgBox(QStringLiteral("Das File ") + datei + QStringLiteral(" existiert nicht!\r\n") + frage,
                  Msg::JaNein | Msg::Kritisch, QStringLiteral("Fehler beim Laden"))
        == Msg::Ja;
}

// The catalogue entry a field line places, null for none.
const KatalogEintrag* eintragVon(const KatalogTabelle& katalog, const FeldZeile& z)
{
    const int i = letzterEintragMitCode(katalog, z.code);
    return i < 0 ? nullptr : &katalog[size_t(i)];
}

bool istFSSpeicher(const KatalogTabelle& katalog, const FeldZeile& z)
{
    const KatalogEintrag* e = eintragVon(katalog, z);
    return e && e->ArtikelNr == FSSpeicherArtikel;
}

// The slot a route memory line was saved in, -1 for other lines and for
// files saved without slots.
int gespeicherterPlatz(const ProjektInhalt& inhalt, const KatalogTabelle& katalog, const FeldZeile& z)
{
    if (!istFSSpeicher(katalog, z))
        return -1;
    for (const FSPlatzZeile& p : inhalt.fsPlaetze)
        if (p.x == z.x && p.y == z.y)
            return p.platz;
    return -1;
}

// A field line's module, and its file as read ahead on a worker thread.
struct Modul {
    int eintrag = -1;
    int32_t artikel = 0;
    int n = 0;
    bool fsSpeicher = false;
    bool benannt = false;                    // the project file names the module's file
    QString direkt;                          // the file named, else the file of the placement address
    DateiZustand zustand = DateiZustand::Fehlt;
    QString fehler;
    LncvInhalt inhalt;
};

class ModulLeser {
public:
    ModulLeser(const ProjektInhalt& inhalt, const KatalogTabelle& katalog) : inhalt(inhalt), katalog(katalog)
    {
        for (size_t k = 0; k < inhalt.modulDateien.size(); ++k)
            benannteDateien.insert(feldSchluessel(inhalt.modulDateien[k].x, inhalt.modulDateien[k].y), k);
        genutzt.assign(inhalt.modulDateien.size(), false);
    }

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
        const FeldZeile& z = inhalt.felder[i];
        // Saved without the names of the files: a file naming the position
        // comes before the placement address, where an earlier address of
        // the module or another module's file may lie; that one is read only
        // where no file names the position.
        const QString genannt = m.benannt ? QString() : index.suchen(m.artikel, z.x, z.y);
        if (!genannt.isEmpty() && genannt != m.direkt) {
            if (!lncvDateiLesen(genannt, m.n, m.inhalt, meldung) || !uebernehmen(genannt, m, plan))
                return false;
        } else if (!direktPlanen(m, plan)) {
            return false;
        }
        plan.eintrag = m.eintrag;
        if (m.fsSpeicher && plan.art != ModulPlan::Loeschen)
            ++fsSpeicherAnzahl;
        return true;
    }

    // File names given for fields whose line places no module of their article.
    QStringList ungenutzteDateien() const
    {
        QStringList liste;
        for (size_t k = 0; k < genutzt.size(); ++k) {
            const ModulDateiZeile& d = inhalt.modulDateien[k];
            if (!genutzt[k])
                liste << QStringLiteral("Zeile ") + QString::number(d.zeile) + QStringLiteral(": Die LNCV-Datei ")
                        + d.name + QStringLiteral(" gehört zu keinem Modul auf Feld (") + QString::number(d.x)
                        + QStringLiteral(", ") + QString::number(d.y) + QStringLiteral(") und wurde übergangen.");
        }
        return liste;
    }

    QString meldung;
    QStringList hinweise;

private:
    bool erkennen(const FeldZeile& z, Modul& m)
    {
        const int i = letzterEintragMitCode(katalog, z.code);
        if (i < 0 || !hatLncvDatei(katalog[size_t(i)].ArtikelNr))
            return false;
        const KatalogEintrag& e = katalog[size_t(i)];
        m.eintrag = i;
        m.artikel = e.ArtikelNr;
        m.fsSpeicher = e.ArtikelNr == FSSpeicherArtikel;
        m.n = m.fsSpeicher ? LncvAnzahlFSSpeicher : std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul);
        const auto k = benannteDateien.constFind(feldSchluessel(z.x, z.y));
        const ModulDateiZeile* zeile = k == benannteDateien.cend() ? nullptr : &inhalt.modulDateien[k.value()];
        m.benannt = zeile && zeile->artikel == e.ArtikelNr;
        if (m.benannt) {
            genutzt[k.value()] = true;
            m.direkt = PultVerz + zeile->name;
        } else {
            m.direkt = PultVerz + platzierteModulDatei(e.ArtikelNr, e.ElementNr, z.x, z.y, inhalt.pult.PultOpt_ZS_AdrOpt);
        }
        return true;
    }

    // The file read ahead; when it is missing, the user is asked.
    bool direktPlanen(Modul& m, ModulPlan& plan)
    {
        switch (m.zustand) {
        case DateiZustand::Fehler:
            meldung = m.fehler;
            return false;
        case DateiZustand::Da:
            return uebernehmen(m.direkt, m, plan);
        case DateiZustand::Fehlt:
            break;
        }
        plan.art = loeschenFragen(m.direkt, m.fsSpeicher) ? ModulPlan::Loeschen : ModulPlan::Vorgaben;
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
    QHash<int, size_t> benannteDateien;      // field -> its line in inhalt.modulDateien
    std::vector<bool> genutzt;               // per line: a module's file
    std::vector<Modul> module;
    OrdnerIndex index;
    int fsSpeicherAnzahl = 0;
};

// Slots given for fields whose line places no route memory.
QStringList ungenutztePlaetze(const ProjektInhalt& inhalt, const KatalogTabelle& katalog)
{
    QSet<int> fsSpeicher;
    for (const FeldZeile& z : inhalt.felder)
        if (istFSSpeicher(katalog, z))
            fsSpeicher.insert(feldSchluessel(z.x, z.y));
    QStringList liste;
    for (const FSPlatzZeile& p : inhalt.fsPlaetze)
        if (!fsSpeicher.contains(feldSchluessel(p.x, p.y)))
            liste << QStringLiteral("Zeile ") + QString::number(p.zeile) + QStringLiteral(": Das Feld (")
                    + QString::number(p.x) + QStringLiteral(", ") + QString::number(p.y)
                    + QStringLiteral(") trägt keinen Fahrstraßenspeicher; sein Speicherplatz wurde übergangen.");
    return liste;
}
} // namespace

int letzterEintragMitCode(const KatalogTabelle& katalog, int code)
{
    for (int i = KatalogSlots - 1; i >= 0; --i)
        if (katalog[size_t(i)].ElementNr == code)
            return i;
    return -1;
}

std::vector<size_t> platzierReihenfolge(const ProjektInhalt& inhalt, const KatalogTabelle& katalog)
{
    const std::vector<FeldZeile>& felder = inhalt.felder;
    // Rank and saved slot worked out once per line, not at every comparison.
    std::vector<std::pair<bool, int>> raenge(felder.size());
    std::vector<int> plaetze(felder.size());
    for (size_t i = 0; i < felder.size(); ++i) {
        const KatalogEintrag* e = eintragVon(katalog, felder[i]);
        const bool hoch = e && istHohesElement(*e);
        raenge[i] = {!hoch, hoch ? -felder[i].y : 0};
        plaetze[i] = gespeicherterPlatz(inhalt, katalog, felder[i]);
    }
    std::vector<size_t> folge(felder.size());
    std::iota(folge.begin(), folge.end(), size_t(0));
    std::stable_sort(folge.begin(), folge.end(), [&](size_t a, size_t b) { return raenge[a] < raenge[b]; });
    // The route memories with a saved slot swap places among themselves.
    std::vector<size_t*> stellen;
    std::vector<size_t> fsSpeicher;
    for (size_t& i : folge)
        if (plaetze[i] >= 0) {
            stellen.push_back(&i);
            fsSpeicher.push_back(i);
        }
    std::stable_sort(fsSpeicher.begin(), fsSpeicher.end(), [&](size_t a, size_t b) { return plaetze[a] < plaetze[b]; });
    for (size_t k = 0; k < stellen.size(); ++k)
        *stellen[k] = fsSpeicher[k];
    return folge;
}

bool modulDateienLesen(const ProjektInhalt& inhalt, const KatalogTabelle& katalog, const std::vector<size_t>& folge,
                       std::vector<ModulPlan>& plan, QStringList& hinweise, QString& fehler)
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
    for (const size_t i : folge)
        if (!leser.planen(i, plan[i])) {
            fehler = leser.meldung;
            return false;
        }
    hinweise += leser.ungenutzteDateien();
    hinweise += ungenutztePlaetze(inhalt, katalog);
    hinweise += leser.hinweise;
    return true;
}
