import QtQuick

// One property of a component, edited in place: a box to tick for a yes/no
// property, a field for a number, a colour ("red", "#ff8000") or a text
// (Return takes it). The editor shows the property's value as it changes; a
// field refuses what is no number or no colour and shows the value again.
Item {
    id: editor

    required property QtObject target
    required property string name
    readonly property var current: target ? target[name] : undefined
    readonly property bool isFlag: typeof current === "boolean"

    width: 300
    height: 22

    function take(text) {
        if (typeof current === "number") {
            const number = Number(text)
            if (text.trim() === "" || isNaN(number)) {
                field.text = String(current)
                return
            }
            target[name] = number
        } else {
            target[name] = text
            field.text = String(current)
        }
    }

    onCurrentChanged: if (!field.activeFocus) field.text = String(current)

    Text {
        width: 140
        anchors.verticalCenter: parent.verticalCenter
        text: editor.name
        elide: Text.ElideRight
    }
    Rectangle {
        visible: editor.isFlag
        x: 145
        width: 16
        height: 16
        anchors.verticalCenter: parent.verticalCenter
        border.color: "#606060"
        color: "white"
        Rectangle {
            anchors.fill: parent
            anchors.margins: 4
            color: "#202020"
            visible: editor.current === true
        }
        MouseArea {
            anchors.fill: parent
            onClicked: editor.target[editor.name] = !editor.current
        }
    }
    Rectangle {
        visible: !editor.isFlag
        x: 145
        width: 150
        height: 20
        anchors.verticalCenter: parent.verticalCenter
        border.color: field.activeFocus ? "#3060c0" : "#808080"
        color: "white"
        TextInput {
            id: field
            anchors.fill: parent
            anchors.margins: 3
            clip: true
            selectByMouse: true
            text: String(editor.current)
            onAccepted: editor.take(text)
            onActiveFocusChanged: if (!activeFocus) text = String(editor.current)
        }
    }
}
