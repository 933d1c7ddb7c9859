#pragma once

// The route memory code reads the routes, the LNCVs their commands name, the
// desk's options and the slots of the route memories. These are written in
// many places: the element dialogs, the LNCV table, placing, the delete tool,
// paste, undo, rotation, a throttle taking the fields above it, numbering,
// loading, reading the desk back. Each of them marks its change
// (werteGeaendert); the code is rebuilt without a word when it is read after
// such a mark, and only then. A rebuild that changes a route memory's code
// leaves it differing from its programmed copy, so it counts as to be
// programmed; one that changes nothing marks nothing.

// Makes the code current for its readers: the save, desk programming, the
// route memory's LNCV table, the check for unprogrammed changes and the
// saved state call it before they read; nothing while no desk is built or a
// route is being defined or edited (that joins the code when it ends).
void fsCodeNachfuehren();

// The program keeps the code current also between its readers: once per
// step it handled, before it waits for the next event; a step that changed
// nothing costs a comparison.
void fsCodeFolgtDemPultAnmelden();
