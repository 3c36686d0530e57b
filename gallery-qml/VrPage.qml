import QtQuick
import Quil

// The Vr family: thermometer, blinking LED, rocker switch and the picture of
// the shaped window.
Column {
    id: page

    padding: 10
    spacing: 10

    // The library's system colour for window text.
    readonly property int clWindowText: 0xFF000008 | 0

    Row {
        spacing: 10
        Section {
            title: "VrThermoMeter"
            VrThermoMeter {
                id: thermometer
                // Wider than the demo's: the scale's labels run to "100" here.
                width: 112
                height: 153
                Component.onCompleted: {
                    componentScale.Offset = 20
                    componentScale.HeightMax = 14
                    componentScale.HeightMin = 8
                    value.Value = 20.3
                }
            }
            editors: [
                Editor { target: thermometer.value; name: "Value" },
                Editor { target: thermometer.componentScale; name: "Min" },
                Editor { target: thermometer.componentScale; name: "Max" },
                Editor { target: thermometer.componentScale; name: "Step" },
                Editor { target: thermometer.componentScale; name: "Decimals" },
                Editor { target: thermometer; name: "colorBefore" },
                Editor { target: thermometer; name: "colorAfter" },
                Editor { target: thermometer; name: "direction" },
                Editor { target: thermometer; name: "showCaption" },
                Editor { target: thermometer; name: "caption" },
                Editor { target: thermometer.setPoint; name: "Visible" },
                Editor { target: thermometer.setPoint; name: "Value" }
            ]
        }
        Section {
            title: "VrBlinkLed"
            VrBlinkLed {
                id: led
                width: 90
                height: 24
                caption: "Alarm"
                enableBlinking: true
                // Drawn on its own colour where a widget shows its parent's
                // background: the page's.
                color: "#efefef"
                // The caption is white for dark panels; on the light page it is dark.
                Component.onCompleted: font.Color = page.clWindowText
            }
            editors: [
                Editor { target: led; name: "colorIndex" },
                Editor { target: led; name: "enableBlinking" },
                Editor { target: led; name: "blinkSpeed" },
                Editor { target: led; name: "blinkLedType" },
                Editor { target: led; name: "layout" },
                Editor { target: led; name: "caption" },
                Editor { target: led; name: "spacing" },
                Editor { target: led.palette1; name: "Low" },
                Editor { target: led.palette1; name: "High" }
            ]
        }
    }
    Row {
        spacing: 10
        Section {
            title: "VrRocker"
            VrRocker {
                id: rocker
                width: 25
                height: 57
                style: "rsSwitch"
                componentState: "stUpperDown"
            }
            editors: [
                Editor { target: rocker; name: "componentState" },
                Editor { target: rocker; name: "style" },
                Editor { target: rocker; name: "depth" },
                Editor { target: rocker; name: "outlineColor" },
                Editor { target: rocker; name: "outlineWidth" },
                Editor { target: rocker; name: "highlightColor" },
                Editor { target: rocker; name: "shadowColor" }
            ]
        }
        Section {
            title: "VrFormShape"
            VrFormShape {
                id: shape
                Component.onCompleted: {
                    maskColor = "white"
                    loadMask("FRONTPANEL")
                }
            }
            editors: [
                Editor { target: shape; name: "maskColor" }
            ]
        }
    }
}
