import QtQuick
import Quil

// "KivGraphics": spin control, fader, analog meter and the feed weigher with
// its feed cycle running.
Column {
    padding: 10
    spacing: 10

    Row {
        spacing: 10
        Section {
            title: "GSpin"
            GSpin {
                id: spin
                width: 65
                height: 100
                max: 500
                value: 100
            }
            editors: [
                Editor { target: spin; name: "value" },
                Editor { target: spin; name: "min" },
                Editor { target: spin; name: "max" },
                Editor { target: spin; name: "limited" },
                Editor { target: spin; name: "speed" },
                Editor { target: spin; name: "delay" },
                Editor { target: spin; name: "largeChanges" },
                Editor { target: spin; name: "largeChange" },
                Editor { target: spin; name: "colorOn" },
                Editor { target: spin; name: "colorOff" },
                Editor { target: spin; name: "ctl3D" }
            ]
        }
        Section {
            title: "GFader"
            GFader {
                id: fader
                markType: "mtStepRamp"
                value: 60
            }
            editors: [
                Editor { target: fader; name: "value" },
                Editor { target: fader; name: "min" },
                Editor { target: fader; name: "max" },
                Editor { target: fader; name: "faderKind" },
                Editor { target: fader; name: "faderSize" },
                Editor { target: fader; name: "markType" },
                Editor { target: fader; name: "numMarks" },
                Editor { target: fader; name: "rampColor" },
                Editor { target: fader; name: "labels" },
                Editor { target: fader; name: "labelMin" },
                Editor { target: fader; name: "labelMax" },
                Editor { target: fader; name: "dblClkResets" }
            ]
        }
    }
    Row {
        spacing: 10
        Section {
            title: "AnalogMeter"
            AnalogMeter {
                id: meter
                unitValue: "°C"
                maxPosition: 400
                // After the range: QML sets properties in no given order, and a
                // position beyond the default range (100) would be clamped.
                Component.onCompleted: position = 235
            }
            editors: [
                Editor { target: meter; name: "position" },
                Editor { target: meter; name: "minPosition" },
                Editor { target: meter; name: "maxPosition" },
                Editor { target: meter; name: "unitValue" },
                Editor { target: meter; name: "valueDecimals" },
                Editor { target: meter; name: "majorTicks" },
                Editor { target: meter; name: "minorTicks" },
                Editor { target: meter; name: "pointerColor" },
                Editor { target: meter; name: "foreColor" },
                Editor { target: meter; name: "showTicks" },
                Editor { target: meter; name: "showValue" }
            ]
        }
        Section {
            title: "FWS"
            FWS {
                id: weigher
                afvoerVijzel: true
                // The feed cycle: after a rest, fill; after the next rest, empty.
                property bool filled: false
                property int rest: 6
                onSendMessage: {
                    if (!run.checked)
                        return
                    if (activateVijzel || losklep) {
                        rest = 6
                        return
                    }
                    if (rest > 0) {
                        --rest
                        return
                    }
                    if (filled)
                        losklep = true
                    else
                        activateVijzel = true
                    filled = !filled
                }
            }
            Check {
                id: run
                text: "Run the feed cycle"
                checked: true
            }
            editors: [
                Editor { target: weigher; name: "fillWeight" },
                Editor { target: weigher; name: "maxVulGewicht" },
                Editor { target: weigher; name: "vijzelNr" },
                Editor { target: weigher; name: "afvoerVijzel" },
                Editor { target: weigher; name: "aanvoerGeblokkeerd" },
                Editor { target: weigher; name: "losklepOpenTijdensVullen" },
                Editor { target: weigher; name: "losklepSluitNiet" },
                Editor { target: weigher; name: "weegsignaalIsNul" },
                Editor { target: weigher; name: "currentWeight" },
                Editor { target: weigher; name: "feedStatus" }
            ]
        }
    }
}
