// What the desktop can do for the window: compositing, placing windows,
// and windows of the unit's own.
#include "app/desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <string>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define IGNIVAR_HAVE_XCB 1
#endif

namespace ignivar::app {
namespace {

// The X screen the program's display names (":0.1" is screen 1).
int x11_screen_number() {
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int colon = display.lastIndexOf(':');
    return dot > colon && dot >= 0 ? display.mid(dot + 1).toInt() : 0;
}

}  // namespace

bool desktop_composites() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith("wayland")) return true;
#ifdef IGNIVAR_HAVE_XCB
    if (platform == "xcb") {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection()) return false;
        xcb_connection_t* c = x11->connection();
        // A compositing manager owns the selection _NET_WM_CM_S<screen>.
        const std::string name = "_NET_WM_CM_S" + std::to_string(x11_screen_number());
        auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(name.size()), name.c_str()),
                                           nullptr);
        if (!atom) return false;
        const xcb_atom_t a = atom->atom;
        free(atom);
        if (a == XCB_ATOM_NONE) return false;
        auto* owner = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, a), nullptr);
        const bool composited = owner && owner->owner != XCB_NONE;
        free(owner);
        return composited;
    }
#endif
    return false;
}

bool can_place_windows() { return !QGuiApplication::platformName().startsWith("wayland"); }

namespace {

// Ties a window to the unit's each time it shows (Qt lets go of the tie
// for windows that are not dialogs), and gives the keyboard back to the
// unit when it closes.
class OwnWindow : public QObject {
public:
    OwnWindow(QWidget& unit, QObject* parent) : QObject(parent), unit_(unit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* secondary = static_cast<QWidget*>(watched);
        if (e->type() == QEvent::Show) {
            tie(secondary);
            // (A dialog without a parent is tied to the active window as
            // its showing ends: tied again once that is done.)
            QTimer::singleShot(0, secondary, [this, secondary] { tie(secondary); });
        }
        if (e->type() == QEvent::Hide && unit_.isVisible()) {
            unit_.activateWindow();
            unit_.setFocus(Qt::ActiveWindowFocusReason);
        }
        return false;
    }

private:
    void tie(QWidget* secondary) {
        if (secondary->windowHandle() && unit_.windowHandle() && secondary->windowHandle()->transientParent() != unit_.windowHandle())
            secondary->windowHandle()->setTransientParent(unit_.windowHandle());
    }

    QWidget& unit_;
};

}  // namespace

void make_own(QWidget& secondary, QWidget& unit) {
    // The windows' own handles, made now, so that the tie holds from the
    // first time the secondary window shows.
    unit.winId();
    secondary.winId();
    if (secondary.windowHandle() && unit.windowHandle()) secondary.windowHandle()->setTransientParent(unit.windowHandle());
    secondary.installEventFilter(new OwnWindow(unit, &secondary));
}

}  // namespace ignivar::app
