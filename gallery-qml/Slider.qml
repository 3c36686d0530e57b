import QtQuick

// A horizontal slider over 0..maximum, for the gallery's extras.
Item {
    id: slider

    property int maximum: 100
    property int value: 0

    width: 200
    height: 20

    Rectangle {
        y: 8
        width: parent.width
        height: 4
        color: "#a0a0a0"
    }
    Rectangle {
        x: (slider.width - width) * slider.value / slider.maximum
        width: 10
        height: 20
        radius: 2
        color: "#4070c0"
    }
    MouseArea {
        anchors.fill: parent
        function take(x) {
            slider.value = Math.round(Math.max(0, Math.min(1, x / slider.width)) * slider.maximum)
        }
        onPressed: (mouse) => take(mouse.x)
        onPositionChanged: (mouse) => take(mouse.x)
    }
}
