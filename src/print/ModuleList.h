#pragma once
#include "print/TextPages.h"

// The module programming list: every turnout and signal board of the desk,
// column by column, with each of its LNCVs 0..118 that is not 0 and what it holds.
TextSeiten modulProgrammierListe();

// What LNCV n of a turnout or signal board holds, as " -  " and a short
// German text; empty for a number without an explanation.
QString LNCV_Erkl(int n);
