#include "SimLeitung.h"

#include <QTimer>

SimLeitung::SimLeitung(LnModulSim& sim_, QObject* eltern)
    : LnLeitung(eltern), sim(sim_)
{
}

bool SimLeitung::oeffnen(const QString& geraet, qint32 baud, int stoppBits)
{
    oeffnungen << Oeffnung{geraet, baud, stoppBits};
    if (oeffnenScheitert) {
        fehler = QStringLiteral("Zugriff verweigert");
        return false;
    }
    fehler.clear();
    istOffen = true;
    ++sitzung;
    return true;
}

void SimLeitung::schliessen()
{
    istOffen = false;
    eingang.clear();
}

QByteArray SimLeitung::lesen()
{
    QByteArray bytes;
    bytes.swap(eingang);
    return bytes;
}

bool SimLeitung::schreiben(const QByteArray& bytes)
{
    if (!istOffen)
        return false;
    geschrieben += bytes;
    const int jetzt = sitzung;
    for (const SimSendung& s : sim.empfange(bytes)) {
        QTimer::singleShot(s.verzugMs, Qt::PreciseTimer, this, [this, s, jetzt] {
            if (!istOffen || jetzt != sitzung)
                return;
            eingang += s.bytes;
            if (emitDatenDa)
                emit datenDa();
        });
    }
    return true;
}
