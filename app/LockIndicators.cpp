#include "app/LockIndicators.h"

#include <QGuiApplication>

#ifdef KOLV_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace kolv {

LockStates currentLockStates()
{
    LockStates states;
#ifdef KOLV_HAVE_X11
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return states;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return states;
    // The keyboard's indicator names; a keyboard without one leaves it unknown.
    static const char* const names[lockKeyCount] = {"Kana", "Caps Lock", "Num Lock", "Scroll Lock"};
    for (int lock = 0; lock < lockKeyCount; ++lock) {
        const Atom atom = XInternAtom(display, names[lock], True);
        Bool on = False;
        if (atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
            states[lock] = on == True;
    }
#endif
    return states;
}

}  // namespace kolv
