// An LCD that shows a fader's value: drag the fader, the digits follow.
import QtQuick
import Quil

Item {
    width: 200
    height: 100

    GFader {
        id: fader
        max: 99
    }
    LCD99 {
        y: fader.height + 10
        digitNum: 2
        value: String(fader.value)
    }
}
