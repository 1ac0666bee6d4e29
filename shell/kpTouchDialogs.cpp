#include "kpTouchDialogs.h"

#include "kpTouchLook.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QInputMethod>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace {

// The screens' text size and colours: large text, buttons as high as the bars and two row
// buttons wide (less their border), the raised and sunken blue faces with their border. Set as a
// style sheet, they reach the buttons a message box adds only as it shows.
QString styleSheet()
{
    using Look = kpTouchLook;
    const QString raised = QStringLiteral("qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 %1, "
                                          "stop: 0.2 %2, stop: 0.8 %2, stop: 1 %3)");
    const QString face = Look::faceColor().name();
    return QStringLiteral(R"(
QDialog { background-color: %1; }
QLabel, QLineEdit, QPushButton { font-size: %2px; }
QLabel { color: %3; }
QLineEdit { color: %3; background-color: %1; border: 1px solid %4; padding: %5px; }
QPushButton {
    min-width: %6px; min-height: %7px; padding: 0px; color: %8; border: 1px solid %4;
    background: %9;
}
QPushButton:pressed { background: %10; }
)")
        .arg(Look::dialogColor().name(), QString::number(Look::LargeFontSize),
             Look::textColor().name(), Look::borderColor().name(), QString::number(Look::Spacing),
             QString::number(2 * Look::RowButtonWidth - 2), QString::number(Look::BarHeight - 2),
             Look::lightTextColor().name(),
             raised.arg(Look::edgeLightColor().name(), face, Look::edgeShadowColor().name()),
             raised.arg(Look::edgeShadowColor().name(), face, Look::edgeLightColor().name()));
}

} // namespace

kpTouchDialogs::kpTouchDialogs(QWidget *pWindow)
    : QObject(pWindow)
    , mWindow(pWindow)
{
    pWindow->installEventFilter(this);
}

kpTouchDialogs::kpTouchDialogs()
{
    qApp->installEventFilter(this);
}

// A dialog the window parents tells the window when it is polished, before it first shows; the
// dialog's own show comes before it computes its size, its resizes after.
bool kpTouchDialogs::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    switch (pEvent->type()) {
    case QEvent::ChildPolished:
        if (auto *dialog = qobject_cast<QDialog *>(static_cast<QChildEvent *>(pEvent)->child()))
            adopt(dialog);
        break;
    case QEvent::Show:
        if (auto *dialog = qobject_cast<QDialog *>(pWatched)) {
            if (!mWindow)
                adopt(dialog);
            fit(dialog);
        }
        break;
    case QEvent::Resize:
        if (auto *dialog = qobject_cast<QDialog *>(pWatched))
            place(dialog);
        else if (pWatched == mWindow)
            for (QDialog *shown : mWindow->findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
                if (shown->isVisible())
                    fit(shown);
        break;
    default:
        break;
    }
    return false;
}

void kpTouchDialogs::adopt(QDialog *pDialog)
{
    if (pDialog->property("kpTouchDialog").toBool())
        return;
    pDialog->setProperty("kpTouchDialog", true);
    pDialog->setStyleSheet(styleSheet());
    if (mWindow)
        pDialog->installEventFilter(this);
    // An on-screen keyboard that shows or hides moves the dialog out of its way.
    QInputMethod *keyboard = QGuiApplication::inputMethod();
    connect(keyboard, &QInputMethod::visibleChanged, pDialog,
            [this, pDialog]() { place(pDialog); });
    connect(keyboard, &QInputMethod::keyboardRectangleChanged, pDialog,
            [this, pDialog]() { place(pDialog); });
}

// The row of buttons spans the dialog: the width it asks for is the dialog's.
void kpTouchDialogs::fit(QDialog *pDialog) const
{
    const QMargins margins = pDialog->layout() ? pDialog->layout()->contentsMargins() : QMargins();
    const int width
        = area().width() - 2 * kpTouchLook::DialogMargin - margins.left() - margins.right();
    for (QDialogButtonBox *buttons : pDialog->findChildren<QDialogButtonBox *>())
        buttons->setMinimumWidth(width);
    place(pDialog);
}

void kpTouchDialogs::place(QDialog *pDialog) const
{
    if (!pDialog->isVisible())
        return;
    const QRect shown = area();
    QRect frame(QPoint(), pDialog->frameGeometry().size());
    frame.moveCenter(shown.center());
    if (frame.bottom() > shown.bottom())
        frame.moveBottom(shown.bottom());
    frame.moveTop(std::max(frame.top(), pDialog->screen()->availableGeometry().top()));
    pDialog->move(frame.topLeft());
}

// The keyboard tells where it is on the screen.
QRect kpTouchDialogs::area() const
{
    QRect shown
        = mWindow ? mWindow->geometry() : QGuiApplication::primaryScreen()->availableGeometry();
    const QInputMethod *keyboard = QGuiApplication::inputMethod();
    const QRect keys = keyboard->keyboardRectangle().toAlignedRect();
    if (keyboard->isVisible() && !keys.isEmpty())
        shown.setBottom(std::min(shown.bottom(), keys.top() - 1));
    return shown;
}
