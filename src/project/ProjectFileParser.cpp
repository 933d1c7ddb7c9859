#include "project/ProjectFileParser.h"

#include "config/SupplyServices.h"
#include "core/BasicText.h"
#include "core/Desk.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileWriter.h"

#include <QHash>
#include <cmath>
#include <functional>

namespace {
constexpr double WortMin = -32768, WortMax = 65535;   // a 16-bit word, signed or unsigned
constexpr double PlatteMax = 999999;

using PultWort = int16_t PultDatenSatz::*;
using AdrWort = int16_t AdrOptDaten::*;

const QHash<QString, PultWort>& pultWoerter()
{
    static const QHash<QString, PultWort> tabelle = {
        {QStringLiteral("PultProgJahr"), &PultDatenSatz::PultProgJahr},
        {QStringLiteral("PultProgTag"), &PultDatenSatz::PultProgTag},
        {QStringLiteral("PultProgZeit"), &PultDatenSatz::PultProgZeit},
        {QStringLiteral("PultOpt_ZS_AdrOpt"), &PultDatenSatz::PultOpt_ZS_AdrOpt},
        {QStringLiteral("PultOpt_HellStartOpt"), &PultDatenSatz::PultOpt_HellStartOpt},
        {QStringLiteral("PultOpt_HellWert"), &PultDatenSatz::PultOpt_HellWert},
        {QStringLiteral("PultOpt_HellOpt"), &PultDatenSatz::PultOpt_HellOpt},
        {QStringLiteral("PultOpt_TastenOpt"), &PultDatenSatz::PultOpt_TastenOpt},
        {QStringLiteral("PultOpt_StartUpOpt"), &PultDatenSatz::PultOpt_StartUpOpt},
        {QStringLiteral("PultOpt_StartUpWert"), &PultDatenSatz::PultOpt_StartUpWert},
        {QStringLiteral("PultOpt_StartReboot"), &PultDatenSatz::PultOpt_StartReboot},
        {QStringLiteral("PultOpt_TastenProgZeit"), &PultDatenSatz::PultOpt_TastenProgZeit},
        {QStringLiteral("PultOpt_WeichenEinschalt"), &PultDatenSatz::PultOpt_WeichenEinschalt},
        {QStringLiteral("PultOpt_WeichenUmlaufBlinken"), &PultDatenSatz::PultOpt_WeichenUmlaufBlinken},
        {QStringLiteral("PultOpt_WeichenBelegtOpt"), &PultDatenSatz::PultOpt_WeichenBelegtOpt},
        {QStringLiteral("PultOpt_HS_FolgeAdr"), &PultDatenSatz::PultOpt_HS_FolgeAdr},
        {QStringLiteral("PultOpt_VS_FolgeAdr"), &PultDatenSatz::PultOpt_VS_FolgeAdr},
    };
    return tabelle;
}

const QHash<QString, AdrWort>& adrWoerter()
{
    static const QHash<QString, AdrWort> tabelle = {
        {QStringLiteral("AdrOpt_MagAdr_FaGTHaGT"), &AdrOptDaten::AdrOpt_MagAdr_FaGTHaGT},
        {QStringLiteral("AdrOpt_MagAdr_SGTFHT"), &AdrOptDaten::AdrOpt_MagAdr_SGTFHT},
        {QStringLiteral("AdrOpt_OptSigMehrbegriff"), &AdrOptDaten::AdrOpt_OptSigMehrbegriff},
        {QStringLiteral("AdrOpt_OptNummerierung"), &AdrOptDaten::AdrOpt_OptNummerierung},
        {QStringLiteral("AdrOpt_OptErsetzen"), &AdrOptDaten::AdrOpt_OptErsetzen},
        {QStringLiteral("AdrOpt_FahrstFolgenStart"), &AdrOptDaten::AdrOpt_FahrstFolgenStart},
    };
    return tabelle;
}

// Keys of the address groups' starts and offsets: key -> array and group.
const QHash<QString, std::pair<std::array<float, AdrGruppe::Anzahl> AdrOptDaten::*, int>>& adrGleitZahlen()
{
    static const auto tabelle = [] {
        QHash<QString, std::pair<std::array<float, AdrGruppe::Anzahl> AdrOptDaten::*, int>> t;
        for (const AdrGruppenSchluessel& g : AdrGruppenSchluesselListe) {
            t.insert(QStringLiteral("AdrOpt_StartAdr_") + QLatin1String(g.suffix), {&AdrOptDaten::AdrOpt_StartAdr, g.gruppe});
            t.insert(QStringLiteral("AdrOpt_AdrOff_") + QLatin1String(g.suffix), {&AdrOptDaten::AdrOpt_AdrOff, g.gruppe});
        }
        return t;
    }();
    return tabelle;
}

// A number in the file's form must start (after blanks and a sign) with a digit or ".digit".
bool istZahl(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
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
        for (const FeldZeile& f : p.felder)
            if (!imDesk(f.zeile, f.x, f.y))
                return false;
        for (const AnschlussZeile& a : p.anschluesse)
            if (!imDesk(a.zeile, a.x, a.y))
                return false;
        for (const AutoFlagZeile& a : p.autoFlags)
            if (!imDesk(a.zeile, a.x, a.y))
                return false;
        return true;
    }

    QString meldung;

private:
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
            return fehler(was + QStringLiteral(" \"") + text.trimmed() + QStringLiteral("\" ist keine Zahl."));
        const double w = std::round(Zahl::lies(text));
        if (w < min || w > max)
            return fehler(was + QStringLiteral(" ") + QString::number(w, 'f', 0) + QStringLiteral(" liegt außerhalb von ")
                          + QString::number(min, 'f', 0) + QStringLiteral(" bis ") + QString::number(max, 'f', 0)
                          + QLatin1Char('.'));
        wert = qint64(w);
        return true;
    }

    bool wort(const QString& text, int16_t& ziel)
    {
        qint64 w = 0;
        if (!ganz(text, WortMin, WortMax, QStringLiteral("Der Wert"), w))
            return false;
        ziel = int16_t(uint16_t(w));
        return true;
    }

    bool liste(QString text, int n, QString* felder)
    {
        return decode_val(text, n, felder)
            || fehler(QStringLiteral("Die Zeile braucht ") + QString::number(n) + QStringLiteral(" durch Kommas getrennte Werte."));
    }

    bool schluessel(const QString& key, const QString& wert)
    {
        if (const auto w = pultWoerter().constFind(key); w != pultWoerter().cend())
            return wort(wert, p.pult.*(w.value()));
        if (const auto w = adrWoerter().constFind(key); w != adrWoerter().cend())
            return wort(wert, p.adrOpt.*(w.value()));
        if (const auto g = adrGleitZahlen().constFind(key); g != adrGleitZahlen().cend()) {
            if (!istZahl(wert))
                return fehler(QStringLiteral("Der Wert \"") + wert.trimmed() + QStringLiteral("\" ist keine Zahl."));
            (p.adrOpt.*(g.value().first))[size_t(g.value().second)] = float(Zahl::lies(wert));
            return true;
        }
        static const QHash<QString, std::function<bool(ProjektLeser&, const QString&)>> andere = {
            {QStringLiteral("Verkehr"), &ProjektLeser::verkehr},
            {QStringLiteral("PultName"), &ProjektLeser::pultName},
            {QStringLiteral("PultOptGPLocked"), &ProjektLeser::gpLocked},
            {QStringLiteral("PultInit"), &ProjektLeser::pultInit},
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
        };
        const auto k = andere.constFind(key);
        return k == andere.cend() || k.value()(*this, wert);
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
        return true;
    }

    bool anschluss(const QString& wert)
    {
        QString f[3];
        AnschlussZeile a;
        a.zeile = zeilenNr;
        qint64 n = 0;
        if (!liste(wert, 3, f) || !position(f[0], a.x, QStringLiteral("Die Spalte"))
            || !position(f[1], a.y, QStringLiteral("Die Zeile"))
            || !ganz(f[2], 0, AnschlussMax, QStringLiteral("Die Anschlussnummer"), n))
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

    ProjektInhalt& p;
    int zeilenNr = 0;
};
} // namespace

ProjektInhalt projektInhaltVorgabe()
{
    ProjektInhalt p;
    p.verkehr = Verkehr;
    p.pult = PultDaten;
    p.gpLocked = PultOptGPLocked;
    p.adrOpt = AdrOpt;
    p.dimX = PultdimensionenX;
    p.dimY = PultdimensionenY;
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
