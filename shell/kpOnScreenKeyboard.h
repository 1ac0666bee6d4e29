#pragma once

// Which on-screen keyboard types into the program. Qt's own keyboard is drawn inside the window's
// scene, never in a window of its own: a kiosk panel cannot show the field above a keyboard window,
// a modal prompt would block it, and on a Wayland shell such a window takes the focus from the
// field it types into. The shells' own keyboards come with the shell (squeekboard, maliit).
namespace kpOnScreenKeyboard {

// Before the application object exists: on the panel platforms (eglfs, linuxfb, vnc), where
// nothing else could type, Qt's keyboard becomes the input method if it is installed and the user
// named none; wherever it is the input method, it is kept out of a window of its own.
void choose(int pArgc, char **pArgv);

// Whether Qt's keyboard is the input method, and so belongs in the scene.
bool inScene();

} // namespace kpOnScreenKeyboard
