#pragma once

// True when the program may end: no unprogrammed changes (the configuration
// file is then written), or the user chose to leave anyway.
bool ende();
