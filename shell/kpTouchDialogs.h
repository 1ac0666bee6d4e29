#pragma once

#include <QObject>
#include <QRect>

class QDialog;
class QWidget;

// Fits the toolkit's message boxes and input dialogs to a finger on the handheld: the screens'
// text size and colours, buttons as large as the screens' own, the dialog nearly as wide as the
// window and placed over it, and above an on-screen keyboard while one shows. The dialogs keep
// their texts, buttons and results; only their look and place change.
class kpTouchDialogs : public QObject
{
    Q_OBJECT

public:
    // Fits every dialog that pWindow parents, now and whenever the window changes its size.
    explicit kpTouchDialogs(QWidget *pWindow);
    // Fits the dialogs shown while it exists without a window, after the screen.
    kpTouchDialogs();

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void adopt(QDialog *pDialog);
    void fit(QDialog *pDialog) const;
    void place(QDialog *pDialog) const;
    // What the dialogs may cover: the window or the screen, less an on-screen keyboard.
    QRect area() const;

    QWidget *mWindow = nullptr;
};
