#pragma once
#include <QString>
#include <QStringList>

// The lines a message lists, one a line: the first max of them and, when
// there are more, "... und N weitere." naming how many are left out.
QString aufzaehlung(const QStringList& zeilen, qsizetype max);
