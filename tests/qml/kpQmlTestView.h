#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QObject;
class QQuickItem;
class QQuickWidget;
class kpApplicationManager;

// The window as the program hosts it: the real core published to main.qml in an 800 x 480
// view, driven by taps at screen coordinates.
class kpQmlTestView
{
public:
    kpQmlTestView();
    ~kpQmlTestView();

    kpApplicationManager &manager() { return *mManager; }
    QQuickWidget *view() { return mView.get(); }
    QQuickItem *window() const;
    // The screen of the given component, such as "ScreenShop", and the window's child that holds
    // it and fades it in and out.
    QQuickItem *screen(const QString &pComponent) const;
    QQuickItem *layer(const QString &pComponent) const;
    // The menu of the given screen.
    QQuickItem *menu(const QString &pScreen) const;
    // The edit screen's item dialog.
    QQuickItem *itemDialog() const;
    // A context object of the core, such as "categoriesDataModel".
    QObject *context(const char *pName) const;
    QObject *named(const QString &pObjectName) const;
    QString state() const;

    void tap(QPoint pPoint);
    void longPress(QPoint pPoint);
    void typeText(QPoint pInput, const QString &pText);
    // Waits until the window rests with pComponent's screen alone shown.
    bool showsOnly(const QString &pComponent);

    // The topmost shown item of the given component (or toolkit class) at pPoint.
    QQuickItem *itemAt(QPoint pPoint, const QString &pComponent) const;
    // The texts of the text elements below pItem: the shown ones, or all of them.
    QStringList texts(QQuickItem *pItem, bool pShownOnly = true) const;

private:
    std::unique_ptr<kpApplicationManager> mManager;
    std::unique_ptr<QQuickWidget> mView;
};

// Every meta-object name of a QML component starts with the component's name.
bool isComponent(const QObject *pObject, const QString &pComponent);
// Calls a slot of the core by name, for the parts the test cannot reach by a tap.
QVariant callSlot(QObject *pObject, const char *pSlot);
