#include "kpQmlObjects.h"

#include <QQuickItem>
#include <QQuickWidget>

namespace kpQmlObjects {

QByteArray wheelValue(int pWheel)
{
    return "currentValue" + QByteArray::number(pWheel);
}

QObject *find(QQuickWidget *pView, const QString &pObjectName)
{
    QQuickItem *root = pView ? pView->rootObject() : nullptr;
    return root ? root->findChild<QObject *>(pObjectName) : nullptr;
}

} // namespace kpQmlObjects
