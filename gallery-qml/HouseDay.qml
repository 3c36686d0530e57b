import QtQml

// A day of a house on a trend graph, as the widget gallery shows it: a
// million temperatures in tenths (a daily wave with a wandering error) on
// the left axis, the ventilation that follows them on the right, and the
// target band beneath.
QtObject {
    readonly property int points: 1000000
    readonly property int minutes: 1440

    function show(graph) {
        const temperatures = [], ventilations = [], xs = []
        let seed = 1, drift = 0
        for (let i = 0; i < points; ++i) {
            seed = (seed * 16807) % 2147483647
            drift = 0.999 * drift + (seed / 2147483647 - 0.5) * 1.4
            const minute = i * minutes / points
            const t = 200 + 35 * Math.sin((minute - 540) * 2 * Math.PI / minutes) + drift
            xs.push(minute)
            temperatures.push(t)
            ventilations.push(Math.max(10, Math.min(100, (t - 185) * 100 / 60)))
        }
        graph.xAxisType = "atMinutes"
        const temperature = graph.addSerie("Temperatuur (0.1 C)", "red", 150, 260, true)
        const ventilation = graph.addSerie("Ventilatie (%)", "blue", 0, 100)
        const band = graph.addFillSerie("Bandbreedte", temperature)
        graph.setFillPoints(band, [0, minutes, minutes, 0], [185, 185, 245, 245])
        graph.appendPoints(temperature, xs, temperatures)
        graph.appendPoints(ventilation, xs, ventilations)
        graph.setLimits(0, minutes, 150, 260, 0, 100)
        graph.showAll()
    }
}
