import QtQuick

// A box to tick with its text, for the gallery's extras.
Row {
    id: check

    required property string text
    property bool checked: false

    spacing: 6
    Rectangle {
        width: 16
        height: 16
        border.color: "#606060"
        color: "white"
        Rectangle {
            anchors.fill: parent
            anchors.margins: 4
            color: "#202020"
            visible: check.checked
        }
        MouseArea {
            anchors.fill: parent
            onClicked: check.checked = !check.checked
        }
    }
    Text {
        text: check.text
    }
}
