#pragma once

#include "kpApplicationManager.h"
#include "kpTestSupport.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWidget>
#include <functional>
#include <memory>
#include <optional>

// The window as the program hosts it: the real core published to main.qml in an 800 x 480
// view. A test finds what it taps as a screen reader does, by its role and name, or by its row,
// so that no test knows where the screens put things.
class kpQmlTestView
{
public:
    // What the user's folder holds at the start besides the settings: a shopping list, by
    // default the weekend's, bread in bakery and two litres of milk in dairy, both still to buy
    // (in category order its rows are bakery, bread, dairy, milk); the user's copy of the
    // English catalogue, with tea in drinks.
    enum Files { NoFiles = 0, List = 1, Catalogue = 2 };
    explicit kpQmlTestView(int pFiles = NoFiles, const QString &pList = "weekend.xml");

    kpApplicationManager &manager() { return *mManager; }
    kpListDataModel *list() { return mManager->listDataModel(); }
    QQuickWidget *view() { return mView.get(); }
    QString state() const { return mView->rootObject()->state(); }
    // The screen of the given component, such as "ScreenShop", and the window's child that makes
    // it and fades it in and out.
    QQuickItem *screen(const QString &pComponent) const;
    QQuickItem *layer(const QString &pComponent) const;
    QQuickItem *named(const QString &pObjectName) const;

    // Below pUnder: the first item of the accessible role; the button or menu entry named pName,
    // in the code's words or the language in use. The screen's list.
    QQuickItem *find(QQuickItem *pUnder, QAccessible::Role pRole) const;
    QQuickItem *button(QQuickItem *pUnder, const QString &pName) const;
    QQuickItem *list(QQuickItem *pScreen) const;
    // Row pRow of the screen's list, once the list rests.
    QQuickItem *row(QQuickItem *pScreen, int pRow) const;

    // Walks from the main screen, with a list on it, to the shop, edit or settings screen.
    QQuickItem *enter(const QString &pComponent);
    // Taps pItem; the screen of pComponent once the window rests with it alone shown.
    QQuickItem *tapTo(QQuickItem *pItem, const QString &pComponent);
    // Opens the screen's menu with its header button; the menu, once it is shown.
    QQuickItem *openMenu(QQuickItem *pScreen);
    // At pAt in the item, or at its centre.
    void tap(QQuickItem *pItem, std::optional<QPointF> pAt = std::nullopt);
    // Holds pItem down until the dialog that the hold opens has been answered.
    void longPress(QQuickItem *pItem, const std::shared_ptr<kpSeenDialog> &pDialog);
    // The window's next prompt for a line of text, once it shows and pLook has looked at it,
    // gets pText typed over its preset and is answered as a user does: accepted with OK, or with
    // Enter where pByKey; cancelled with Cancel, or with Escape.
    std::shared_ptr<kpSeenDialog> answerPrompt(const QString &pText, bool pAccept = true,
                                               bool pByKey = false,
                                               const std::function<void()> &pLook = {});
    void typeText(const QString &pInputName, const QString &pText);
    // Waits until the window rests with pComponent's screen alone shown; fails if two screens
    // were ever partly shown at once on the way.
    bool showsOnly(const QString &pComponent);

    // Where pItem's centre lies in the window.
    static QPoint centreOf(QQuickItem *pItem);
    // Whether an animation below pObject runs: a fade, a row shrinking, a button growing.
    static bool animating(QObject *pObject);
    // The texts of the text elements below pItem: the shown ones, or all of them.
    static QStringList texts(QQuickItem *pItem, bool pShownOnly = true);

private:
    void answerWhenShown(const std::shared_ptr<kpSeenDialog> &pSeen, const QString &pText,
                         bool pAccept, bool pByKey, const std::function<void()> &pLook);

    // The view goes before the manager, as in the program.
    std::unique_ptr<kpApplicationManager> mManager;
    std::unique_ptr<QQuickWidget> mView;
};
