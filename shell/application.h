#pragma once

class QIcon;

namespace kalyxteron {

/// Application-wide settings: the names the desktop knows the program by, and the icon.
void setUpApplication();

/// The program's icon, shared by every window: PNG sizes drawn at build time, so that
/// opening a window draws no SVG for its icon.
QIcon programIcon();

} // namespace kalyxteron
