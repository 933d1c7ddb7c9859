#pragma once

// The route memory code reads the routes, the LNCVs their commands name, the
// desk's options and the slots of the route memories. These are written in
// many places: the element dialogs, the LNCV table, placing, the delete tool,
// paste, undo, rotation, a throttle taking the fields above it, loading,
// reading the desk back. Every one of them is a step the program handles
// before it waits for the next event; there, once per step, the code is
// rebuilt without a word. A rebuild that changes a route memory's code leaves
// it differing from its programmed copy, so it counts as to be programmed;
// one that changes nothing marks nothing.
void fsCodeFolgtDemPultAnmelden();

// The rebuild itself, for a view that shows the code words and has to show
// them rebuilt before the step ends; none while no desk is built or a route
// is being defined or edited.
void fsCodeNachfuehren();
