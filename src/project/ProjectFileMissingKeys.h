#pragma once
#include "project/ProjectFileParser.h"

#include <QSet>
#include <QStringList>

// The lines of the load notice for the keys that each saved file has and this
// one lacks (gelesen: the keys it has), in file order. Each line says what
// the desk takes instead, as inhalt holds it: the value of a new project, or
// for the desk size the one its field lines fill. Missing option keys of one
// prefix share a line naming the prefix, their count and each key with its
// value, so that even a file without any key gives a short notice.
QStringList fehlendeSchluesselHinweise(const QSet<QString>& gelesen, const ProjektInhalt& inhalt);
