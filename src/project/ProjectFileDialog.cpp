#include "project/ProjectFileDialog.h"

#include "core/MainWindow.h"

#include <QFileDialog>

namespace {
constexpr int Abgebrochen = 32755;
DateiDialogResponder responder;

QString zeigen(const QString& dateiName, const QString& titel, int modus)
{
    if (responder)
        return responder(titel, dateiName, modus);
    QFileDialog dialog(hauptFensterWidget(), titel, dateiName, QStringLiteral("PLT Dateien (*.plt)"));
    dialog.setAcceptMode(modus == 0 ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // A new project names a file that does not exist yet, also in open mode.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString GetFileName(const QString& dateiName, const QString& titel, int& fehler, int modus)
{
    const QString pfad = zeigen(dateiName, titel, modus);
    if (pfad.isEmpty())
        fehler = Abgebrochen;
    return pfad;
}

void setzeDateiDialogResponder(DateiDialogResponder r)
{
    responder = std::move(r);
}
