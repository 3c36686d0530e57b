import QtQuick

// A section of a page: the component (and what goes below it) on the left,
// the editors of its main properties on the right, the type's name above.
Rectangle {
    id: section

    required property string title
    default property alias content: left.data
    property alias editors: right.data

    width: row.width + 20
    height: row.height + 34
    color: "transparent"
    border.color: "#b0b0b0"
    radius: 3

    Text {
        x: 8
        y: 5
        text: section.title
        font.bold: true
    }
    Row {
        id: row
        x: 10
        y: 26
        spacing: 16
        Column {
            id: left
            spacing: 6
        }
        Column {
            id: right
            spacing: 2
        }
    }
}
