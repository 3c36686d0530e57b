import QtQuick
import QtTest
import Quil

Item {
    id: root
    width: 400
    height: 300

    GFader { id: fader; x: 10; y: 10; max: 100 }
    LCD99 { id: lcd; x: 10; y: 120; value: String(fader.value) }
    GSpin { id: spin; x: 250; y: 10; max: 10 }
    VrRocker { id: rocker; x: 300; y: 100 }
    VrThermoMeter { id: thermo; x: 200; y: 100 }
    VrBlinkLed { id: led; x: 320; y: 200 }

    SignalSpy { id: faderChanges; target: fader; signalName: "change" }
    SignalSpy { id: faderValues; target: fader; signalName: "valueChanged" }
    SignalSpy { id: spinChanges; target: spin; signalName: "change" }
    SignalSpy { id: upperClicks; target: rocker; signalName: "upperClick" }
    SignalSpy { id: lowerClicks; target: rocker; signalName: "lowerClick" }
    SignalSpy { id: lcdEnters; target: lcd; signalName: "mouseEnter" }
    SignalSpy { id: lcdLeaves; target: lcd; signalName: "mouseLeave" }
    SignalSpy { id: lcdMoves; target: lcd; signalName: "mouseMove" }
    SignalSpy { id: faderDoubleClicks; target: fader; signalName: "dblClick" }

    TestCase {
        name: "Quil"
        when: windowShown

        // The grab result lives only as long as its callback runs.
        function samePixels(item) {
            waitForRendering(item)
            let difference = null
            verify(item.grabToImage(function (result) {
                difference = WidgetPictures.differenceFromWidget(result, item)
            }))
            tryVerify(function () { return difference !== null }, 5000, "grabbed " + item.componentClass)
            compare(difference, "", item.componentClass)
        }

        function test_everyTypeIsCreated_data() {
            return WidgetPictures.typeNames().map(function (n) { return { tag: n, type: n } })
        }

        function test_everyTypeIsCreated(data) {
            const item = createTemporaryQmlObject("import Quil; " + data.type + " {}", root)
            verify(item, data.type)
            compare(item.componentClass.toLowerCase(), "t" + data.type.toLowerCase())
            verify(item.implicitWidth > 0 && item.implicitHeight > 0, "has a size of its own")
            compare(item.width, item.implicitWidth)
            tryVerify(function () { return item.pictureCount() > 0 }, 2000, "drew a picture")
        }

        function test_picturesAreTheWidgets_data() {
            return [
                { tag: "LCD", item: lcd, set: function () { lcd.value = "42" } },
                { tag: "fader", item: fader, set: function () { fader.value = 63 } },
                { tag: "thermometer", item: thermo, set: function () { thermo.value.Value = 31.5 } },
                { tag: "spin", item: spin, set: function () { spin.value = 3 } },
                { tag: "rocker", item: rocker, set: function () { rocker.componentState = 0 } },
            ]
        }

        function test_picturesAreTheWidgets(data) {
            data.set()
            samePixels(data.item)
        }

        function test_picturesAtAnotherSize() {
            lcd.width = 160
            lcd.height = 40
            samePixels(lcd)
            lcd.width = lcd.implicitWidth
            lcd.height = lcd.implicitHeight
        }

        function test_repaintsOnlyWhenThePictureChanges() {
            lcd.value = "17"
            waitForRendering(lcd)
            const before = lcd.pictureCount()
            lcd.value = "17"
            wait(50)
            compare(lcd.pictureCount(), before, "same value, same picture")
            lcd.value = "18"
            tryVerify(function () { return lcd.pictureCount() > before }, 2000, "new value, new picture")
        }

        function test_faderDragAndBinding() {
            fader.value = 0
            faderChanges.clear()
            faderValues.clear()
            const head = WidgetPictures.faderHead(fader)
            const y = head.y
            mousePress(fader, head.x, y)
            mouseMove(fader, fader.width / 2, y)
            mouseMove(fader, fader.width + 200, y)   // the drag stays captured outside the item
            mouseRelease(fader, fader.width + 200, y)
            compare(fader.value, 100, "dragged past the end")
            verify(faderChanges.count > 0, "change raised")
            verify(faderValues.count > 0, "value notified")
            compare(lcd.value, "100", "LCD bound to the fader")
            samePixels(lcd)
        }

        function test_hover() {
            lcdEnters.clear()
            lcdLeaves.clear()
            lcdMoves.clear()
            mouseMove(lcd, 5, 5)
            mouseMove(lcd, 7, 6)
            compare(lcdEnters.count, 1, "entered")
            verify(lcdMoves.count > 0, "moves without a button")
            compare(lcdMoves.signalArguments[lcdMoves.count - 1][1], 7, "x of the last move")
            mouseMove(root, root.width - 1, root.height - 1)
            compare(lcdLeaves.count, 1, "left")
        }

        function test_doubleClickResetsTheFader() {
            fader.dblClkResets = true
            fader.midValue = 40
            fader.value = 90
            faderDoubleClicks.clear()
            const head = WidgetPictures.faderHead(fader)
            mouseDoubleClickSequence(fader, head.x, head.y)
            compare(faderDoubleClicks.count, 1)
            compare(fader.value, 40, "reset to the middle value")
        }

        // The LED's own timer switches the lamp: the item repaints without any
        // input.
        function test_ledBlinks() {
            const pictures = led.pictureCount()
            led.blinkSpeed = 30
            led.enableBlinking = true
            tryVerify(function () { return led.pictureCount() >= pictures + 3 }, 3000, "repainted by the timer")
            led.enableBlinking = false
        }

        function test_spinStep() {
            spin.value = 0
            spinChanges.clear()
            mouseClick(spin, spin.width / 2, 3)
            compare(spin.value, 1, "upper half steps up")
            compare(spinChanges.count, 1)
        }

        function test_keysWithFocus() {
            fader.value = 50
            fader.forceActiveFocus()
            verify(fader.activeFocus)
            keyClick(Qt.Key_Right)
            verify(fader.value !== 50, "arrow key stepped the fader: " + fader.value)
            fader.focus = false
        }

        function test_rockerClick() {
            rocker.componentState = 2   // neither half down
            upperClicks.clear()
            lowerClicks.clear()
            mouseClick(rocker, rocker.width / 2, 4)
            compare(upperClicks.count, 1, "upper half")
            mouseClick(rocker, rocker.width / 2, rocker.height - 4)
            compare(lowerClicks.count, 1, "lower half")
        }
    }
}
