#include "kpQmlTestView.h"

#include "kpQmlObjects.h"
#include "kpTextPrompt.h"

#include <QAccessible>
#include <QTimer>
#include <QtQuickTest/quicktest.h>
#include <algorithm>
#include <functional>

using namespace kpTestSupport;

namespace {

const QStringList ScreenComponents
    = {"ScreenMain", "ScreenShop", "ScreenEdit", "ScreenCategories", "ScreenSettings"};

// The components whose words the tests name in English, whatever the language in use.
const char *const TranslatingComponents[]
    = {"ScreenMain", "ScreenShop",      "ScreenEdit",   "ImageButton",         "Texts",
       "NamePrompt", "SortMenuEntries", "NameInputBar", "kpApplicationManager"};

// pUnder and the items below it that pWanted accepts, depth first in declaration order.
QList<QQuickItem *> itemsBelow(QQuickItem *pUnder, const std::function<bool(QQuickItem *)> &pWanted)
{
    QList<QQuickItem *> found;
    if (pWanted(pUnder))
        found.append(pUnder);
    for (QQuickItem *child : pUnder->childItems())
        found.append(itemsBelow(child, pWanted));
    return found;
}

// The items below pUnder, itself included, that say they are of one of the accessible roles and,
// where names are given, have one of them. Hidden ones count too unless pShownOnly: a dialog is
// found before it shows, and a test taps where a hidden screen's button lies.
QList<QQuickItem *> accessible(QQuickItem *pUnder, const QList<QAccessible::Role> &pRoles,
                               const QStringList &pNames = {}, bool pShownOnly = false)
{
    return itemsBelow(pUnder, [&](QQuickItem *pItem) {
        const QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(pItem);
        return shown && pRoles.contains(shown->role())
            && (pNames.isEmpty() || pNames.contains(shown->text(QAccessible::Name)))
            && !(pShownOnly && shown->state().invisible);
    });
}

// What of the prompt is too small for a finger, or empty: its box is to be over the window and
// nearly as wide, its two buttons at least 120 x 60 pixels and its field's text at the screens'
// size.
QString tooSmall(QQuickItem *pBox, QQuickItem *pField, const QQuickItem *pWindow)
{
    const QRectF box = pBox->mapRectToScene(pBox->boundingRect());
    const QRectF window(QPointF(), pWindow->size());
    if (pBox->width() < pWindow->width() - 70 || !window.contains(box))
        return QString::asprintf("the prompt's box %g x %g at %g, %g in a %g x %g window",
                                 box.width(), box.height(), box.x(), box.y(), window.width(),
                                 window.height());
    const int textSize = pField->property("font").value<QFont>().pixelSize();
    if (textSize != 25)
        return QStringLiteral("the prompt's field with text %1 px high").arg(textSize);
    const QList<QQuickItem *> buttons = accessible(pBox, {QAccessible::Button}, {}, true);
    if (buttons.size() != 2)
        return QStringLiteral("the prompt with %1 buttons").arg(buttons.size());
    for (QQuickItem *button : buttons)
        if (button->width() < 120 || button->height() < 60)
            return QStringLiteral("the prompt's button \"%1\" %2 x %3")
                .arg(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                     QString::number(button->width()), QString::number(button->height()));
    return QString();
}

} // namespace

kpQmlTestView::kpQmlTestView(int pFiles, const QString &pList)
{
    clearDataLocation();
    if (pFiles & List)
        writeCompressed(listsDirectory() + "/demo-list.kpl", readFile(":/screens/" + pList));
    if (pFiles & Catalogue)
        writeCompressed(dataLocation() + "/data/categories_en.db",
                        readFile(":/screens/catalogue-en.xml"));
    mManager = std::make_unique<kpApplicationManager>();
    QVERIFY(mManager->initialize());
    mView = kpQuickHost::createView(mManager.get());
    mView->resize(800, 480);
    mView->show();
    mView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mView.get()));
    // The screens not shown at first are made after the first frame, which takes long where
    // emulated on a busy machine.
    for (const QString &component : ScreenComponents)
        QVERIFY(QTest::qWaitFor([&]() { return screen(component) != nullptr; }, 60000));
}

// A screen counts once its layer has made it in full.
QQuickItem *kpQmlTestView::layer(const QString &pComponent) const
{
    for (QQuickItem *child : mView->rootObject()->childItems()) {
        const QString source = child->property("source").toUrl().fileName();
        if (source == pComponent + ".qml" && child->property("screen").value<QQuickItem *>())
            return child;
    }
    return nullptr;
}

QQuickItem *kpQmlTestView::screen(const QString &pComponent) const
{
    QQuickItem *holder = layer(pComponent);
    return holder ? holder->property("screen").value<QQuickItem *>() : nullptr;
}

QQuickItem *kpQmlTestView::named(const QString &pObjectName) const
{
    return qobject_cast<QQuickItem *>(kpQmlObjects::find(mView.get(), pObjectName));
}

QQuickItem *kpQmlTestView::find(QQuickItem *pUnder, QAccessible::Role pRole) const
{
    return accessible(pUnder, {pRole}).value(0);
}

QQuickItem *kpQmlTestView::list(QQuickItem *pScreen) const
{
    return itemsBelow(pScreen, [](QQuickItem *pItem) { return pItem->inherits("QQuickListView"); })
        .value(0);
}

QQuickItem *kpQmlTestView::button(QQuickItem *pUnder, const QString &pName) const
{
    QStringList names = {pName};
    for (const char *component : TranslatingComponents)
        names.append(QCoreApplication::translate(component, qPrintable(pName)));
    return accessible(pUnder, {QAccessible::Button, QAccessible::MenuItem}, names).value(0);
}

QQuickItem *kpQmlTestView::row(QQuickItem *pScreen, int pRow) const
{
    QQuickItem *list = this->list(pScreen);
    QQuickItem *row = nullptr;
    // The view follows its model when it is polished next; rows that leave or join it move the
    // others until they have shrunk or grown. Where the list never shows the row, there is none.
    (void)QTest::qWaitFor([&]() {
        if (QQuickTest::qIsPolishScheduled(list) || animating(list))
            return false;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                  Q_ARG(int, pRow));
        return row != nullptr;
    });
    return row;
}

QQuickItem *kpQmlTestView::enter(const QString &pComponent)
{
    QQuickItem *main = screen("ScreenMain");
    if (pComponent == "ScreenShop")
        return tapTo(row(main, 0), pComponent);
    if (pComponent == "ScreenSettings")
        return tapTo(button(main, "Settings"), pComponent);
    return tapTo(button(row(main, 0), "Edit"), pComponent);
}

QQuickItem *kpQmlTestView::tapTo(QQuickItem *pItem, const QString &pComponent)
{
    tap(pItem);
    return showsOnly(pComponent) ? screen(pComponent) : nullptr;
}

QQuickItem *kpQmlTestView::openMenu(QQuickItem *pScreen)
{
    QQuickItem *menu = find(pScreen, QAccessible::PopupMenu);
    tap(button(pScreen, "Menu"));
    return QTest::qWaitFor([menu]() { return menu->opacity() == 1.0; }) ? menu : nullptr;
}

void kpQmlTestView::tap(QQuickItem *pItem, std::optional<QPointF> pAt)
{
    QVERIFY(pItem);
    const QPoint point = pAt ? pItem->mapToScene(*pAt).toPoint() : centreOf(pItem);
    QTest::mouseClick(mView.get(), Qt::LeftButton, Qt::NoModifier, point);
}

void kpQmlTestView::longPress(QQuickItem *pItem, const std::shared_ptr<kpSeenDialog> &pDialog)
{
    const QPoint centre = centreOf(pItem);
    QTest::mousePress(mView.get(), Qt::LeftButton, Qt::NoModifier, centre);
    QTRY_VERIFY(pDialog->seen);
    QTest::mouseRelease(mView.get(), Qt::LeftButton, Qt::NoModifier, centre);
}

std::shared_ptr<kpSeenDialog> kpQmlTestView::answerPrompt(const QString &pText, bool pAccept,
                                                          bool pByKey,
                                                          const std::function<void()> &pLook)
{
    auto seen = std::make_shared<kpSeenDialog>();
    answerWhenShown(seen, pText, pAccept, pByKey, pLook);
    return seen;
}

// The core opens the prompt and waits for it in an event loop of its own, which answers it.
void kpQmlTestView::answerWhenShown(const std::shared_ptr<kpSeenDialog> &pSeen,
                                    const QString &pText, bool pAccept, bool pByKey,
                                    const std::function<void()> &pLook)
{
    QTimer::singleShot(5, mView.get(), [=]() {
        QQuickItem *prompt = named(kpTextPrompt::ObjectName);
        if (!prompt->isVisible()) {
            answerWhenShown(pSeen, pText, pAccept, pByKey, pLook);
            return;
        }
        QQuickItem *box = find(prompt, QAccessible::Dialog);
        QQuickItem *field = find(box, QAccessible::EditableText);
        *pSeen = {true, prompt->property("title").toString(), prompt->property("label").toString(),
                  mView.get(), tooSmall(box, field, mView->rootObject())};
        QVERIFY(field->hasActiveFocus());
        if (pLook)
            pLook();
        field->setProperty("text", QString());
        QTest::keyClicks(mView.get(), pText);
        if (pByKey)
            QTest::keyClick(mView.get(), pAccept ? Qt::Key_Return : Qt::Key_Escape);
        else
            tap(button(box, pAccept ? "OK" : "Cancel"));
    });
}

void kpQmlTestView::typeText(const QString &pInputName, const QString &pText)
{
    tap(named(pInputName));
    QTest::keyClicks(mView.get(), pText);
}

bool kpQmlTestView::showsOnly(const QString &pComponent)
{
    bool overlapped = false;
    const bool rests = QTest::qWaitFor([&]() {
        int partlyShown = 0;
        bool wanted = true;
        for (const QString &component : ScreenComponents) {
            const qreal opacity = layer(component)->opacity();
            partlyShown += opacity > 0.001 ? 1 : 0;
            wanted = wanted && opacity == (component == pComponent ? 1.0 : 0.0);
        }
        overlapped = overlapped || partlyShown > 1;
        return wanted;
    });
    return rests && !overlapped;
}

QPoint kpQmlTestView::centreOf(QQuickItem *pItem)
{
    return pItem->mapToScene(QPointF(pItem->width() / 2, pItem->height() / 2)).toPoint();
}

bool kpQmlTestView::animating(QObject *pObject)
{
    if (pObject->inherits("QQuickAbstractAnimation") && pObject->property("running").toBool())
        return true;
    const QObjectList children = pObject->children();
    auto *item = qobject_cast<QQuickItem *>(pObject);
    const QList<QQuickItem *> childItems = item ? item->childItems() : QList<QQuickItem *>();
    return std::any_of(children.cbegin(), children.cend(), animating)
        || std::any_of(childItems.cbegin(), childItems.cend(), animating);
}

QStringList kpQmlTestView::texts(QQuickItem *pItem, bool pShownOnly)
{
    QStringList texts;
    for (QQuickItem *text :
         itemsBelow(pItem, [](QQuickItem *p) { return p->inherits("QQuickText"); }))
        if (text->isVisible() || !pShownOnly)
            texts.append(text->property("text").toString());
    return texts;
}
