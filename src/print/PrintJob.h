#pragma once
#include "print/PageGeometry.h"
#include "print/PrintList.h"

#include <QList>
#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Where print jobs go: the installed default printer, or, when there is none,
// a PDF file that the user picks for each job.
namespace Druckausgabe {

// The printer that prints; empty when none is installed.
QString druckerName();
// The paper the lists are laid out on: the printer's own, else A4.
QPageSize seitenformat();

// Tests decide instead of the installation and the user: a printer name (empty:
// no printer), and the answer to the question for the PDF file ("" = cancel).
void setzeDruckerName(std::optional<QString> name);
using PdfDateiWahl = std::function<QString()>;
void setzePdfDateiWahl(PdfDateiWahl wahl);

} // namespace Druckausgabe

// Prints the given pages of a list, in that order, as one print job. Returns
// true when the job was handed to the printer or the PDF file was written;
// false when the user cancelled the choice of the PDF file or the job failed,
// which a message box then tells the user.
bool seitenDrucken(const DruckListe& liste, const QList<int>& seiten, QWidget* eltern = nullptr);
