#pragma once
#include <QString>
#include <QStringList>

// How messages about routes name them.

// "Fahrstraße n "Name"": route r as the user counts them, from 1.
QString fsName(int r);

// The first ten lines, one a line, then how many more there are.
QString fsAufzaehlung(const QStringList& zeilen);
