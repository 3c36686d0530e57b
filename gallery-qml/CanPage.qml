import QtQuick
import Quil

// "Can": an analog and a digital input object on a simulated wire, each
// with its raw input to move and its converted value shown, and the network
// master on a second host on the wire: it downloads a configuration into a
// chosen object and uploads the object's buffer back, and its monitor lists
// every frame on the wire (the master's own requests marked >>).
Column {
    id: page

    // The object the master addresses.
    property QtObject chosen: analog

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
        function log(line) {
            lines = [line].concat(lines.slice(0, 199))
        }
        onFrameReceived: (identifier, data) => log("   " + master.describe(identifier, data))
    }
    CanMaster {
        id: master
        host: monitor
        onSent: (identifier, data) => monitor.log(">> " + describe(identifier, data))
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
        title: "CanMaster: the network master"
        Row {
            spacing: 8
            Text { text: "Node"; width: 40; anchors.verticalCenter: parent.verticalCenter }
            Button { text: "AnaInObj"; down: page.chosen === analog; onClicked: page.chosen = analog }
            Button { text: "DigInObj"; down: page.chosen === digital; onClicked: page.chosen = digital }
        }
        Row {
            spacing: 8
            Text { text: "Bytes"; width: 40; anchors.verticalCenter: parent.verticalCenter }
            Rectangle {
                width: 440
                height: 20
                color: "white"
                border.color: bytes.activeFocus ? "#3060c0" : "#808080"
                TextInput {
                    id: bytes
                    anchors.fill: parent
                    anchors.margins: 3
                    clip: true
                    selectByMouse: true
                    font.family: "monospace"
                    font.pointSize: 7
                    // A configuration for the analog input: scaling 10..210 to 0..100 %,
                    // events on a change of 5 and every 100 polls.
                    text: "00 00 00 00 03 00 0a 00 d2 00 00 00 64 00 0c 00 c8 00 00 00 05 00 64 00 00 00"
                    Component.onCompleted: cursorPosition = 0
                }
            }
        }
        Row {
            spacing: 8
            Button {
                text: "Download"
                enabled: !master.busy
                onClicked: master.download(page.chosen, bytes.text)
            }
            Button {
                text: "Upload"
                enabled: !master.busy
                onClicked: master.upload(page.chosen)
            }
        }
        Text {
            width: 488
            height: 3 * fontMetrics.lineSpacing + 2
            wrapMode: Text.WrapAnywhere
            text: master.result
            FontMetrics { id: fontMetrics }
        }
        editors: [
            Editor { target: card; name: "pdoTypeFlag" }
        ]
    }
    Section {
        title: "The frames on the wire (>> sent by the master)"
        Rectangle {
            width: 780
            height: 180
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
                    font.pointSize: 8
                }
            }
        }
    }
}
