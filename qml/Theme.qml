pragma Singleton
import QtQuick

// The look that every screen shares: sizes, fonts, timings, colours and gradients.
QtObject {
    readonly property int barHeight: 70
    readonly property int rowHeight: 70
    readonly property int rowButtonWidth: 70
    readonly property int spacing: 5
    // A screen's list takes what its header and footer bars and the spacings between leave.
    readonly property int listHeightLoss: 2 * barHeight + 2 * spacing
    // Dialogs inside the window: a title bar, a field for a line of text, and half a row button
    // of the window left free at each side.
    readonly property int dialogTitleHeight: 40
    readonly property int fieldHeight: 60
    readonly property int dialogMargin: rowButtonWidth / 2

    readonly property int largeFontSize: 25
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
    readonly property color dialogColor: "#FFFFFFFF"
    readonly property color borderColor: "#FF434E66"
    readonly property color textColor: "#FF000000"
    readonly property color detailTextColor: "#FF101010"
    readonly property color greyedTextColor: "#FFA0A0A0"
    readonly property color lightTextColor: "#FFFFFFFF"
    readonly property color wheelTextColor: "#FF243559"
    readonly property color categoryBarColor: "#FF647599"
    readonly property color currentCategoryBarColor: "#FFB4C5E9"
    readonly property color currentRowColor: "#FFE0E0E0"
    readonly property color pressedRowColor: "#FFA4C5D9"
    readonly property color separatorColor: "#FFF0F0F0"
    readonly property color shadeColor: "#FF000000"
    readonly property real shadeOpacity: 0.7

    // Header bars and buttons: light top edge over the blue face.
    readonly property Gradient raisedGradient: Gradient {
        GradientStop { position: 0.0; color: "#FFFFFFFF" }
        GradientStop { position: 0.2; color: "#FF647599" }
        GradientStop { position: 0.8; color: "#FF647599" }
        GradientStop { position: 1.0; color: "#FF445579" }
    }
    readonly property Gradient sunkenGradient: Gradient {
        GradientStop { position: 0.0; color: "#FF445579" }
        GradientStop { position: 0.2; color: "#FF647599" }
        GradientStop { position: 0.8; color: "#FF647599" }
        GradientStop { position: 1.0; color: "#FFFFFFFF" }
    }
    readonly property Gradient menuItemGradient: Gradient {
        GradientStop { position: 0.0; color: "#FFFFFFFF" }
        GradientStop { position: 0.2; color: "#FF647599" }
        GradientStop { position: 1.0; color: "#FF647599" }
    }
    readonly property Gradient menuItemPressedGradient: Gradient {
        GradientStop { position: 0.0; color: "#FF647599" }
        GradientStop { position: 0.8; color: "#FF647599" }
        GradientStop { position: 1.0; color: "#FFFFFFFF" }
    }

    // Value wheels: a light upper half over a blue lower half, and the shading that scrolls
    // with the entries.
    readonly property color wheelBorderColor: "#FF647599"
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
        GradientStop { position: 1.0; color: "#FF647599" }
    }

    // A price is shown with the currency symbol after it; no price shows no symbol either.
    function priceWithSymbol(pPrice: string, pSymbol: string): string {
        return pPrice !== "" ? pPrice + " " + pSymbol : ""
    }
}
