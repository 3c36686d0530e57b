import QtQuick
import Quil

// "Can": an analog and a digital input object on a simulated wire, each
// with its raw input to move and its converted value shown, and a monitor
// listing the frames a second host on the wire hears.
Column {
    padding: 10
    spacing: 10

    SimulatedCanNetwork {
        id: wire
    }
    CanHost {
        id: card
        network: wire
        AnaInObj {
            id: analog
            componentFunction: 1
            inputValue: raw.value
        }
        DigInObj {
            id: digital
            componentFunction: 2
            logicInput: level.checked
            counterInput: pulses.value
        }
    }
    CanHost {
        id: monitor
        network: wire
        // The newest frame first, the last 200 kept.
        property var lines: []
        onFrameReceived: (identifier, data) => {
            const line = "ID " + identifier.toString(16).padStart(8, "0") + "  "
                       + data.map(b => b.toString(16).padStart(2, "0")).join(" ")
            lines = [line].concat(lines.slice(0, 199))
        }
    }

    Section {
        title: "AnaInObj"
        Row {
            spacing: 8
            Text { text: "Raw reading"; width: 100 }
            Slider { id: raw; maximum: 250; value: 110 }
        }
        Text { text: "Value: " + analog.value + ", function " + analog.componentFunction }
        editors: [
            Editor { target: analog; name: "cardNr" },
            Editor { target: analog; name: "cardID" },
            Editor { target: analog; name: "componentNr" },
            Editor { target: analog; name: "componentID" },
            Editor { target: analog; name: "prioriteit" },
            Editor { target: analog; name: "componentFunction" }
        ]
    }
    Section {
        title: "DigInObj"
        Check { id: level; text: "Input high" }
        Row {
            spacing: 8
            Text { text: "Pulse counter"; width: 100 }
            Slider { id: pulses; maximum: 1000 }
        }
        Text { text: "Value: " + digital.value + ", function " + digital.componentFunction }
        editors: [
            Editor { target: digital; name: "cardNr" },
            Editor { target: digital; name: "cardID" },
            Editor { target: digital; name: "componentNr" },
            Editor { target: digital; name: "componentID" },
            Editor { target: digital; name: "prioriteit" },
            Editor { target: digital; name: "componentFunction" }
        ]
    }
    Section {
        title: "CanHost: the frames on the wire"
        Rectangle {
            width: 556
            height: 160
            color: "white"
            border.color: "#808080"
            ListView {
                anchors.fill: parent
                anchors.margins: 3
                clip: true
                model: monitor.lines
                delegate: Text {
                    required property string modelData
                    text: modelData
                    font.family: "monospace"
                }
            }
        }
        editors: [
            Editor { target: card; name: "pdoTypeFlag" }
        ]
    }
}
