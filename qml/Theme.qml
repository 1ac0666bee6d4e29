pragma Singleton
import QtQuick
import Tovimar.Shell

// The look that every screen shares: sizes, fonts, timings, colours and gradients.
QtObject {
    readonly property int barHeight: TouchLook.BarHeight
    readonly property int rowHeight: 70
    readonly property int rowButtonWidth: TouchLook.RowButtonWidth
    readonly property int spacing: TouchLook.Spacing
    // A screen's list takes what its header and footer bars and the spacings between leave.
    readonly property int listHeightLoss: 2 * barHeight + 2 * spacing
    // Dialogs inside the window: a title bar, a field for a line of text, and half a row button
    // of the window left free at each side.
    readonly property int dialogTitleHeight: 40
    readonly property int fieldHeight: 60
    readonly property int dialogMargin: TouchLook.DialogMargin

    readonly property int largeFontSize: TouchLook.LargeFontSize
    readonly property int titleFontSize: 20
    readonly property int detailFontSize: 15
    readonly property int wheelFontSize: 30
    readonly property int pointFontSize: 40

    readonly property int fadeDuration: 250
    // The shop and edit lists fade a little faster when they are sorted.
    readonly property int sortFadeDuration: 200
    readonly property int rowResizeDuration: 200
    readonly property int pauseDuration: 100
    // Pressed looks, button opacities and heights, and the checkout box.
    readonly property int quickDuration: 100

    readonly property color windowColor: "#FFFAFAFA"
    readonly property color dialogColor: TouchLook.dialogColor
    readonly property color borderColor: TouchLook.borderColor
    readonly property color textColor: TouchLook.textColor
    readonly property color detailTextColor: "#FF101010"
    readonly property color greyedTextColor: "#FFA0A0A0"
    readonly property color lightTextColor: TouchLook.lightTextColor
    readonly property color wheelTextColor: "#FF243559"
    readonly property color categoryBarColor: TouchLook.faceColor
    readonly property color currentCategoryBarColor: "#FFB4C5E9"
    readonly property color currentRowColor: "#FFE0E0E0"
    readonly property color pressedRowColor: "#FFA4C5D9"
    readonly property color separatorColor: "#FFF0F0F0"
    readonly property color shadeColor: "#FF000000"
    readonly property real shadeOpacity: 0.7

    // Header bars and buttons: light top edge over the blue face.
    readonly property Gradient raisedGradient: Gradient {
        GradientStop { position: 0.0; color: TouchLook.edgeLightColor }
        GradientStop { position: 0.2; color: TouchLook.faceColor }
        GradientStop { position: 0.8; color: TouchLook.faceColor }
        GradientStop { position: 1.0; color: TouchLook.edgeShadowColor }
    }
    readonly property Gradient sunkenGradient: Gradient {
        GradientStop { position: 0.0; color: TouchLook.edgeShadowColor }
        GradientStop { position: 0.2; color: TouchLook.faceColor }
        GradientStop { position: 0.8; color: TouchLook.faceColor }
        GradientStop { position: 1.0; color: TouchLook.edgeLightColor }
    }
    readonly property Gradient menuItemGradient: Gradient {
        GradientStop { position: 0.0; color: TouchLook.edgeLightColor }
        GradientStop { position: 0.2; color: TouchLook.faceColor }
        GradientStop { position: 1.0; color: TouchLook.faceColor }
    }
    readonly property Gradient menuItemPressedGradient: Gradient {
        GradientStop { position: 0.0; color: TouchLook.faceColor }
        GradientStop { position: 0.8; color: TouchLook.faceColor }
        GradientStop { position: 1.0; color: TouchLook.edgeLightColor }
    }

    // Value wheels: a light upper half over a blue lower half, and the shading that scrolls
    // with the entries.
    readonly property color wheelBorderColor: TouchLook.faceColor
    readonly property color wheelShadingBorderColor: "#FF344569"
    readonly property Gradient wheelGradient: Gradient {
        GradientStop { position: 0.00; color: "#FFE0E0E0" }
        GradientStop { position: 0.45; color: "#FFF9F9F9" }
        GradientStop { position: 0.46; color: "#FFC4D5F9" }
        GradientStop { position: 0.75; color: "#FFB4C5E9" }
        GradientStop { position: 1.00; color: "#FF94B5D9" }
    }
    readonly property Gradient wheelShadingGradient: Gradient {
        GradientStop { position: 0.0; color: "#FFFFFFFF" }
        GradientStop { position: 0.5; color: "#00FFFFFF" }
        GradientStop { position: 1.0; color: TouchLook.faceColor }
    }

    // A price is shown with the currency symbol after it; no price shows no symbol either.
    function priceWithSymbol(pPrice: string, pSymbol: string): string {
        return pPrice !== "" ? pPrice + " " + pSymbol : ""
    }
}
