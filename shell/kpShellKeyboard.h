#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// The on-screen keyboard of a phone shell that offers no text-input protocol Qt speaks (Phosh's
// squeekboard): it shows only when asked over the session bus. Asked to show while a text input
// has the focus and to hide once none has; hidden with its own key, it takes the input's focus
// along, as the keyboard in the scene does, so that a tap on the input calls it back. Where the
// session has no such keyboard, or Qt's keyboard is in the scene, nothing is asked and nothing
// waited for.
class kpShellKeyboard : public QObject
{
    Q_OBJECT

public:
    explicit kpShellKeyboard(QObject *pParent = nullptr);

private slots:
    void propertiesChanged(const QString &pInterface, const QVariantMap &pChanged,
                           const QStringList &pInvalidated);

private:
    void follow();
    void lookForKeyboard();
    void setVisible(bool pVisible);

    bool mLookedFor = false;
    bool mPresent = false;
    // What was asked last: focus moving from one input to another asks nothing again.
    bool mAskedVisible = false;
};
