import QtQuick

// A plain push button for the gallery's extras.
Rectangle {
    id: button

    required property string text
    // Shown pressed: the choice it stands for is the one taken.
    property bool down: false
    signal clicked()

    width: label.implicitWidth + 20
    height: 24
    radius: 3
    border.color: "#808080"
    color: area.pressed || down ? "#c8c8c8" : "#e8e8e8"
    opacity: enabled ? 1 : 0.5

    Text {
        id: label
        anchors.centerIn: parent
        text: button.text
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
