#pragma once

#include <functional>

class QWidget;

namespace widgets {

// Runs an action when a control takes or loses the focus (the windows'
// "entering" and "leaving" events). The leave action runs before the
// control's own focus-out handling (its text is as typed), the enter
// action once it holds the focus. The focus arriving however it comes (Tab,
// a click, the program moving it while a box or a picker was up) enters the
// control; only the focus coming back with its window to the control that
// already held it does not. While a leave action runs, moving the focus
// (back to a field a check refused) leaves nothing else.
void onEnter(QWidget *control, std::function<void()> action);
void onExit(QWidget *control, std::function<void()> action);

} // namespace widgets
