#include "platform/X11Fenster.h"

#include "platform/DevicePixels.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QList>
#include <QThread>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
// Longer than a window manager under load takes to let go of a window.
constexpr int Frist = 500;

xcb_connection_t* verbindung()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    xcb_intern_atom_reply_t* antwort =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(antwort);
    return a;
}

xcb_window_t wurzel(xcb_connection_t* x)
{
    return xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
}

// The 32-bit values of the window's property `name`.
QList<uint32_t> werte(xcb_connection_t* x, xcb_window_t fenster, xcb_atom_t name, xcb_atom_t typ)
{
    xcb_get_property_reply_t* wert =
        xcb_get_property_reply(x, xcb_get_property(x, 0, fenster, name, typ, 0, 4096), nullptr);
    QList<uint32_t> liste;
    if (wert && wert->format == 32) {
        const auto* w = static_cast<const uint32_t*>(xcb_get_property_value(wert));
        liste = QList<uint32_t>(w, w + xcb_get_property_value_length(wert) / 4);
    }
    std::free(wert);
    return liste;
}

// True when the window stands in no frame (or is gone).
bool ungerahmt(xcb_connection_t* x, xcb_window_t fenster)
{
    xcb_query_tree_reply_t* baum = xcb_query_tree_reply(x, xcb_query_tree(x, fenster), nullptr);
    const bool frei = !baum || baum->parent == baum->root;
    std::free(baum);
    return frei;
}
} // namespace

void freigabeAbwarten(const QWidget* fenster)
{
    xcb_connection_t* x = verbindung();
    const auto id = xcb_window_t(fenster->internalWinId());
    if (!x || !id)
        return;
    const QDeadlineTimer frist(Frist);
    while (!ungerahmt(x, id) && !frist.hasExpired())
        QThread::msleep(2);
}

bool vomFenstermanagerGesetzt(const QWidget* fenster)
{
    xcb_connection_t* x = verbindung();
    if (!x)
        return true;
    const auto id = xcb_window_t(fenster->internalWinId());
    if (!id)
        return false;
    xcb_get_window_attributes_reply_t* art =
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, id), nullptr);
    const bool gezeigt = art && art->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(art);
    if (!gezeigt)
        return false;
    xcb_translate_coordinates_reply_t* ort =
        xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, id, wurzel(x), 0, 0), nullptr);
    xcb_get_geometry_reply_t* groesse = xcb_get_geometry_reply(x, xcb_get_geometry(x, id), nullptr);
    const bool amOrt = ort && groesse
        && wieBeiQt(fenster, QRect(ort->dst_x, ort->dst_y, groesse->width, groesse->height), fenster->geometry());
    std::free(ort);
    std::free(groesse);
    return amOrt;
}

// Asked as the window manager standard has it: the window manager writes the
// frame it would give into the window's frame extents.
std::optional<QMargins> rahmenErfragen(QWidget* fenster)
{
    xcb_connection_t* x = verbindung();
    if (!x)
        return std::nullopt;
    const xcb_atom_t frage = atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    if (!werte(x, wurzel(x), atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM).contains(frage))
        return std::nullopt;
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = xcb_window_t(fenster->winId());
    nachricht.type = frage;
    xcb_send_event(x, 0, wurzel(x), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&nachricht));
    xcb_flush(x);
    const QDeadlineTimer frist(Frist);
    do {
        if (const std::optional<QMargins> rand = rahmenInGeraetepixeln(fenster))
            return rand;
        QThread::msleep(2);
    } while (!frist.hasExpired());
    return std::nullopt;
}

std::optional<QMargins> rahmenInGeraetepixeln(const QWidget* fenster)
{
    xcb_connection_t* x = verbindung();
    const auto id = xcb_window_t(fenster->internalWinId());
    if (!x || !id)
        return std::nullopt;
    // Left, right, top, bottom.
    const QList<uint32_t> r = werte(x, id, atom(x, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (r.size() != 4)
        return std::nullopt;
    return QMargins(int(r[0]), int(r[2]), int(r[1]), int(r[3]));
}

std::optional<QRect> geraeteRahmen(const QWidget* fenster)
{
    xcb_connection_t* x = verbindung();
    const auto id = xcb_window_t(fenster->internalWinId());
    const std::optional<QMargins> rand = rahmenInGeraetepixeln(fenster);
    if (!x || !id || !rand || !fenster->isVisible())
        return std::nullopt;
    xcb_translate_coordinates_reply_t* ort =
        xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, id, wurzel(x), 0, 0), nullptr);
    xcb_get_geometry_reply_t* groesse = xcb_get_geometry_reply(x, xcb_get_geometry(x, id), nullptr);
    std::optional<QRect> r;
    if (ort && groesse)
        r = QRect(ort->dst_x, ort->dst_y, groesse->width, groesse->height).marginsAdded(*rand);
    std::free(ort);
    std::free(groesse);
    return r;
}
