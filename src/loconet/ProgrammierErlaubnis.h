#pragma once
#include <cstdint>

// What programming does with one LNCV of a module.
namespace Erlaubnis {
enum : int {
    Ueberspringen = 0,
    Schreiben = 1,
    LesenVergleichen = 2,   // read the module's value, write only where it differs
};
}

// The decision for one LNCV. ersteProgrammierung: the desk was never
// programmed; pultInit: it was initialised as a whole since; kennungGleich:
// the module's stamp equals the project's (not used on a first programming).
// A value counts as changed when it differs from its programmed copy.
//   never programmed, initialised:      write every value other than 0, and
//                                       every changed one (a run broken off
//                                       or a read-back left it in the module)
//   never programmed, not initialised:  read and compare every value
//   stamp equal:                        write every changed value
//   stamp different:                    read and compare every value
int ProgrammierErlaubnis(bool ersteProgrammierung, bool pultInit, bool kennungGleich, int16_t neuerWert,
                         int16_t programmierteKopie);
