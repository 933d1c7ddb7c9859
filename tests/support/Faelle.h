#pragma once
// Test cases read from a case file: one case per line "test | case | column | ...",
// each column a list of "; "-separated entries, "-" for an empty one; lines
// that do not match (comments) are skipped.
#include <QFile>
#include <QStringList>
#include <QTest>

inline void faelle(const QString& datei, const char* test, std::initializer_list<const char*> spalten)
{
    for (const char* s : spalten)   // Qt Test keeps the pointer: literals only
        QTest::addColumn<QStringList>(s);
    QFile f(datei);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(datei));
    for (const QString& zeile : QString::fromUtf8(f.readAll()).split('\n')) {
        const QStringList teile = zeile.split(QStringLiteral(" | "));
        if (teile.size() != qsizetype(spalten.size()) + 2 || teile[0] != QLatin1String(test))
            continue;
        QTestData& fall = QTest::newRow(qPrintable(teile[1]));
        for (const QString& t : teile.mid(2))
            fall << (t == QLatin1String("-") ? QStringList() : t.split(QStringLiteral("; "), Qt::SkipEmptyParts));
    }
}

// The blank-separated numbers of a column.
inline QList<int> zahlen(const QStringList& spalte)
{
    QList<int> z;
    for (const QString& w : spalte.join(' ').split(' ', Qt::SkipEmptyParts))
        z << w.toInt();
    return z;
}
