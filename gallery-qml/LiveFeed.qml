import QtQuick

// Live data for a trend graph: eight sensors sampled at 1 kHz each, every
// sample due since the last frame appended, the last minute kept, the graph
// following the newest. Stops while not running and goes on where the clock
// stands.
QtObject {
    id: feed

    required property QtObject graph
    property bool running: true
    readonly property int sensors: 8
    readonly property int rateHz: 1000
    property var levels: []
    property real fedSeconds: 0
    property double started: 0
    property int fed: 0
    property bool begun: false

    function start() {
        const colors = ["red", "blue", "green", "fuchsia", "teal", "maroon", "navy", "olive"]
        for (let k = 0; k < sensors; ++k) {
            graph.setSerieRetention(graph.addSerie("Sensor " + (k + 1), colors[k], 0, 100), 0, 60)
            levels.push(15 + k * 10)
        }
        graph.setLimits(0, 2147483647, 0, 100, 0, 0)
        graph.zoomTo(0, 0, 10, 100)
        graph.follow = true
        started = Date.now()
        begun = true
    }

    // A normally distributed step (Box-Muller), sigma 0.3.
    function step() {
        return 0.3 * Math.sqrt(-2 * Math.log(1 - Math.random())) * Math.cos(2 * Math.PI * Math.random())
    }

    function feedUntil(seconds) {
        const due = Math.max(fed, Math.floor(seconds * rateHz))
        for (let k = 0; k < sensors; ++k) {
            const xs = [], ys = []
            for (let i = fed; i < due; ++i) {
                levels[k] = Math.max(0, Math.min(100, levels[k] + step()))
                xs.push(i / rateHz)
                ys.push(levels[k])
            }
            graph.appendPoints(k, xs, ys)
        }
        fed = due
    }

    onRunningChanged: {
        if (running)
            started = Date.now()
        else
            fedSeconds += (Date.now() - started) / 1000
    }

    property Timer frame: Timer {
        interval: 16
        repeat: true
        running: feed.running && feed.begun
        onTriggered: feed.feedUntil(feed.fedSeconds + (Date.now() - feed.started) / 1000)
    }
}
