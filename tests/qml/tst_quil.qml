import QtQuick
import QtTest
import Quil

Item {
    id: root
    width: 960
    height: 640

    GFader { id: fader; x: 10; y: 10; max: 100 }
    LCD99 { id: lcd; x: 10; y: 120; value: String(fader.value) }
    GSpin { id: spin; x: 250; y: 10; max: 10 }
    VrRocker { id: rocker; x: 300; y: 100 }
    VrThermoMeter { id: thermo; x: 200; y: 100 }
    VrBlinkLed { id: led; x: 320; y: 200 }
    VrBlinkLed { id: steadyLed; x: 320; y: 240 }
    AnalogMeter { id: meter; x: 10; y: 320 }
    // A colour bound to another item's.
    Rectangle { id: swatch; visible: false; color: "lime" }
    LCD99 { id: boundLcd; x: 10; y: 560; value: "88"; oncolor: swatch.color }
    KivGraph { id: graph; x: 420; y: 10; width: 520; height: 300 }
    CurveDiagram {
        id: curve
        x: 420
        y: 320
        width: 489
        height: 297
        // The host's keys step the selected point.
        Keys.onUpPressed: changeDiagramValue(3)
        Keys.onRightPressed: changeDiagramValue(1)
    }

    SignalSpy { id: faderChanges; target: fader; signalName: "change" }
    SignalSpy { id: faderValues; target: fader; signalName: "valueChanged" }
    SignalSpy { id: spinChanges; target: spin; signalName: "change" }
    SignalSpy { id: upperClicks; target: rocker; signalName: "upperClick" }
    SignalSpy { id: lowerClicks; target: rocker; signalName: "lowerClick" }
    SignalSpy { id: lcdEnters; target: lcd; signalName: "mouseEnter" }
    SignalSpy { id: lcdLeaves; target: lcd; signalName: "mouseLeave" }
    SignalSpy { id: lcdMoves; target: lcd; signalName: "mouseMove" }
    SignalSpy { id: faderDoubleClicks; target: fader; signalName: "dblClick" }
    SignalSpy { id: curveChanges; target: curve; signalName: "curveChanged" }

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

        // A day of temperatures in tenths (left axis) and a ventilation in
        // percent (right axis) with the temperature's target band beneath.
        function fillGraph() {
            graph.removeAllSeries()
            graph.title = "Stal 1"
            graph.xAxisType = "atMinutes"
            const temperature = graph.addSerie("Temperatuur", "red", 150, 260, true)
            const ventilation = graph.addSerie("Ventilatie", "blue", 0, 100)
            const band = graph.addFillSerie("Bandbreedte", temperature)
            graph.setFillPoints(band, [0, 1440, 1440, 0], [185, 185, 245, 245])
            let xs = [], ts = [], vs = []
            for (let i = 0; i < 1440; i += 2) {
                xs.push(i)
                ts.push(200 + 35 * Math.sin((i - 540) * 2 * Math.PI / 1440) + (i % 7))
                vs.push(Math.max(10, Math.min(100, (ts[ts.length - 1] - 185) * 100 / 60)))
            }
            graph.appendPoints(temperature, xs, ts)
            graph.appendPoints(ventilation, xs, vs)
            graph.setLimits(0, 1440, 150, 260, 0, 100)
            graph.showAll()
        }

        function fillCurve() {
            curve.selectPoint(-1)
            curve.setCurve([0, 7, 14, 21, 35, 49, 70], [320, 300, 270, 240, 210, 190, 180], 100, 400, true)
            curve.dayCounter = 23
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
                { tag: "rocker", item: rocker, set: function () { rocker.componentState = "stUpperDown" } },
                { tag: "analog meter", item: meter, set: function () { meter.maxPosition = 400; meter.position = 235 } },
                { tag: "LED", item: steadyLed, set: function () {
                    steadyLed.transparent = false   // a transparent LED shows what lies behind the item
                    steadyLed.caption = "Alarm"
                    steadyLed.colorIndex = 2
                } },
                { tag: "trend graph", item: graph, set: fillGraph },
                { tag: "zoomed trend graph", item: graph, set: function () { fillGraph(); graph.zoomTo(300, 160, 700, 240) } },
                { tag: "curve diagram", item: curve, set: fillCurve },
            ]
        }

        function test_picturesAreTheWidgets(data) {
            data.set()
            samePixels(data.item)
        }

        function test_enumerationsAreSpeltByName() {
            fader.faderKind = "fkVertical"
            compare(fader.faderKind, "fkVertical")
            ignoreWarning(/faderKind: 'sideways' is not one of fkHorizontal, fkVertical; the value stays 'fkVertical'/)
            fader.faderKind = "sideways"
            compare(fader.faderKind, "fkVertical")
            fader.faderKind = "fkHorizontal"
            compare(fader.faderKind, "fkHorizontal")
        }

        function test_trendGraphAxisTypeIsSpeltByName() {
            graph.xAxisType = "atHours"
            compare(graph.xAxisType, "atHours")
            ignoreWarning(/xAxisType: 'hours' is not one of atNumber, atMinutes, atHours, atDaysWeek, atDaysMonth; the value stays 'atHours'/)
            graph.xAxisType = "hours"
            compare(graph.xAxisType, "atHours")
            graph.xAxisType = "atNumber"
            compare(graph.xAxisType, "atNumber")
        }

        function test_coloursAreQmlColours() {
            // A system colour reads as the RGB the widget paints it in.
            compare(String(rocker.shadowColor), "#a0a0a0")
            compare(String(meter.foreColor), "#ffffe1")
            // A colour name reaches the component as its colour number (blue, green, red bytes).
            lcd.oncolor = "red"
            compare(String(lcd.oncolor), "#ff0000")
            compare(WidgetPictures.componentProperty(lcd, "OnColor"), 0x0000ff)
            lcd.offColor = "#102030"
            compare(WidgetPictures.componentProperty(lcd, "OffColor"), 0x302010)
            samePixels(lcd)
            compare(String(boundLcd.oncolor), "#00ff00")
            swatch.color = "#ff8000"
            compare(String(boundLcd.oncolor), "#ff8000")
            compare(WidgetPictures.componentProperty(boundLcd, "OnColor"), 0x0080ff)
            samePixels(boundLcd)
            lcd.oncolor = "lime"
            lcd.offColor = "black"
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
            rocker.componentState = "stNone"
            upperClicks.clear()
            lowerClicks.clear()
            mouseClick(rocker, rocker.width / 2, 4)
            compare(upperClicks.count, 1, "upper half")
            mouseClick(rocker, rocker.width / 2, rocker.height - 4)
            compare(lowerClicks.count, 1, "lower half")
        }

        // A band dragged with the left button zooms in on it; a drag with the
        // right button pans; a right click zooms out.
        function test_graphBandZoomAndPan() {
            fillGraph()
            waitForRendering(graph)
            const all = graph.visibleRange()
            const plot = graph.plotArea()
            const x0 = plot.x + plot.width / 4, y0 = plot.y + plot.height / 4
            mousePress(graph, x0, y0, Qt.LeftButton)
            for (let i = 1; i <= 5; ++i)
                mouseMove(graph, x0 + i * plot.width / 10, y0 + i * plot.height / 10, -1, Qt.LeftButton)
            mouseRelease(graph, x0 + plot.width / 2, y0 + plot.height / 2, Qt.LeftButton)
            const zoomed = graph.visibleRange()
            verify(zoomed.width < all.width / 1.5, "zoomed in on X: " + zoomed.width + " of " + all.width)
            verify(zoomed.height < all.height / 1.5, "zoomed in on Y: " + zoomed.height + " of " + all.height)
            fuzzyCompare(zoomed.x, all.x + all.width / 4, all.width / 20, "the band's left edge")
            samePixels(graph)

            mousePress(graph, plot.x + plot.width / 2, y0, Qt.RightButton)
            for (let i = 1; i <= 5; ++i)
                mouseMove(graph, plot.x + plot.width / 2 - i * 20, y0, -1, Qt.RightButton)
            mouseRelease(graph, plot.x + plot.width / 2 - 100, y0, Qt.RightButton)
            const panned = graph.visibleRange()
            verify(panned.x > zoomed.x, "dragged left, the view moved right: " + panned.x + " after " + zoomed.x)
            fuzzyCompare(panned.width, zoomed.width, 1e-6, "a pan keeps the span")

            mouseClick(graph, plot.x + plot.width / 2, y0, Qt.RightButton)
            verify(graph.visibleRange().width > panned.width, "a right click zooms out")
        }

        function test_graphMethodsRefuseBadInput() {
            fillGraph()
            const before = graph.pointCount(0)
            let message = ""
            try { graph.appendPoints(0, [10, 20], [1, 2]) } catch (e) { message = e.message }
            verify(message.indexOf("ascending X") >= 0, message)
            compare(graph.pointCount(0), before, "nothing appended")
            message = ""
            try { graph.append(7, 1, 1) } catch (e) { message = e.message }
            verify(message.indexOf("no series 7") >= 0, message)
            message = ""
            try { graph.appendPoints(1, [2000, 2001], [1]) } catch (e) { message = e.message }
            verify(message.indexOf("2 X values but 1 Y values") >= 0, message)
            graph.append(1, 1500, 50)
            compare(graph.pointCount(1), before + 1)
            graph.clearSerie(1)
            compare(graph.pointCount(1), 0)
        }

        // Dragging a curve point down lowers its value; the arrow keys step
        // the selected point.
        function test_curvePointDragAndKeys() {
            fillCurve()
            waitForRendering(curve)
            const p = curve.pointPosition(2)
            const before = curve.pointValue(2)
            curveChanges.clear()
            mouseMove(curve, p.x, p.y)   // the point under the mouse is the one a press takes
            mousePress(curve, p.x, p.y)
            for (let i = 1; i <= 4; ++i)
                mouseMove(curve, p.x, p.y + i * 10, -1, Qt.LeftButton)
            mouseRelease(curve, p.x, p.y + 40)
            verify(curve.pointValue(2) < before, "dragged down: " + curve.pointValue(2) + " from " + before)
            compare(curve.pointDay(2), 14, "Ctrl not held, yet the drag was straight down")
            verify(curveChanges.count > 0, "curveChanged raised")

            curve.selectPoint(3)
            compare(curve.selectedPoint(), 3)
            const value = curve.pointValue(3)
            curve.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(curve.pointValue(3), value + 1, "Up steps the selected point")
            keyClick(Qt.Key_Right)
            compare(curve.pointDay(3), 22, "Right steps it a day later")
            curve.focus = false
        }

        function test_curvePointEditing() {
            fillCurve()
            curve.insertPoint(28, 225)
            compare(curve.pointCount, 8)
            compare(curve.pointDay(7), 28)
            compare(curve.pointValue(7), 225)
            curve.insertPoint(28, 230)
            compare(curve.pointCount, 8, "the same day takes the new value")
            compare(curve.pointValue(7), 230)
            curve.deletePoint(0)
            compare(curve.pointCount, 7)
            compare(curve.pointDay(0), 7)
            curve.insertPoint(80, 150)
            curve.insertPoint(90, 150)
            curve.insertPoint(95, 150)
            compare(curve.pointCount, 10)
            let message = ""
            try { curve.insertPoint(99, 150) } catch (e) { message = e.message }
            verify(message.indexOf("10 points") >= 0, message)
            compare(curve.pointCount, 10, "a full curve keeps its points")
            message = ""
            try { curve.deletePoint(10) } catch (e) { message = e.message }
            verify(message.indexOf("no point 10") >= 0, message)
        }

        function test_spinKeySteps() {
            spin.value = 4
            spin.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(spin.value, 5, "Up")
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(spin.value, 3, "Down twice")
            spin.focus = false
        }

        // Assistive technology sees each item as its widget: role, name, what
        // it shows, and actions that act as the user's hand.
        function test_accessibility() {
            compare(fader.Accessible.role, Accessible.Slider)
            compare(curve.Accessible.role, Accessible.Chart)
            compare(rocker.Accessible.role, Accessible.Button)
            verify(fader.Accessible.name.length > 0, "the fader is named")
            const display = createTemporaryQmlObject("import Quil; LCD99 { value: \"57\" }", root)
            compare(display.Accessible.role, Accessible.StaticText)
            tryCompare(display.Accessible, "description", "57")
            fader.value = 20
            fader.Accessible.increaseAction()
            verify(fader.value > 20, "the increase action steps the fader: " + fader.value)
            tryCompare(fader.Accessible, "description", String(fader.value))
            rocker.componentState = "stNone"
            lowerClicks.clear()
            verify(rocker.accessibleActions().length === 2, rocker.accessibleActions())
            rocker.doAccessibleAction(rocker.accessibleActions()[1])
            compare(lowerClicks.count, 1, "the second action presses the lower half")
        }
    }
}
