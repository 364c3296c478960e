// How the program presents itself to the desktop. Qt names a program after its executable and
// speaks English in its own texts; this gives the application object the program's name, version
// and desktop entry (the Wayland app id and the X11 window class the desktop matches with the
// entry) and Qt's own texts (the text boxes' context menu) in German, like the captions; and the
// window its icon in every size.
#pragma once

class QApplication;
class QIcon;

namespace orbisco::ui {

// The desktop entry's name without ".desktop": also the Wayland app id.
inline constexpr char desktopEntryId[] = "org.orbisco.Orbisco";
// The class of the X11 window (WM_CLASS); the desktop entry's StartupWMClass names it.
inline constexpr char windowClass[] = "Orbisco";

// Call once, after the QApplication is made and before the first window is.
void setUpApplication(QApplication &app);

// The globe: the 32 x 32 window icon and the larger sizes that menus and docks show.
QIcon programIcon();

} // namespace orbisco::ui
