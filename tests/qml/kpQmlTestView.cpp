#include "kpQmlTestView.h"

#include "kpApplicationManager.h"
#include "kpQmlObjects.h"
#include "kpQuickHost.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStyleHints>
#include <QtTest>
#include <algorithm>

namespace {

constexpr int RestTimeoutMs = 3000;
const QStringList ScreenComponents
    = {"ScreenMain", "ScreenShop", "ScreenEdit", "ScreenCategories", "ScreenSettings"};

} // namespace

bool isComponent(const QObject *pObject, const QString &pComponent)
{
    const QString className = QString::fromLatin1(pObject->metaObject()->className());
    return className == pComponent || className.startsWith(pComponent + QLatin1String("_QML"));
}

QVariant callSlot(QObject *pObject, const char *pSlot)
{
    const int index = pObject ? pObject->metaObject()->indexOfMethod(pSlot) : -1;
    if (index < 0) {
        qWarning("no slot %s", pSlot);
        return {};
    }
    const QMetaMethod method = pObject->metaObject()->method(index);
    if (method.returnType() == QMetaType::Void) {
        method.invoke(pObject);
        return {};
    }
    QVariant result(QMetaType(method.returnType()));
    method.invoke(pObject, QGenericReturnArgument(method.typeName(), result.data()));
    return result;
}

kpQmlTestView::kpQmlTestView()
    : mManager(std::make_unique<kpApplicationManager>())
{
    QVERIFY(mManager->initialize());
    mView = kpQuickHost::createView(mManager.get());
    QCOMPARE(mView->status(), QQuickWidget::Ready);
    mView->resize(800, 480);
    mView->show();
    QVERIFY(QTest::qWaitForWindowExposed(mView.get()));
    // The screens not shown at first are made after the first frame.
    QVERIFY(QTest::qWaitFor([this]() {
        return std::all_of(ScreenComponents.cbegin(), ScreenComponents.cend(),
                           [this](const QString &pComponent) { return screen(pComponent); });
    }));
}

// The view goes before the manager, as in the program.
kpQmlTestView::~kpQmlTestView()
{
    mView.reset();
    mManager.reset();
}

QQuickItem *kpQmlTestView::window() const
{
    return mView->rootObject();
}

QQuickItem *kpQmlTestView::layer(const QString &pComponent) const
{
    for (QQuickItem *child : window()->childItems()) {
        auto *shown = child->property("screen").value<QQuickItem *>();
        if (shown && isComponent(shown, pComponent))
            return child;
    }
    return nullptr;
}

QQuickItem *kpQmlTestView::screen(const QString &pComponent) const
{
    QQuickItem *holder = layer(pComponent);
    return holder ? holder->property("screen").value<QQuickItem *>() : nullptr;
}

QQuickItem *kpQmlTestView::menu(const QString &pScreen) const
{
    for (QQuickItem *child : screen(pScreen)->childItems()) {
        if (isComponent(child, QStringLiteral("ScreenMenu")))
            return child;
    }
    return nullptr;
}

QQuickItem *kpQmlTestView::itemDialog() const
{
    auto *amount = qobject_cast<QQuickItem *>(named(QStringLiteral("amountSelector")));
    return amount ? amount->parentItem()->parentItem() : nullptr;
}

QObject *kpQmlTestView::context(const char *pName) const
{
    return mView->rootContext()->contextProperty(QLatin1String(pName)).value<QObject *>();
}

QObject *kpQmlTestView::named(const QString &pObjectName) const
{
    return kpQmlObjects::find(mView.get(), pObjectName);
}

QString kpQmlTestView::state() const
{
    return window()->state();
}

void kpQmlTestView::tap(QPoint pPoint)
{
    QTest::mouseClick(mView.get(), Qt::LeftButton, Qt::NoModifier, pPoint);
}

void kpQmlTestView::longPress(QPoint pPoint)
{
    QTest::mousePress(mView.get(), Qt::LeftButton, Qt::NoModifier, pPoint);
    QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200);
    QTest::mouseRelease(mView.get(), Qt::LeftButton, Qt::NoModifier, pPoint);
}

void kpQmlTestView::typeText(QPoint pInput, const QString &pText)
{
    mView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mView.get()));
    tap(pInput);
    QTest::keyClicks(mView.get(), pText);
}

bool kpQmlTestView::showsOnly(const QString &pComponent)
{
    return QTest::qWaitFor(
        [&]() {
            for (const QString &component : ScreenComponents) {
                const qreal wanted = component == pComponent ? 1.0 : 0.0;
                if (layer(component)->opacity() != wanted)
                    return false;
            }
            return true;
        },
        RestTimeoutMs);
}

namespace {

QQuickItem *topmostAt(QQuickItem *pItem, QPointF pScenePoint, const QString &pComponent)
{
    if (!pItem->isVisible())
        return nullptr;
    const QList<QQuickItem *> children = pItem->childItems();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (QQuickItem *hit = topmostAt(*child, pScenePoint, pComponent))
            return hit;
    }
    if (isComponent(pItem, pComponent) && pItem->contains(pItem->mapFromScene(pScenePoint)))
        return pItem;
    return nullptr;
}

void collectTexts(QQuickItem *pItem, bool pShownOnly, QStringList &pTexts)
{
    if (pShownOnly && !pItem->isVisible())
        return;
    if (pItem->inherits("QQuickText"))
        pTexts.append(pItem->property("text").toString());
    for (QQuickItem *child : pItem->childItems())
        collectTexts(child, pShownOnly, pTexts);
}

} // namespace

QQuickItem *kpQmlTestView::itemAt(QPoint pPoint, const QString &pComponent) const
{
    return topmostAt(window(), pPoint, pComponent);
}

QStringList kpQmlTestView::texts(QQuickItem *pItem, bool pShownOnly) const
{
    QStringList texts;
    collectTexts(pItem, pShownOnly, texts);
    return texts;
}
