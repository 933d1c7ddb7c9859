#include "project/ProjectFileParser.h"

#include "config/SupplyServices.h"
#include "core/BasicText.h"
#include "core/Desk.h"
#include "project/ModuleFiles.h"
#include "project/NewDesk.h"
#include "project/ProjectFileMissingKeys.h"
#include "project/ProjectFileOptionKeys.h"
#include "project/ProgramConfig.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {
constexpr double WortMin = -32768, WortMax = 65535;   // a 16-bit word, signed or unsigned
constexpr double PlatteMax = 999999;
constexpr qsizetype ZitatMax = 60;

// What the file holds, as a load notice or error quotes it: at most its first
// 60 characters, "…" marking the cut, so that a damaged file's key or value of
// any length leaves the message readable.
QString zitat(const QString& text)
{
    return text.size() > ZitatMax ? text.first(ZitatMax) + QChar(0x2026) : text;
}

// Keys the writer puts only to structure the file.
bool nurGliederung(const QString& key)
{
    return key == QStringLiteral("FS_Fahrstraße") || key == QStringLiteral("FS_BefAnzahl0")
        || key == QStringLiteral("FS_BefAnzahl1");
}

// A number in the file's form must start (after blanks or tabs and a sign) with a digit or ".digit".
bool istZahl(const QString& text)
{
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    if (i < text.size() && text[i] == QLatin1Char('.'))
        ++i;
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

class ProjektLeser {
public:
    explicit ProjektLeser(ProjektInhalt& inhalt) : p(inhalt) {}

    bool zeile(int nummer, const QString& text)
    {
        zeilenNr = nummer;
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('/')))
            return true;
        const qsizetype doppelpunkt = text.indexOf(QLatin1Char(':'));
        if (doppelpunkt < 0)
            return fehler(QStringLiteral("Die Zeile hat keinen Doppelpunkt."));
        return schluessel(text.left(doppelpunkt), text.mid(doppelpunkt + 1));
    }

    bool abschliessen()
    {
        if (p.felder.empty())
            return fehlerOhneZeile(QStringLiteral("Die Pultdatei enthält keine Pultfelder."));
        fehlendeSchluesselErgaenzen();
        const auto imPult = [this](const auto& zeilen) {
            return std::all_of(zeilen.begin(), zeilen.end(), [this](const auto& z) { return imDesk(z.zeile, z.x, z.y); });
        };
        if (!imPult(p.felder) || !imPult(p.anschluesse) || !imPult(p.autoFlags) || !imPult(p.modulDateien)
            || !imPult(p.fsPlaetze))
            return false;
        routenUebergehen();
        anschluesseUebergehen();
        std::stable_sort(hinweise.begin(), hinweise.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& h : hinweise)
            p.hinweise << QStringLiteral("Zeile ") + QString::number(h.first) + QStringLiteral(": ") + h.second;
        return true;
    }

    QString meldung;

private:
    static constexpr int Positionen = BefehlMax + 1;
    static int befehlsSchluessel(int r, int l, int j) { return (r * 2 + l) * Positionen + j; }

    void hinweis(const QString& text) { hinweise.emplace_back(zeilenNr, text); }
    void hinweis(int zeile, const QString& text) { hinweise.emplace_back(zeile, text); }

    // A missing key keeps the value of a new project; a missing desk size is
    // the one the field lines fill. Every missing key is named.
    void fehlendeSchluesselErgaenzen()
    {
        int spalten = 0, zeilen = 0;
        for (const FeldZeile& f : p.felder) {
            spalten = std::max(spalten, f.x);
            zeilen = std::max(zeilen, f.y);
        }
        if (!gelesen.contains(QStringLiteral("PultdimensionenX")))
            p.dimX = int16_t(spalten);
        if (!gelesen.contains(QStringLiteral("PultdimensionenY")))
            p.dimY = int16_t(zeilen);
        p.hinweise << fehlendeSchluesselHinweise(gelesen, p);
    }

    // Routes after the route count, and commands outside the linked chains of
    // their lists, are dropped: nothing would ever reach them.
    void routenUebergehen()
    {
        for (const auto& [r, zeile] : routenZeilen)
            if (r > p.fsAnzahl) {
                hinweis(zeile, QStringLiteral("Fahrstraße ") + QString::number(r)
                                   + QStringLiteral(" liegt hinter der Fahrstraßenanzahl ") + QString::number(p.fsAnzahl)
                                   + QStringLiteral(" und wurde übergangen."));
                p.routen[size_t(r)] = Fahrstrasse{};
            }
        for (const auto& [schluessel, zeile] : befehlsZeilen) {
            const int j = schluessel % Positionen, l = schluessel / Positionen % 2, r = schluessel / Positionen / 2;
            auto& befehl = p.routen[size_t(r)].Route[size_t(l)][size_t(j)];
            const bool leer = std::all_of(befehl.begin(), befehl.end(), [](int16_t w) { return w == 0; });
            if (r > p.fsAnzahl || leer || (befehl[Befehl::Vorgaenger] != 0 && befehl[Befehl::Nachfolger] != 0))
                continue;
            hinweis(zeile, QStringLiteral("Befehl ") + QString::number(j) + QStringLiteral(" der Liste ")
                               + QString::number(l) + QStringLiteral(" von Fahrstraße ") + QString::number(r)
                               + QStringLiteral(" ist nicht verkettet (Wort 6 oder 7 fehlt oder ist 0) und wurde übergangen."));
            befehl = {};
        }
    }

    void anschluesseUebergehen()
    {
        QHash<int, int32_t> platten;
        for (const FeldZeile& f : p.felder)
            platten.insert(feldSchluessel(f.x, f.y), f.platte);
        std::erase_if(p.anschluesse, [&](const AnschlussZeile& a) {
            if (istAnschlussmodulPlatte(platten.value(feldSchluessel(a.x, a.y))))
                return false;
            hinweis(a.zeile, QStringLiteral("Das Feld (") + QString::number(a.x) + QStringLiteral(", ")
                                 + QString::number(a.y)
                                 + QStringLiteral(") trägt kein Anschlussmodul; die Anschlussnummer wurde übergangen."));
            return true;
        });
    }

    bool fehler(const QString& grund)
    {
        meldung = QStringLiteral("Fehler in Zeile ") + QString::number(zeilenNr) + QStringLiteral(": ") + grund;
        return false;
    }

    bool fehlerOhneZeile(const QString& grund)
    {
        meldung = grund;
        return false;
    }

    bool imDesk(int zeile, int x, int y)
    {
        if (x >= 1 && y >= 1 && x <= p.dimX && y <= p.dimY)
            return true;
        zeilenNr = zeile;
        return fehler(QStringLiteral("Das Feld (") + QString::number(x) + QStringLiteral(", ") + QString::number(y)
                      + QStringLiteral(") liegt außerhalb des Pults von ") + QString::number(p.dimX)
                      + QStringLiteral(" x ") + QString::number(p.dimY) + QStringLiteral(" Feldern."));
    }

    // A whole number in [min, max], rounded as the file's 16-bit values are.
    bool ganz(const QString& text, double min, double max, const QString& was, qint64& wert)
    {
        if (!istZahl(text))
            return fehler(was + QStringLiteral(" \"") + zitat(text.trimmed()) + QStringLiteral("\" ist keine Zahl."));
        const double w = std::round(Zahl::lies(text));
        if (!imBereich(w, min, max, text, was))
            return false;
        wert = qint64(w);
        return true;
    }

    // Compared before any conversion: a value of forty digits is refused, not cut.
    bool imBereich(double w, double min, double max, const QString& text, const QString& was)
    {
        return (w >= min && w <= max)
            || fehler(was + QStringLiteral(" ") + zitat(text.trimmed()) + QStringLiteral(" liegt außerhalb von ")
                      + QString::number(min, 'f', 0) + QStringLiteral(" bis ") + QString::number(max, 'f', 0)
                      + QLatin1Char('.'));
    }

    bool wort(const QString& text, int16_t& ziel, double min = WortMin, double max = WortMax)
    {
        qint64 w = 0;
        if (!ganz(text, min, max, QStringLiteral("Der Wert"), w))
            return false;
        ziel = int16_t(uint16_t(w));
        return true;
    }

    bool gleitWert(const QString& text, double& ziel, double min, double max)
    {
        if (!istZahl(text))
            return fehler(QStringLiteral("Der Wert \"") + zitat(text.trimmed()) + QStringLiteral("\" ist keine Zahl."));
        const double w = Zahl::lies(text);
        if (!imBereich(w, min, max, text, QStringLiteral("Der Wert")))
            return false;
        ziel = w;
        return true;
    }

    bool option(const QString& text, const OptionsSchluessel& o)
    {
        double w = 0;
        if (o.ganz) {
            qint64 v = 0;
            if (!ganz(text, o.min, o.max, QStringLiteral("Der Wert"), v))
                return false;
            w = double(v);
        } else if (!gleitWert(text, w, o.min, o.max)) {
            return false;
        }
        o.setzen(p, w);
        return true;
    }

    bool liste(QString text, int n, QString* felder)
    {
        return decode_val(text, n, felder)
            || fehler(QStringLiteral("Die Zeile braucht ") + QString::number(n) + QStringLiteral(" durch Kommas getrennte Werte."));
    }

    bool schluessel(const QString& key, const QString& wert)
    {
        gelesen.insert(key);
        if (const OptionsSchluessel* o = optionsSchluessel(key))
            return option(wert, *o);
        static const QHash<QString, std::function<bool(ProjektLeser&, const QString&)>> andere = {
            {QStringLiteral("Verkehr"), &ProjektLeser::verkehr},
            {QStringLiteral("PultName"), &ProjektLeser::pultName},
            {QStringLiteral("PultOptGPLocked"), &ProjektLeser::gpLocked},
            {QStringLiteral("PultInit"), &ProjektLeser::pultInit},
            {QStringLiteral("PultProgJahr"), [](ProjektLeser& l, const QString& w) { return l.wort(w, l.p.pult.PultProgJahr); }},
            {QStringLiteral("PultProgTag"), [](ProjektLeser& l, const QString& w) { return l.wort(w, l.p.pult.PultProgTag); }},
            {QStringLiteral("PultProgZeit"), [](ProjektLeser& l, const QString& w) { return l.wort(w, l.p.pult.PultProgZeit); }},
            {QStringLiteral("PultdimensionenX"), [](ProjektLeser& l, const QString& w) { return l.groesse(w, l.p.dimX); }},
            {QStringLiteral("PultdimensionenY"), [](ProjektLeser& l, const QString& w) { return l.groesse(w, l.p.dimY); }},
            {QStringLiteral("XY"), &ProjektLeser::feldZeile},
            {QStringLiteral("Fahrstraßenanzahl"), &ProjektLeser::fsAnzahl},
            {QStringLiteral("FS_Name"), &ProjektLeser::fsName},
            {QStringLiteral("FS_Start"), [](ProjektLeser& l, const QString& w) { return l.fsWert(w, &Fahrstrasse::Start); }},
            {QStringLiteral("FS_Ziel"), [](ProjektLeser& l, const QString& w) { return l.fsWert(w, &Fahrstrasse::Ziel); }},
            {QStringLiteral("FS_Auflösen"), [](ProjektLeser& l, const QString& w) { return l.fsWert(w, &Fahrstrasse::Aufloesen); }},
            {QStringLiteral("FS_Rückmeldeadressen"),
             [](ProjektLeser& l, const QString& w) { return l.fsWert(w, &Fahrstrasse::Rueckmeldeadressen); }},
            {QStringLiteral("FS_Route"), &ProjektLeser::fsRoute},
            {QStringLiteral("Anschluss"), &ProjektLeser::anschluss},
            {QStringLiteral("AutoFlag"), &ProjektLeser::autoFlag},
            {QStringLiteral("LNCV_Datei"), &ProjektLeser::modulDatei},
            {QStringLiteral("Fahrstraßenspeicher"), &ProjektLeser::fsPlatz},
        };
        if (const auto k = andere.constFind(key); k != andere.cend())
            return k.value()(*this, wert);
        if (!nurGliederung(key))
            hinweis(QStringLiteral("unbekannter Schlüssel \"") + zitat(key) + QStringLiteral("\" übergangen."));
        return true;
    }

    bool verkehr(const QString& wert)
    {
        qint64 v = 0;
        if (!ganz(wert, 0, 2, QStringLiteral("Die Verkehrsseite"), v))
            return false;
        p.verkehr = double(v);
        return true;
    }

    bool pultName(const QString& wert)
    {
        // Only the blank the writer puts after the colon is dropped.
        p.pult.PultName = (wert.startsWith(QLatin1Char(' ')) ? wert.mid(1) : wert).left(8);
        return true;
    }

    bool gpLocked(const QString& wert)
    {
        int16_t w = 0;
        if (!wort(wert, w))
            return false;
        p.gpLocked = w != 0;
        return true;
    }

    bool pultInit(const QString& wert)
    {
        int16_t w = 0;
        if (!wort(wert, w))
            return false;
        p.pult.PultInit = w != 0 ? -1 : 0;
        return true;
    }

    bool groesse(const QString& wert, int16_t& ziel)
    {
        qint64 v = 0;
        if (!ganz(wert, 1, PultMax, QStringLiteral("Die Pultgröße"), v))
            return false;
        ziel = int16_t(v);
        return true;
    }

    bool position(const QString& text, int& ziel, const QString& was)
    {
        qint64 v = 0;
        if (!ganz(text, 1, PultMax, was, v))
            return false;
        ziel = int(v);
        return true;
    }

    bool feldZeile(const QString& wert)
    {
        QString f[4];
        FeldZeile z;
        z.zeile = zeilenNr;
        qint64 code = 0, platte = 0;
        if (!liste(wert, 4, f) || !position(f[0], z.x, QStringLiteral("Die Spalte"))
            || !position(f[1], z.y, QStringLiteral("Die Zeile"))
            || !ganz(f[2], -32768, 32767, QStringLiteral("Der Elementcode"), code)
            || !ganz(f[3], 0, PlatteMax, QStringLiteral("Die Grundplatte"), platte))
            return false;
        z.code = int16_t(code);
        z.platte = int32_t(platte);
        if (!erstmals(feldZeilen, z.x, z.y, QStringLiteral("Das Feld (")))
            return false;
        p.felder.push_back(z);
        return true;
    }

    bool fsAnzahl(const QString& wert)
    {
        qint64 v = 0;
        if (!ganz(wert, -1, FSMax, QStringLiteral("Die Fahrstraßenanzahl"), v))
            return false;
        p.fsAnzahl = int16_t(v);
        return true;
    }

    bool route(const QString& text, Fahrstrasse*& ziel)
    {
        qint64 r = 0;
        if (!ganz(text, 0, FSMax, QStringLiteral("Die Fahrstraßennummer"), r))
            return false;
        ziel = &p.routen[size_t(r)];
        routenZeilen.try_emplace(int(r), zeilenNr);
        return true;
    }

    bool fsName(const QString& wert)
    {
        QString f[2];
        Fahrstrasse* fs = nullptr;
        if (!liste(wert, 2, f) || !route(f[0], fs))
            return false;
        fs->Name = f[1];
        return true;
    }

    bool fsWert(const QString& wert, std::array<int16_t, 5> Fahrstrasse::*feld)
    {
        QString f[3];
        Fahrstrasse* fs = nullptr;
        qint64 k = 0;
        int16_t w = 0;
        if (!liste(wert, 3, f) || !route(f[0], fs) || !ganz(f[1], 0, 4, QStringLiteral("Der Index"), k)
            || !wort(f[2], w))
            return false;
        (fs->*feld)[size_t(k)] = w;
        return true;
    }

    bool fsRoute(const QString& wert)
    {
        QString f[5];
        Fahrstrasse* fs = nullptr;
        qint64 l = 0, j = 0, w = 0;
        int16_t v = 0;
        if (!liste(wert, 5, f) || !route(f[0], fs) || !ganz(f[1], 0, 1, QStringLiteral("Die Befehlsliste"), l)
            || !ganz(f[2], 1, 100, QStringLiteral("Die Befehlsposition"), j)
            || !ganz(f[3], 0, 7, QStringLiteral("Das Befehlswort"), w) || !wort(f[4], v))
            return false;
        fs->Route[size_t(l)][size_t(j)][size_t(w)] = v;
        befehlsZeilen.try_emplace(befehlsSchluessel(int(fs - p.routen.data()), int(l), int(j)), zeilenNr);
        return true;
    }

    // A line "column, row, number" with the number in 0..max.
    bool feldZahl(const QString& wert, int& x, int& y, qint64 max, const QString& was, qint64& n)
    {
        QString f[3];
        return liste(wert, 3, f) && position(f[0], x, QStringLiteral("Die Spalte"))
            && position(f[1], y, QStringLiteral("Die Zeile")) && ganz(f[2], 0, max, was, n);
    }

    bool anschluss(const QString& wert)
    {
        AnschlussZeile a;
        a.zeile = zeilenNr;
        qint64 n = 0;
        if (!feldZahl(wert, a.x, a.y, AnschlussMax, QStringLiteral("Die Anschlussnummer"), n))
            return false;
        a.nummer = int16_t(n);
        p.anschluesse.push_back(a);
        return true;
    }

    bool autoFlag(const QString& wert)
    {
        QString f[3];
        AutoFlagZeile a;
        a.zeile = zeilenNr;
        if (!liste(wert, 3, f) || !position(f[0], a.x, QStringLiteral("Die Spalte"))
            || !position(f[1], a.y, QStringLiteral("Die Zeile")))
            return false;
        const QString bits = f[2].trimmed();
        if (bits.size() != int(a.flags.size()))
            return fehler(QStringLiteral("Die Zeile braucht 128 Ziffern 0 oder 1."));
        for (int i = 0; i < bits.size(); ++i) {
            if (bits[i] != QLatin1Char('0') && bits[i] != QLatin1Char('1'))
                return fehler(QStringLiteral("Die Zeile braucht 128 Ziffern 0 oder 1."));
            a.flags[size_t(i)] = bits[i] == QLatin1Char('1') ? 1 : 0;
        }
        p.autoFlags.push_back(a);
        return true;
    }

    // Notes this line as the one of field (x, y) in zeilen; false, with the
    // line that named the field first, when an earlier line did.
    bool erstmals(QHash<int, int>& zeilen, int x, int y, const QString& was)
    {
        const int frueher = zeilen.value(feldSchluessel(x, y));
        if (frueher > 0)
            return fehler(was + QString::number(x) + QStringLiteral(", ") + QString::number(y)
                          + QStringLiteral(") steht schon in Zeile ") + QString::number(frueher) + QLatin1Char('.'));
        zeilen.insert(feldSchluessel(x, y), zeilenNr);
        return true;
    }

    bool modulDatei(const QString& wert)
    {
        QString f[3];
        ModulDateiZeile m;
        m.zeile = zeilenNr;
        if (!liste(wert, 3, f) || !position(f[0], m.x, QStringLiteral("Die Spalte"))
            || !position(f[1], m.y, QStringLiteral("Die Zeile")))
            return false;
        m.name = f[2].trimmed();
        m.artikel = lncvDateiArtikel(m.name);
        if (m.artikel == 0)
            return fehler(QStringLiteral("\"") + zitat(m.name)
                          + QStringLiteral("\" ist kein Name einer LNCV-Datei (Artikel_Adresse.lcv)."));
        if (!erstmals(modulDateiZeilen, m.x, m.y, QStringLiteral("Die LNCV-Datei von Feld (")))
            return false;
        p.modulDateien.push_back(m);
        return true;
    }

    bool fsPlatz(const QString& wert)
    {
        FSPlatzZeile a;
        a.zeile = zeilenNr;
        qint64 platz = 0;
        if (!feldZahl(wert, a.x, a.y, FSSpeicherMax - 1, QStringLiteral("Der Speicherplatz"), platz))
            return false;
        a.platz = int(platz);
        if (!erstmals(fsPlatzZeilen, a.x, a.y, QStringLiteral("Der Speicherplatz von Feld (")))
            return false;
        if (const int frueher = platzZeilen.value(a.platz); frueher > 0)
            return fehler(QStringLiteral("Der Speicherplatz ") + QString::number(a.platz)
                          + QStringLiteral(" steht schon in Zeile ") + QString::number(frueher) + QLatin1Char('.'));
        platzZeilen.insert(a.platz, zeilenNr);
        p.fsPlaetze.push_back(a);
        return true;
    }

    ProjektInhalt& p;
    int zeilenNr = 0;
    QSet<QString> gelesen;                    // the keys the file has
    QHash<int, int> feldZeilen;               // field -> its line
    QHash<int, int> modulDateiZeilen;         // field -> the line naming its LNCV file
    QHash<int, int> fsPlatzZeilen;            // field -> the line giving its route memory slot
    QHash<int, int> platzZeilen;              // route memory slot -> the line giving it
    std::map<int, int> routenZeilen;          // route -> its first line
    std::map<int, int> befehlsZeilen;         // route, list, position -> first line
    std::vector<std::pair<int, QString>> hinweise;
};
} // namespace

int feldSchluessel(int x, int y)
{
    return x * (PultMax + 1) + y;
}

ProjektInhalt projektInhaltVorgabe()
{
    ProjektInhalt p;
    p.pult = neuesPultDaten(PultDatenSatz{});
    p.adrOpt = AdrOpt;
    neueAdressOptionen(p.adrOpt, 0, 0);
    return p;
}

bool projektDateiLesen(const QStringList& zeilen, ProjektInhalt& inhalt, QString& fehler)
{
    ProjektLeser leser(inhalt);
    for (int i = 0; i < zeilen.size(); ++i)
        if (!leser.zeile(i + 1, zeilen[i])) {
            fehler = leser.meldung;
            return false;
        }
    if (leser.abschliessen())
        return true;
    fehler = leser.meldung;
    return false;
}

bool decode_val(QString& text, int n, QString* felder)
{
    for (int i = 0; i < n - 1; ++i) {
        const qsizetype komma = text.indexOf(QLatin1Char(','));
        if (komma < 0)
            return false;
        felder[i] = text.left(komma);
        text = text.mid(komma + 1);
    }
    felder[n - 1] = text;
    return true;
}
