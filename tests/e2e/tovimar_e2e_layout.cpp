// Tells the real-window scenarios where the program's own window (the real core, the data folder
// the environment names, offscreen) puts what they tap. "key=Step Step" asks for the rectangle
// [x, y, width, height] of the first item the last step finds; each step searches below the
// item the step before found for a component or class, with a property's value in brackets:
// "ScreenMain TextButton[label=New]". "key==expression" asks for the value of an expression in
// the window's document. The answer is a JSON object.

#include "kpQmlTestView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlExpression>
#include <QRegularExpression>
#include <cstdio>

namespace {

QJsonValue rect(QQuickItem *pWindow, const QString &pPath)
{
    static const QRegularExpression step(QStringLiteral("(\\w+)(?:\\[(\\w+)=([^\\]]*)\\])?"));
    QQuickItem *found = pWindow;
    for (auto match = step.globalMatch(pPath); match.hasNext() && found;) {
        const QRegularExpressionMatch wanted = match.next();
        found = kpQmlTestView::itemsBelow(found, [&wanted](QQuickItem *pItem) {
                    return kpQmlTestView::isComponent(pItem, wanted.captured(1))
                        && (!wanted.hasCaptured(2)
                            || pItem->property(wanted.captured(2).toLatin1()).toString()
                                == wanted.captured(3));
                }).value(0);
    }
    if (!found)
        return {};
    const QRectF scene = found->mapRectToScene(QRectF(0, 0, found->width(), found->height()));
    return QJsonArray{scene.x(), scene.y(), scene.width(), scene.height()};
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    kpQuickHost::setApplicationNames();
    QApplication application(argc, argv);
    kpQmlTestView view;
    QQuickItem *window = view.view()->rootObject();
    view.view()->grabFramebuffer(); // lays the rows and columns out

    QJsonObject answer;
    for (const QString &question : QCoreApplication::arguments().mid(1)) {
        const QString asked = question.section('=', 1);
        answer.insert(question.section('=', 0, 0),
                      asked.startsWith('=') ? QJsonValue::fromVariant(
                          QQmlExpression(qmlContext(window), window, asked.mid(1)).evaluate())
                                            : rect(window, asked));
    }
    std::fputs(QJsonDocument(answer).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}
