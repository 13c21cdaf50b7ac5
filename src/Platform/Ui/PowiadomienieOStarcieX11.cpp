#include "PowiadomienieOStarcieX11.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atomX11(xcb_connection_t *polaczenie, const char *nazwa)
{
    xcb_intern_atom_reply_t *odpowiedz = xcb_intern_atom_reply(
        polaczenie, xcb_intern_atom(polaczenie, false, std::uint16_t(std::strlen(nazwa)), nazwa), nullptr);
    if (!odpowiedz)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = odpowiedz->atom;
    std::free(odpowiedz);
    return atom;
}

xcb_window_t korzenOkna(xcb_connection_t *polaczenie, xcb_window_t okno)
{
    xcb_query_tree_reply_t *drzewo = xcb_query_tree_reply(polaczenie, xcb_query_tree(polaczenie, okno), nullptr);
    if (!drzewo)
        return XCB_WINDOW_NONE;
    const xcb_window_t korzen = drzewo->root;
    std::free(drzewo);
    return korzen;
}

} // namespace

QByteArray PowiadomienieOStarcieX11::wiadomoscUsuniecia(const QByteArray &identyfikator)
{
    const bool wCudzyslowie = std::any_of(identyfikator.cbegin(), identyfikator.cend(),
                                          [](char znak) { return znak == ' ' || znak == '"' || znak == '\\'; });
    if (!wCudzyslowie)
        return QByteArrayLiteral("remove: ID=") + identyfikator;
    QByteArray wartosc;
    for (char znak : identyfikator) {
        if (znak == '"' || znak == '\\')
            wartosc += '\\';
        wartosc += znak;
    }
    return QByteArrayLiteral("remove: ID=\"") + wartosc + '"';
}

void PowiadomienieOStarcieX11::zakonczStart(QWidget *okno, const QByteArray &identyfikator)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !okno || identyfikator.isEmpty())
        return;
    xcb_connection_t *polaczenie = x11->connection();
    const auto oknoX = xcb_window_t(okno->winId());

    xcb_change_property(polaczenie, XCB_PROP_MODE_REPLACE, oknoX, atomX11(polaczenie, "_NET_STARTUP_ID"),
                        atomX11(polaczenie, "UTF8_STRING"), 8, std::uint32_t(identyfikator.size()),
                        identyfikator.constData());

    // The message goes to the root window in pieces of 20 bytes, the closing NUL included.
    const xcb_window_t korzen = korzenOkna(polaczenie, oknoX);
    if (korzen == XCB_WINDOW_NONE) {
        xcb_flush(polaczenie);
        return;
    }
    const QByteArray wiadomosc = wiadomoscUsuniecia(identyfikator);
    const xcb_atom_t poczatek = atomX11(polaczenie, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t ciag = atomX11(polaczenie, "_NET_STARTUP_INFO");
    const qsizetype dlugosc = wiadomosc.size() + 1;
    for (qsizetype wyslane = 0; wyslane < dlugosc; wyslane += 20) {
        xcb_client_message_event_t zdarzenie;
        std::memset(&zdarzenie, 0, sizeof zdarzenie);
        zdarzenie.response_type = XCB_CLIENT_MESSAGE;
        zdarzenie.format = 8;
        zdarzenie.window = korzen;
        zdarzenie.type = wyslane == 0 ? poczatek : ciag;
        std::memcpy(zdarzenie.data.data8, wiadomosc.constData() + wyslane,
                    std::size_t(std::min<qsizetype>(dlugosc - wyslane, 20)));
        xcb_send_event(polaczenie, false, korzen, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&zdarzenie));
    }
    xcb_flush(polaczenie);
}
