import QtQuick
import QtTest
import Quil

// The CAN objects and their host in QML: an analog input on a simulated wire
// drives a thermometer and an LCD by bindings, a second host on the wire
// hears its PDOs, a bus that cannot be opened says why, and a network master
// on a wire of its own configures an object and reads its buffer back.
Item {
    width: 300
    height: 200

    SimulatedCanNetwork { id: wire }
    CanHost {
        id: card
        network: wire
        AnaInObj { id: sensor; componentFunction: 1; inputValue: 215 }
        DigInObj { id: door; componentFunction: 1 }
    }
    CanHost { id: monitor; network: wire }
    VrThermoMeter { id: thermometer }
    Binding { target: thermometer.value; property: "Value"; value: sensor.value / 10 }
    LCD99 { id: lcd; x: 120; value: String(sensor.value) }
    SignalSpy { id: heard; target: monitor; signalName: "frameReceived" }

    SimulatedCanNetwork { id: masterWire }
    CanHost {
        network: masterWire
        AnaInObj { id: configured; componentFunction: 1 }
    }
    CanHost { id: masterBus; network: masterWire }
    CanMaster { id: master; host: masterBus }
    SignalSpy { id: requests; target: master; signalName: "sent" }

    TestCase {
        name: "QuilCan"
        when: windowShown

        function test_analogInputDrivesTheDisplays() {
            tryCompare(sensor, "value", 215, 3000)
            compare(thermometer.value.Value, 21.5)
            compare(lcd.value, "215")
            verify(card.connected)
            tryVerify(function () { return heard.count > 0 }, 3000, "the monitor hears the PDOs")
            sensor.inputValue = 180
            tryCompare(thermometer.value, "Value", 18, 3000)
        }

        function test_pdoCarriesTheValue() {
            heard.clear()
            sensor.inputValue = 300
            tryVerify(function () {
                for (let i = 0; i < heard.count; ++i) {
                    const data = heard.signalArguments[i][1]
                    if (data.length >= 2 && (data[0] | (data[1] << 8)) === 300)
                        return true
                }
                return false
            }, 3000, "a PDO with 300 in its first two bytes")
        }

        function test_digitalInput() {
            door.logicInput = true
            tryCompare(door, "value", 1, 3000)
            door.logicInput = false
            tryCompare(door, "value", 0, 3000)
        }

        function test_badBusIsReported() {
            ignoreWarning(new RegExp("nosuchplugin"))
            const host = createTemporaryQmlObject(
                "import Quil; CanHost { bus: CanHost.QtCanBus; plugin: \"nosuchplugin\"; interfaceName: \"can9\" }", this)
            verify(host.errorString.indexOf("nosuchplugin") >= 0, host.errorString)
            verify(!host.connected)
            ignoreWarning(new RegExp("has no bus"))
            verify(!host.send(1, [1, 2]))
        }

        function test_sendChecksTheFrame() {
            ignoreWarning(new RegExp("at most 8 bytes"))
            verify(!monitor.send(1, [1, 2, 3, 4, 5, 6, 7, 8, 9]))
            verify(monitor.send(0x123, [1, 2]))
        }

        function test_masterDownloadsAndUploads() {
            const bytes = "00 00 00 00 03 00 0a 00 d2 00"
            master.download(configured, bytes)
            verify(master.busy)
            master.upload(configured)
            compare(master.result, "Upload refused: a transfer is running")
            tryCompare(master, "busy", false, 3000)
            verify(/^Downloaded 10 bytes to \d+\.\d+\.\d+\.\d+$/.test(master.result), master.result)
            verify(requests.count > 0)
            const first = master.describe(requests.signalArguments[0][0], requests.signalArguments[0][1])
            verify(first.indexOf("SDO request") >= 0, first)
            master.upload(configured)
            tryCompare(master, "busy", false, 3000)
            verify(master.result.startsWith("Uploaded from ") && master.result.indexOf("bytes: " + bytes) > 0,
                   master.result)
        }

        function test_masterRefusesWhatItCannotDo() {
            master.download(configured, "00 2g")
            compare(master.result, "Download refused: byte 2, '2g', is not a hex byte (00 to ff)")
            master.download(configured, " ")
            compare(master.result, "Download refused: no bytes to download")
            master.upload(null)
            compare(master.result, "Upload refused: no CAN object to address")
            verify(!master.busy)
        }
    }
}
