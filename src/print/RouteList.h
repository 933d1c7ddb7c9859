#pragma once
#include "print/TextPages.h"

// The route list: every route of the route table with its keys, its release
// condition, the route memory's messages and both command lists, one route
// per page at least. With no route it says so.
TextSeiten fahrstrassenListe();
