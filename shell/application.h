#pragma once

class QApplication;
class QIcon;

namespace kalyxteron {

/// Application-wide settings: the name, the icon, and that closing a window
/// during a hand-over does not end the program.
void setUpApplication(QApplication &app);

/// The program's icon, shared by every window: PNG sizes drawn at build time, so that
/// opening a window draws no SVG for its icon.
QIcon programIcon();

} // namespace kalyxteron
