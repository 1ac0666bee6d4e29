// Tells the real-window scenarios where the program's own window (the real core, the data folder
// the environment names, offscreen) puts what they tap. "key=Step Step" asks for the rectangle
// [x, y, width, height] of the first item the last step finds, or with a "*" after it, of all of
// them; each step searches below the first item of the step before for a component or class,
// with a property's value in brackets: "ScreenMain TextButton[label=New]". "key==expression"
// asks for the value of an expression in the window's document. The answer is a JSON object.

#include "kpApplicationManager.h"
#include "kpQuickHost.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <cstdio>

namespace {

// The items below pItem, in declaration order, that the step names. A QML component's
// meta-object name starts with the component's name.
QList<QQuickItem *> findAll(QQuickItem *pItem, const QRegularExpressionMatch &pStep)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : pItem->childItems()) {
        const QString className = QString::fromLatin1(child->metaObject()->className());
        if ((className == pStep.captured(1) || className.startsWith(pStep.captured(1) + "_QML"))
            && (!pStep.hasCaptured(2)
                || child->property(pStep.captured(2).toLatin1()).toString() == pStep.captured(3)))
            found.append(child);
        found += findAll(child, pStep);
    }
    return found;
}

QJsonArray rects(QQuickItem *pWindow, const QString &pPath)
{
    static const QRegularExpression step(QStringLiteral("(\\w+)(?:\\[(\\w+)=([^\\]]*)\\])?"));
    QList<QQuickItem *> found = {pWindow};
    for (auto match = step.globalMatch(pPath); match.hasNext() && !found.isEmpty();)
        found = findAll(found.first(), match.next());
    QJsonArray rects;
    for (const QQuickItem *item : found) {
        const QRectF scene = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        rects.append(QJsonArray{scene.x(), scene.y(), scene.width(), scene.height()});
    }
    return rects;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    kpQuickHost::setApplicationNames();
    QApplication application(argc, argv);
    kpApplicationManager manager;
    if (!manager.initialize())
        return 1;
    const std::unique_ptr<QQuickWidget> view = kpQuickHost::createView(&manager);
    view->resize(800, 480);
    view->show();
    QQuickItem *window = view->rootObject();
    // The screens not shown at first, made now rather than after the first frame.
    for (QQuickItem *layer : window->childItems())
        QMetaObject::invokeMethod(layer, "makeNow");
    view->grabFramebuffer(); // lays the rows and columns out

    QJsonObject answer;
    for (const QString &question : QCoreApplication::arguments().mid(1)) {
        const QString key = question.section('=', 0, 0);
        const QString asked = question.section('=', 1);
        if (asked.startsWith('=')) {
            QQmlExpression expression(qmlContext(window), window, asked.mid(1));
            answer.insert(key, QJsonValue::fromVariant(expression.evaluate()));
        } else {
            const QJsonArray found = rects(window, asked);
            answer.insert(key, found.isEmpty() || asked.endsWith('*') ? found : found.first());
        }
    }
    std::fputs(QJsonDocument(answer).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}
