import QtQuick
import Quil

// "Custom components": the seven-segment display.
Column {
    id: page
    // The window's face as the widgets paint it (clBtnFace).
    readonly property color btnFace: "#f0f0f0"

    padding: 10
    spacing: 10

    Section {
        title: "LCD99"
        LCD99 {
            id: lcd
            width: 121
            height: 84
            color: page.btnFace
            digitNum: 3
            segmentSize: 9
            oncolor: "black"
            offColor: page.btnFace
            value: "23.9"
        }
        editors: [
            Editor { target: lcd; name: "value" },
            Editor { target: lcd; name: "digitNum" },
            Editor { target: lcd; name: "segmentSize" },
            Editor { target: lcd; name: "digitSpacing" },
            Editor { target: lcd; name: "gapX" },
            Editor { target: lcd; name: "gapY" },
            Editor { target: lcd; name: "dotDisplay" },
            Editor { target: lcd; name: "color" },
            Editor { target: lcd; name: "oncolor" },
            Editor { target: lcd; name: "offColor" },
            Editor { target: lcd; name: "animation" },
            Editor { target: lcd; name: "animationDelay" }
        ]
    }
}
