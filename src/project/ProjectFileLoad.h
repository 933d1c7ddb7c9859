#pragma once
#include "project/ProjectFileModules.h"
#include "project/ProjectFileParser.h"

// Loads the project file PultVerz + PultDatei and the LNCV files of its
// modules. The whole file and every LNCV file are read and checked first;
// only then is the desk in memory replaced. On any failure the user is told
// why (naming the line or the file) and the desk stays as it was: false.
bool Load_plt();

// Applies one field line: places its element through SetzePultElement, gives
// a module the values of its LNCV file (or deletes it, as the user chose) and
// sets the field's base plate.
void load_new_element(const FeldZeile& zeile, const ModulPlan& plan);
