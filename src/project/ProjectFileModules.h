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

// The order in which a load places the field lines (indices into
// inhalt.felder): the throttles first, from the bottom row up, then every
// other line in file order, except that the route memories among them follow
// the slots they were saved in. Each field then ends as its own line says: a
// line above a throttle comes after the throttle that draws over it, and a
// throttle higher up never reaches the field of one below it; a throttle's
// parts stay only on fields that have no line of their own. The route
// memories take their slots in the saved order, so the route code fills them
// as it did before the save.
std::vector<size_t> platzierReihenfolge(const ProjektInhalt& inhalt, const KatalogTabelle& katalog);

// For every field line (plan[i] for inhalt.felder[i]), taken in the order
// given, reads the module's LNCV file from the project folder PultVerz: the
// file the project file names for the module. A project saved without these
// names takes the file whose description names the module's position (one
// naming this project file first, of several the newest), and the file of
// the placement address only where none names the position. When there is
// none, the user is asked whether to delete the element. False with a German
// message naming the file when a file cannot be read, is malformed or belongs
// to another article.
// Field lines whose element code the catalogue lacks, files with fewer values
// than their module has, and file names and slots given for fields without
// such a module are named in hinweise.
bool modulDateienLesen(const ProjektInhalt& inhalt, const KatalogTabelle& katalog, const std::vector<size_t>& folge,
                       std::vector<ModulPlan>& plan, QStringList& hinweise, QString& fehler);
