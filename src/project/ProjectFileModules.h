#pragma once
#include "core/Catalogue.h"
#include "project/ProjectFileParser.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// What loading a project does with the LNCV module of each field line,
// decided and read before the desk in memory is touched.
struct ModulPlan {
    enum Art { KeinModul, Werte, Vorgaben, Loeschen };
    Art art = KeinModul;
    int eintrag = -1;             // the catalogue entry of the module
    std::vector<int16_t> werte;   // the file's values (Werte)
};

using KatalogTabelle = std::array<KatalogEintrag, KatalogSlots>;

// The catalogue entry that a field line with this element code ends with
// (the last one carrying the code), -1 when none does.
int letzterEintragMitCode(const KatalogTabelle& katalog, int code);

// The module address (LNCV 0) that placing the element gives it, by which its
// file is looked for: column + 100 x row with automatic module addresses for
// the elements that take it, else 0.
int16_t platzierteModulAdresse(int code, int x, int y, int16_t zsAdrOpt);

// For every field line (plan[i] for inhalt.felder[i]) reads the module's LNCV
// file from the project folder PultVerz. When the file of the placement
// address is missing, the file whose description names the field's position
// is taken; when there is none either, the user is asked whether to delete the
// element. False with a German message naming the file when a file cannot be
// read, is malformed or belongs to another article. Field lines whose element
// code the catalogue lacks and files with fewer values than their module has
// are named in hinweise.
bool modulDateienLesen(const ProjektInhalt& inhalt, const KatalogTabelle& katalog, std::vector<ModulPlan>& plan,
                       QStringList& hinweise, QString& fehler);
