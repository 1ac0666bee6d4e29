#pragma once

#include <QString>

class QQuickWidget;

// Asks for one line of text and waits for the answer, as the toolkit's input dialog does: in the
// window's own scene where the window has a prompt, so that an on-screen keyboard in the scene or
// the shell's types into it and nothing of the window is covered by a window of its own; the
// toolkit's input dialog where no window is shown.
namespace kpTextPrompt {

// The window's prompt, found by its object name: opened with a title, a label and a preset text,
// it tells when it closes and holds the accepted text as its answer, empty when cancelled.
inline constexpr char ObjectName[] = "namePrompt";

// The text accepted, or an empty text when the user cancels.
QString ask(QQuickWidget *pView, const QString &pTitle, const QString &pLabel,
            const QString &pText = QString());

} // namespace kpTextPrompt
