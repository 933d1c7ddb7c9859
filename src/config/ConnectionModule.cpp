#include "config/ConnectionModule.h"

#include "core/InfoLines.h"
#include "core/Startup.h"
#include "core/Words.h"
#include "loconet/LnPort.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/ModuleFiles.h"

namespace {
const QString Titel = QStringLiteral("Anschlussmodul konfigurieren");

struct Vorgang {
    QString start, ok, fehler;
};
const Vorgang Auslesen{QStringLiteral("Anschlussmodul auslesen: Start"), QStringLiteral("Anschlussmodul auslesen: O.K."),
                       QStringLiteral("Achtung Fehler: Modul auslesen fehlerhaft")};
const Vorgang Programmieren{QStringLiteral("Anschlussmodul programmieren: Start"),
                            QStringLiteral("Anschlussmodul programmieren: O.K."),
                            QStringLiteral("Achtung Fehler: Modul programmieren fehlerhaft")};

void portSchliessen()
{
    if (Comm1 && Comm1->offen())
        Comm1->schliessen();
}

// A failed step: programming mode off if the port is still open, the port
// closed, the failure in the info lines and the error box.
int32_t gescheitert(const Vorgang& v, int32_t artikel, int32_t adresse, int32_t code)
{
    if (Comm1 && Comm1->offen()) {
        int32_t egal = 0;
        Prog_Off(artikel, adresse, egal);
        Comm1->schliessen();
    }
    InfoTxt_anzeigen(1, v.fehler);
    InfoTxt_anzeigen(2, QStringLiteral("Anschlussmodul"));
    prog_error_meldung(code);
    return code;
}

// Opens the port and switches the module into programming mode.
int32_t beginnen(int32_t artikel, int32_t adresse)
{
    int32_t fehler = 0;
    open_com(fehler);
    if (fehler == 0)
        Prog_On(artikel, adresse, fehler);
    return fehler;
}

void beenden(int32_t artikel, int32_t adresse)
{
    int32_t egal = 0;
    Prog_Off(artikel, adresse, egal);
    portSchliessen();
}
} // namespace

bool anschlussVersionPruefen(int32_t artikel)
{
    if (artikel != 0)
        return true;
    MsgBox(QStringLiteral("Bitte Version des Moduls auswählen!"), Msg::NurOk, QStringLiteral("Achtung!"));
    return false;
}

int32_t anschlussArtikel(int32_t grundplatte)
{
    return grundplatte == 54480 ? 5448 : grundplatte == 54490 ? 5449 : 0;
}

int32_t anschlussGrundplatte(int32_t artikel)
{
    return artikel * 10;
}

QString anschlussDateiName(int32_t artikel, int64_t adresse)
{
    return lncvModulDatei(artikel * 10, adresse);
}

AnschlussDatei anschlussDateiLaden(int32_t artikel, int64_t adresse)
{
    const QString datei = anschlussDateiName(artikel, adresse);
    if (!File_exist(datei))
        return AnschlussDatei::Fehlt;
    LncvInhalt inhalt;
    QString fehler;
    if (!lncvDateiLesen(datei, int(AnschlussLNCV.size()), inhalt, fehler)
        || !lncvArtikelPruefen(datei, inhalt, artikel, fehler)) {
        MsgBox(fehler, Msg::NurOk | Msg::Kritisch, Titel);
        return AnschlussDatei::Fehlt;
    }
    std::copy(inhalt.werte.begin(), inhalt.werte.end(), AnschlussLNCV.begin());
    return AnschlussDatei::Geladen;
}

bool anschlussAdressePruefen(const QString& text, const QString& wofuer)
{
    bool zahl = false;
    const int wert = text.toInt(&zahl);
    if (zahl && wert >= 1 && wert <= 65535)
        return true;
    MsgBox(QStringLiteral("Bitte %1 von 1 bis 65535 eingeben!").arg(wofuer), Msg::NurOk | Msg::Ausruf,
           QStringLiteral("Achtung!"));
    return false;
}

int32_t anschlussmodulAuslesen(int32_t artikel, int32_t adresse, const AnschlussAnzeige& anzeigen)
{
    if (artikel == 0 || adresse < 1)
        return -1;
    InfoTxt_anzeigen(1, Auslesen.start);
    int32_t fehler = beginnen(artikel, adresse);
    for (int i = 1; i < AnschlussEingaben && fehler == 0; ++i) {
        int32_t wert = 0;
        const int nr = AnschlussLNCVNr[size_t(i)];
        Read_Lncv(artikel, nr, wert, fehler);
        if (fehler == 0) {
            AnschlussLNCV[size_t(nr)] = alsWort(wert);
            anzeigen(i, AnschlussLNCV[size_t(nr)]);
        }
    }
    if (fehler != 0)
        return gescheitert(Auslesen, artikel, adresse, fehler);
    beenden(artikel, adresse);
    InfoTxt_anzeigen(1, Auslesen.ok);
    return 0;
}

int32_t anschlussmodulProgrammieren(int32_t artikel, int32_t adresse, const std::array<int32_t, AnschlussEingaben>& werte)
{
    if (artikel == 0 || adresse < 1 || werte[0] < 1)
        return -1;
    for (int i = 0; i < AnschlussWertBoxen; ++i)
        if (werte[size_t(i)] < 0 || werte[size_t(i)] > AnschlussMaxima[size_t(i)])
            return -1;
    InfoTxt_anzeigen(1, Programmieren.start);
    int32_t fehler = beginnen(artikel, adresse);
    for (int i = 0; i < AnschlussEingaben && fehler == 0; ++i) {
        const int nr = AnschlussLNCVNr[size_t(i)];
        AnschlussLNCV[size_t(nr)] = alsWort(i < AnschlussWertBoxen ? werte[size_t(i)] : (werte[size_t(i)] != 0 ? 1 : 0));
        Prog_Lncv(artikel, nr, Int_to_UWord(AnschlussLNCV[size_t(nr)]), fehler);
    }
    if (fehler != 0)
        return gescheitert(Programmieren, artikel, adresse, fehler);
    beenden(artikel, adresse);
    QString dateiFehler;
    if (!save_lncv(artikel, AnschlussLNCV.data(), int(AnschlussLNCV.size()), anschlussDateiName(artikel, werte[0]),
                   QStringLiteral("Anschlussmodul aus ") + PultDatei, dateiFehler))
        MsgBox(dateiFehler, Msg::NurOk | Msg::Kritisch, Titel);
    InfoTxt_anzeigen(1, Programmieren.ok);
    return 0;
}
