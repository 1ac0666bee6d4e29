#include "kpTextPrompt.h"

#include <QEventLoop>
#include <QInputDialog>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>

namespace kpTextPrompt {

// The prompt is modal for the window as a dialog is: the loop ends when it closes or goes with
// the window.
QString ask(QQuickWidget *pView, const QString &pTitle, const QString &pLabel, const QString &pText)
{
    QQuickItem *root = pView ? pView->rootObject() : nullptr;
    const QPointer<QObject> prompt
        = root ? root->findChild<QObject *>(QLatin1String(ObjectName)) : nullptr;
    if (!prompt)
        return QInputDialog::getText(pView, pTitle, pLabel, QLineEdit::Normal, pText);
    QEventLoop loop;
    QObject::connect(prompt, SIGNAL(closed()), &loop, SLOT(quit()));
    QObject::connect(prompt, &QObject::destroyed, &loop, &QEventLoop::quit);
    QMetaObject::invokeMethod(prompt, "open", Q_ARG(QString, pTitle), Q_ARG(QString, pLabel),
                              Q_ARG(QString, pText));
    loop.exec();
    return prompt ? prompt->property("answer").toString() : QString();
}

} // namespace kpTextPrompt
