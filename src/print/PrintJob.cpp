#include "print/PrintJob.h"

#include "platform/MsgBox.h"
#include "project/DeskRecord.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
std::optional<QString> vorgegebenerDrucker;
Druckausgabe::PdfDateiWahl vorgegebeneWahl;

QString pdfDateiFragen(QWidget* eltern)
{
    if (vorgegebeneWahl)
        return vorgegebeneWahl();
    const QString start = PultVerz.isEmpty() ? QString() : PultVerz + QStringLiteral("Tessaro.pdf");
    return QFileDialog::getSaveFileName(eltern, QStringLiteral("Kein Drucker vorhanden: als PDF-Datei speichern"), start,
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
}

bool fehlschlag(const QString& text)
{
    MsgBox(text + QStringLiteral("\r\nEs wurde nichts gedruckt."), Msg::NurOk | Msg::Kritisch, QStringLiteral("Drucken"));
    return false;
}

// Sets up the printer or the PDF file; false when there is nothing to print to.
bool ausgabeWaehlen(QPrinter& drucker, QWidget* eltern)
{
    const QString name = Druckausgabe::druckerName();
    if (!name.isEmpty()) {
        drucker.setPrinterName(name);
        return drucker.isValid() || fehlschlag(QStringLiteral("Der Drucker \"") + name + QStringLiteral("\" ist nicht bereit."));
    }
    QString datei = pdfDateiFragen(eltern);
    if (datei.isEmpty())
        return false;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        datei += QStringLiteral(".pdf");
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    return true;
}

QString zielName(const QPrinter& drucker)
{
    return drucker.outputFileName().isEmpty() ? QStringLiteral("Der Drucker \"") + drucker.printerName() + QLatin1Char('"')
                                              : QStringLiteral("Die PDF-Datei \"") + drucker.outputFileName() + QLatin1Char('"');
}
} // namespace

namespace Druckausgabe {

QString druckerName()
{
    return vorgegebenerDrucker ? *vorgegebenerDrucker : QPrinterInfo::defaultPrinterName();
}

QPageSize seitenformat()
{
    const QString name = druckerName();
    if (!name.isEmpty() && !vorgegebenerDrucker) {
        const QPageSize eigenes = QPrinterInfo::printerInfo(name).defaultPageSize();
        if (eigenes.isValid())
            return eigenes;
    }
    return QPageSize(QPageSize::A4);
}

void setzeDruckerName(std::optional<QString> name)
{
    vorgegebenerDrucker = std::move(name);
}

void setzePdfDateiWahl(PdfDateiWahl wahl)
{
    vorgegebeneWahl = std::move(wahl);
}

} // namespace Druckausgabe

bool seitenDrucken(const DruckListe& liste, const QList<int>& seiten, QWidget* eltern)
{
    if (seiten.isEmpty())
        return false;
    QPrinter drucker(QPrinter::HighResolution);
    if (!ausgabeWaehlen(drucker, eltern))
        return false;
    drucker.setDocName(QStringLiteral("Tessaro-Edit"));
    drucker.setFullPage(true);
    drucker.setPageSize(Druckausgabe::seitenformat());
    drucker.setPageOrientation(liste.quer() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&drucker))
        return fehlschlag(zielName(drucker) + QStringLiteral(" konnte nicht geöffnet werden."));
    p.scale(drucker.logicalDpiX() / TwipsProZoll, drucker.logicalDpiY() / TwipsProZoll);
    for (qsizetype i = 0; i < seiten.size(); ++i) {
        if (i > 0 && !drucker.newPage()) {
            p.end();
            return fehlschlag(zielName(drucker) + QStringLiteral(" nahm keine weitere Seite an."));
        }
        liste.seiteZeichnen(p, seiten[i], AusgabeZiel{true, 1.0});
    }
    if (!p.end())
        return fehlschlag(zielName(drucker) + QStringLiteral(" konnte nicht fertig geschrieben werden."));
    if (!drucker.outputFileName().isEmpty() && QFileInfo(drucker.outputFileName()).size() == 0)
        return fehlschlag(zielName(drucker) + QStringLiteral(" ist leer geblieben."));
    return true;
}
