import QtQuick
import QtQuick.Window

// The QML gallery's window: the list of pages on the left (named after the
// palette pages, as in the widget gallery), the chosen page on the right,
// scrolled by the wheel when it is taller than the window, its name in the
// title. Every page stays alive while another is shown, but out of the
// window's item tree: assistive technology is told of the page in view only.
Window {
    id: window

    readonly property var pageNames: ["Saxel Componenten", "KivGraphics", "Can", "Custom components", "Vr"]
    property int current: 0

    x: 0
    y: 0
    width: 1010
    height: 740
    visible: true
    color: "#efefef"
    title: "Quil QML gallery - " + pageNames[current]

    ListView {
        id: list
        width: 170
        height: parent.height
        model: window.pageNames
        currentIndex: window.current
        focus: true
        keyNavigationEnabled: true
        onCurrentIndexChanged: window.current = currentIndex
        delegate: Rectangle {
            id: row
            required property int index
            required property string modelData
            width: 170
            height: 28
            color: index === window.current ? "#3070c0" : "white"
            Text {
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                text: row.modelData
                color: row.index === window.current ? "white" : "black"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: window.current = row.index
            }
        }
    }
    Rectangle {
        x: 170
        width: 1
        height: parent.height
        color: "#b0b0b0"
    }

    Repeater {
        model: [saxel, kivGraphics, can, custom, vr]
        // A page scrolls by the wheel, 60 pixels a notch as the widget
        // gallery's does, where no component takes the wheel itself.
        delegate: Item {
            id: scroller
            required property int index
            required property Component modelData
            property real offset: 0
            readonly property real room: page.item ? Math.max(0, page.item.height + 20 - height) : 0
            x: 175
            width: window.width - 175
            height: window.height
            visible: index === window.current
            clip: true
            Loader {
                id: page
                parent: scroller.visible ? scroller : null
                y: -scroller.offset
                sourceComponent: scroller.modelData
            }
            WheelHandler {
                target: null
                onWheel: (event) => {
                    scroller.offset = Math.max(0, Math.min(scroller.room, scroller.offset - event.angleDelta.y / 2))
                }
            }
        }
    }

    Component { id: saxel; SaxelPage {} }
    Component { id: kivGraphics; KivGraphicsPage {} }
    Component { id: can; CanPage {} }
    Component { id: custom; CustomComponentsPage {} }
    Component { id: vr; VrPage {} }
}
