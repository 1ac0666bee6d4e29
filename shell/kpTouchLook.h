#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The sizes and colours that the window's screens and the toolkit's dialogs share: the screens'
// theme reads them as the singleton TouchLook, and the dialogs' style sheet is made of them.
class kpTouchLook : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(TouchLook)
    QML_SINGLETON
    Q_PROPERTY(QColor dialogColor READ dialogColor CONSTANT)
    Q_PROPERTY(QColor borderColor READ borderColor CONSTANT)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(QColor lightTextColor READ lightTextColor CONSTANT)
    Q_PROPERTY(QColor faceColor READ faceColor CONSTANT)
    Q_PROPERTY(QColor edgeLightColor READ edgeLightColor CONSTANT)
    Q_PROPERTY(QColor edgeShadowColor READ edgeShadowColor CONSTANT)

public:
    // In pixels.
    enum Size {
        BarHeight = 70,
        RowButtonWidth = 70,
        Spacing = 5,
        LargeFontSize = 25,
        // Dialogs leave half a row button of the window free at each side.
        DialogMargin = RowButtonWidth / 2,
    };
    Q_ENUM(Size)

    static QColor dialogColor() { return QColor(0xFF, 0xFF, 0xFF); }
    static QColor borderColor() { return QColor(0x43, 0x4E, 0x66); }
    static QColor textColor() { return QColor(0x00, 0x00, 0x00); }
    static QColor lightTextColor() { return QColor(0xFF, 0xFF, 0xFF); }
    // A raised bar or button: the blue face, lit at the top edge and shaded at the bottom.
    static QColor faceColor() { return QColor(0x64, 0x75, 0x99); }
    static QColor edgeLightColor() { return QColor(0xFF, 0xFF, 0xFF); }
    static QColor edgeShadowColor() { return QColor(0x44, 0x55, 0x79); }
};
