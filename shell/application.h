#pragma once

class QApplication;

namespace kalyxteron {

/// Application-wide settings: the name, the icon, and that closing a window
/// during a hand-over does not end the program.
void setUpApplication(QApplication &app);

} // namespace kalyxteron
