#pragma once
// Which window's activation the program has answered. Under X the window system reports a
// window's activation late, and more than once, around a popup menu's grab; a window's Activate
// follows what the user did, however many of those reports arrive and in whatever order.
// - A report for the window already answered raises nothing more.
// - While a window the program brought forward itself waits for its report, reports of other
//   windows are late answers to what came before, and raise nothing.
// - A press of the user's (mouse or key) ends that wait: what follows is the user's doing.
namespace rt {

class Window;

// The window system reports the window active: true when its Activate is to be raised.
bool TakeActivation(const Window& window);
// The window system reports the window no longer active.
void NoteDeactivation(const Window& window);
// The user pressed the window's menu bar: true when its Activate is to be raised now, before the
// command, because its activation has not been answered yet.
bool AnswerActivationNow(const Window& window);
// The program brings the window forward and asks the window system to activate it.
void NoteActivationRequested(const Window& window);
// The window is hidden or closed: no report of it is awaited or answered any more.
void ForgetActivation(const Window& window);

} // namespace rt
