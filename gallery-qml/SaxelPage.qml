import QtQuick
import Quil

// "Saxel Componenten": the ventilation diagram, the curve diagram, a day of
// a house on the trend graph with its legend, the spin, timer and diagram
// buttons, and last (so the sections above keep their places) a live trend
// graph fed at 1 kHz per sensor.
Column {
    id: page

    property HouseDay houseDay: HouseDay {}
    property LiveFeed liveFeed: LiveFeed {
        graph: live
        running: run.checked
    }

    padding: 10
    spacing: 10

    Section {
        title: "LvdVentDiagram"
        LvdVentDiagram {
            id: vent
            width: 489
            height: 297
            gemetenTemperatuur: 203
            Component.onCompleted: {
                diagramSettings.ShowPointValues = true
                diagramSettings.ShowSymbols = true
                diagramSettings.MaxXValue = 500
                diagramSettings.MaxYValue = 100
                setpoints.MinAlarm = 100
                setpoints.MaxAlarm = 360
                setpoints.Bandbreedte = 60
                setpoints.StreefTemp = 185
                setpoints.VerwarmVerschil = 30
            }
        }
        editors: [
            Editor { target: vent; name: "gemetenTemperatuur" },
            Editor { target: vent; name: "ventilatieStand" },
            Editor { target: vent; name: "optieVentilatie" },
            Editor { target: vent; name: "optieKoeling" },
            Editor { target: vent.setpoints; name: "StreefTemp" },
            Editor { target: vent.setpoints; name: "Bandbreedte" },
            Editor { target: vent.setpoints; name: "VerwarmVerschil" },
            Editor { target: vent.setpoints; name: "MinPositie" },
            Editor { target: vent.setpoints; name: "MaxPositie" },
            Editor { target: vent.setpoints; name: "MinAlarm" },
            Editor { target: vent.setpoints; name: "MaxAlarm" },
            Editor { target: vent.diagramSettings; name: "ShowGrid" },
            Editor { target: vent.diagramSettings; name: "ShowSymbols" },
            Editor { target: vent.diagramSettings; name: "ShowPointValues" },
            Editor { target: vent; name: "diagramTitle" }
        ]
    }

    Section {
        title: "CurveDiagram"
        CurveDiagram {
            id: curve
            width: 489
            height: 297
            diagramTitle: "Temperatuurcurve"
            xAxisTitle: "Dag"
            Component.onCompleted: {
                // The X axis a curve diagram given its curve starts with.
                diagramSettings.MinXValue = -5
                diagramSettings.MaxXValue = 95
                diagramSettings.ShowSymbols = true
                diagramSettings.XAxisDecimals = 0
                diagramSettings.YAxisDecimals = 1
                setCurve([0, 7, 14, 21, 35, 49, 70], [320, 300, 270, 240, 210, 190, 180], 100, 400, true)
                dayCounter = 23
            }
        }
        Row {
            spacing: 8
            Button { text: "Insert at day 28"; onClicked: curve.insertPoint(28, 225) }
            Button {
                text: "Delete the selected point"
                onClicked: if (curve.selectedPoint() >= 0) curve.deletePoint(curve.selectedPoint())
            }
        }
        editors: [
            Editor { target: curve; name: "dayCounter" },
            Editor { target: curve; name: "diagramTitle" },
            Editor { target: curve; name: "xAxisTitle" },
            Editor { target: curve; name: "yAxisTitle" },
            Editor { target: curve.diagramSettings; name: "ShowGrid" },
            Editor { target: curve.diagramSettings; name: "ShowSymbols" },
            Editor { target: curve.diagramSettings; name: "ShowPointValues" },
            Editor { target: curve.diagramSettings; name: "MinXValue" },
            Editor { target: curve.diagramSettings; name: "MaxXValue" },
            Editor { target: curve.diagramSettings; name: "MinYValue" },
            Editor { target: curve.diagramSettings; name: "MaxYValue" }
        ]
    }

    Section {
        title: "KivGraph"
        KivGraph {
            id: day
            width: 520
            height: 300
            title: "Stal 1: een dag"
            bgStyle: "bgsLineHoriz"
            colorBg: "white"
            colorBg2: "#c8d7eb"
            borderStyle: "bstRaised"
            Component.onCompleted: page.houseDay.show(day)
        }
        Text { text: "Drag a band to zoom in, right-click to zoom out,\ndrag with the right button to pan." }
        editors: [
            Editor { target: day; name: "bgStyle" },
            Editor { target: day; name: "borderStyle" },
            Editor { target: day; name: "graphBorder" },
            Editor { target: day; name: "colorBg" },
            Editor { target: day; name: "colorBg2" },
            Editor { target: day; name: "colorGrid" },
            Editor { target: day; name: "gridStyle" },
            Editor { target: day; name: "mouseZoom" },
            Editor { target: day; name: "mousePan" },
            Editor { target: day; name: "lineWidth" }
        ]
    }

    Section {
        title: "Legenda"
        Legenda {
            id: legend
            width: 170
            height: 80
            graph: day
        }
        editors: [
            Editor { target: legend; name: "checkBoxes" }
        ]
    }

    Row {
        spacing: 10
        Section {
            title: "KivSpinButton"
            KivSpinButton {
                id: spinButton
                width: 20
                height: 40
                property int steps: 0
                onUpClick: ++steps
                onDownClick: --steps
            }
            Text { text: "Steps: " + spinButton.steps; width: 120 }
            editors: [
                Editor { target: spinButton; name: "upGlyph" },
                Editor { target: spinButton; name: "downGlyph" },
                Editor { target: spinButton; name: "ctl3D" }
            ]
        }
        Section {
            title: "TimerSpeedButton"
            TimerSpeedButton {
                id: timerButton
                width: 75
                height: 25
                caption: "Hold me"
                // Focus rectangle (1) and repeat while held (2).
                timeBtnState: repeat.checked ? 3 : 1
                property int clicks: 0
                onClick: ++clicks
            }
            Check { id: repeat; text: "Repeat while held"; checked: true }
            Text { text: "Clicks: " + timerButton.clicks; width: 120 }
            editors: [
                Editor { target: timerButton; name: "caption" },
                Editor { target: timerButton; name: "flat" },
                Editor { target: timerButton; name: "glyph" },
                Editor { target: timerButton; name: "margin" },
                Editor { target: timerButton; name: "spacing" }
            ]
        }
    }

    Section {
        title: "DiagramButton"
        DiagramButton {
            id: diagramButton
            width: 40
            height: 40
            glyph: "HEATEROFF"
            glyph2: "HEATERON"
        }
        editors: [
            Editor { target: diagramButton; name: "glyph" },
            Editor { target: diagramButton; name: "glyph2" },
            Editor { target: diagramButton; name: "caption" },
            Editor { target: diagramButton; name: "flat" },
            Editor { target: diagramButton; name: "layout" }
        ]
    }

    Section {
        title: "KivGraph: live"
        KivGraph {
            id: live
            width: 520
            height: 300
            title: "Live: 8 sensors at 1 kHz"
            colorBg: "white"
            borderStyle: "bstRaised"
            Component.onCompleted: page.liveFeed.start()
        }
        Check {
            id: run
            text: "Run"
            checked: true
        }
        Button { text: "Follow the newest"; onClicked: live.follow = true }
        Text { text: "The view follows the newest samples; a zoom or a pan\nholds it, a right-click or the button follows again." }
        editors: [
            Editor { target: live; name: "gridStyle" },
            Editor { target: live; name: "lineWidth" }
        ]
    }
}
