#pragma once

// What one picture shows. Pictures of the same name must show the same motif.
struct Motiv {
    enum class Art {
        Element,        // an element of the catalogue, by its code and article
        Werkzeug,       // the select (-1) or delete (-99) tool of both palettes
        Fahrreglerteil, // part 0 (bottom), 1 (middle) or 2 (top) of the throttle
        Grundplatte,    // a base plate of the electrical view, by its article
        Weiss,          // the white field of the printout
    };
    Art art = Art::Weiss;
    int code = 0;
    int artikel = 0;
    int teil = 0;
    bool hervorgehoben = false; // the blink picture of a module being programmed

    bool operator==(const Motiv&) const = default;
};
