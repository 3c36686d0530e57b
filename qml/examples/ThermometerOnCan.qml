// A thermometer showing an analog input object on the simulated CAN bus: the
// object converts its raw reading (tenths of a degree) every 100 ms, puts it
// on the wire as a PDO, and the thermometer follows its value.
import QtQuick
import Quil

Item {
    width: 200
    height: 200

    CanHost {
        bus: CanHost.Simulated
        AnaInObj {
            id: sensor
            componentFunction: 1
            inputValue: 215
        }
    }
    VrThermoMeter {
        id: thermometer
    }
    Binding {
        target: thermometer.value
        property: "Value"
        value: sensor.value / 10
    }
}
