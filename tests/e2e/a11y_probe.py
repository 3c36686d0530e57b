#!/usr/bin/python3
"""A screen-reader client for the accessibility end-to-end test.

    a11y_probe.py demo|gallery|gallery-qml <pid>

Finds the program with that process id on the AT-SPI registry, reads the
names, roles, texts, values, states and actions of its instruments and
drives them through AT-SPI actions and values as an assistive technology
would; in the QML gallery it also chooses another page (a click with
xdotool) and checks that only the page in view is told. Prints one line per
check; the exit code is the number of failures.
"""

import subprocess
import sys
import time

import pyatspi

FAILURES = 0


def fail(what):
    global FAILURES
    FAILURES += 1
    print(f"FAIL: {what}", flush=True)


def check(what, ok, detail=""):
    if ok:
        print(f"ok: {what}", flush=True)
    else:
        fail(f"{what} {detail}".rstrip())


def wait_for(probe, timeout=5.0):
    """Polls probe() until it returns something true or the time is up."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # the tree may still be building
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def find_application(pid):
    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        return None

    return wait_for(look, timeout=15.0)


# Containers of many items (the gallery's property editors) hold no instrument.
PRUNED = {pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
          pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_PAGE_TAB_LIST}


def walk(node, depth=0):
    yield node
    if depth > 40 or node.getRole() in PRUNED:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


class Tree:
    def __init__(self, app):
        self.nodes = {}
        for node in walk(app):
            self.nodes.setdefault(node.name, []).append(node)

    def get(self, name, role):
        """The one node with this name and role; a failure when there is none."""
        for node in self.nodes.get(name, []):
            if node.getRole() == role:
                return node
        roles = [n.getRoleName() for n in self.nodes.get(name, [])]
        fail(f"no {pyatspi.Accessibility.Role(role).value_nick if hasattr(role, 'value_nick') else role} "
             f"named '{name}' (found roles: {roles})")
        return None


def text_of(node):
    node.clear_cache()
    t = node.queryText()
    return t.getText(0, -1)


def actions_of(node):
    try:
        a = node.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def act(node, action):
    a = node.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        fail(f"'{node.name}' offers no action {action} (it offers {names})")
        return False
    return a.doAction(names.index(action))


def has_value_interface(node):
    try:
        node.queryValue()
        return True
    except NotImplementedError:
        return False


def state(node, which):
    node.clear_cache()
    return node.getState().contains(which)


def expect_text(what, node, expected, timeout=5.0):
    got = wait_for(lambda: text_of(node) == expected and expected, timeout)
    check(what, got, f"(text is '{text_of(node)}', expected '{expected}')")


def tenths(text):
    return round(float(text) * 10)


# ---------------------------------------------------------------------- demo

def probe_demo(tree):
    lcd = tree.get("Measured temperature", pyatspi.ROLE_LABEL)
    thermo = tree.get("House thermometer", pyatspi.ROLE_PROGRESS_BAR)
    spin = tree.get("Measured temperature control", pyatspi.ROLE_SPIN_BUTTON)
    diagram = tree.get("Ventilation diagram", pyatspi.ROLE_CHART)
    panel = tree.get("Panel display", pyatspi.ROLE_LABEL)
    rocker = tree.get("Heating (upper) or cooling (lower)", pyatspi.ROLE_PUSH_BUTTON)
    led = tree.get("Target temperature LED", pyatspi.ROLE_LABEL)
    close = tree.get("CLOSE", pyatspi.ROLE_PUSH_BUTTON)
    if None in (lcd, thermo, spin, diagram, panel, rocker, led, close):
        return
    for component_name in ("LCD991", "GSpin1", "vrThermoMeter", "VrRocker1", "Diagram", "StreefTempImage"):
        check(f"no control is named by its component name {component_name}", component_name not in tree.nodes)

    start = text_of(lcd)
    check("the LCD reads the measured temperature", start.replace(".", "", 1).lstrip("-").isdigit(), f"('{start}')")
    check("the thermometer reads the same temperature", float(text_of(thermo)) == float(start),
          f"('{text_of(thermo)}')")
    value = spin.queryValue()
    check("the spin control's value is the temperature in tenths",
          value.currentValue == tenths(start), f"({value.currentValue})")
    check("the spin control's range is 0..500", (value.minimumValue, value.maximumValue) == (0, 500),
          f"({value.minimumValue}..{value.maximumValue})")
    check("the diagram says the operating point", text_of(diagram).startswith(start + " °C, ventilation position"),
          f"('{text_of(diagram)}')")
    check("the rocker reads its position", text_of(rocker) == "Upper half down", f"('{text_of(rocker)}')")
    check("the rocker is shown pressed", state(rocker, pyatspi.STATE_PRESSED))
    check("the rocker's actions press its halves",
          {"Press upper half", "Press lower half"} <= set(actions_of(rocker)), f"({actions_of(rocker)})")
    check("the LED reads its colour", text_of(led) == "white", f"('{text_of(led)}')")
    check("CLOSE is a button to press", "Press" in actions_of(close), f"({actions_of(close)})")

    keys = ["Target temperature", "Maximum ventilation position", "Minimum ventilation position",
            "Heating difference", "Bandwidth", "Maximum temperature alarm", "Minimum temperature alarm",
            "Up", "Down"]
    key_nodes = {k: tree.get(k, pyatspi.ROLE_PUSH_BUTTON) for k in keys}
    check("every front-panel key is a button with a press action",
          all(n is not None and "Press" in actions_of(n) for n in key_nodes.values()))

    # A front-panel key and an arrow pressed through AT-SPI.
    expect_text("the panel display shows the measured temperature", panel, start)
    act(key_nodes["Target temperature"], "Press")
    target = wait_for(lambda: text_of(panel) if text_of(panel) != start else None, 3.0) or text_of(panel)
    check("pressing the target temperature key shows the target on the panel display", target != start,
          f"('{target}')")
    check("the key's LED blinks", wait_for(lambda: "blinking" in text_of(led), 3.0), f"('{text_of(led)}')")
    act(key_nodes["Up"], "Press")
    stepped = wait_for(lambda: text_of(panel) if text_of(panel) != target else None, 3.0) or text_of(panel)
    check("pressing Up steps the target by a tenth", tenths(stepped) == tenths(target) + 1,
          f"('{target}' -> '{stepped}')")

    # The spin control set and stepped through AT-SPI: the displays follow.
    value.currentValue = 250.0
    expect_text("setting the spin control's value changes the LCD", lcd, "25.0")
    check("... and the thermometer", wait_for(lambda: float(text_of(thermo)) == 25.0, 3.0),
          f"('{text_of(thermo)}')")
    check("... and the diagram", wait_for(lambda: text_of(diagram).startswith("25.0 °C"), 3.0),
          f"('{text_of(diagram)}')")
    act(spin, "Increase")
    expect_text("the spin control's Increase action steps the LCD", lcd, "25.1")
    check("the spin control reads the stepped value", wait_for(lambda: value.currentValue == 251, 3.0),
          f"({value.currentValue})")
    act(rocker, "Press lower half")
    expect_text("the rocker's lower half pressed through AT-SPI", rocker, "Lower half down")
    check("... switches the diagram to cooling", wait_for(lambda: "cooling" in text_of(diagram), 3.0),
          f"('{text_of(diagram)}')")


# ------------------------------------------------------------------- gallery

def probe_gallery(tree):
    spin = tree.get("Spin control", pyatspi.ROLE_SPIN_BUTTON)
    fader = tree.get("Fader", pyatspi.ROLE_SLIDER)
    meter = tree.get("Analog meter", pyatspi.ROLE_PROGRESS_BAR)
    spin_button = tree.get("Spin button", pyatspi.ROLE_SPIN_BUTTON)
    led = tree.get("Alarm", pyatspi.ROLE_LABEL)
    rocker = tree.get("Rocker switch", pyatspi.ROLE_PUSH_BUTTON)
    thermo = tree.get("Thermometer", pyatspi.ROLE_PROGRESS_BAR)
    lcd = tree.get("Seven-segment display", pyatspi.ROLE_LABEL)
    if None in (spin, fader, meter, spin_button, led, rocker, thermo, lcd):
        return
    value = spin.queryValue()
    check("the spin control reads 100 of 0..500",
          (value.currentValue, value.minimumValue, value.maximumValue) == (100, 0, 500),
          f"({value.currentValue} of {value.minimumValue}..{value.maximumValue})")
    fader_value = fader.queryValue()
    check("the fader reads 60", fader_value.currentValue == 60, f"({fader_value.currentValue})")
    fader_value.currentValue = 75.0
    check("the fader takes a value", wait_for(lambda: fader_value.currentValue == 75, 3.0),
          f"({fader_value.currentValue})")
    meter_text = text_of(meter)
    check("the meter reads its value with the unit", meter_text.endswith("°C") and any(c.isdigit() for c in meter_text),
          f"('{meter_text}')")
    check("the meter offers no value to change", not has_value_interface(meter))
    check("the meter offers no Increase/Decrease",
          not {"Increase", "Decrease"} & set(actions_of(meter)), f"({actions_of(meter)})")
    check("the thermometer reads 20.3", float(text_of(thermo)) == 20.3, f"('{text_of(thermo)}')")
    check("the LED reads its colours and that it blinks", text_of(led).endswith(", blinking"),
          f"('{text_of(led)}')")
    check("the LED is animated while it blinks", state(led, pyatspi.STATE_ANIMATED))
    check("the seven-segment display reads its text", text_of(lcd) != "", f"('{text_of(lcd)}')")
    check("the rocker reads its position", text_of(rocker) == "Upper half down", f"('{text_of(rocker)}')")
    act(rocker, "Press lower half")
    expect_text("the rocker's lower half pressed through AT-SPI", rocker, "Lower half down")
    check("the spin button steps with Increase/Decrease",
          {"Increase", "Decrease"} <= set(actions_of(spin_button)), f"({actions_of(spin_button)})")
    act(spin_button, "Increase")
    check("its Increase clicks the up button (the step counter follows)",
          wait_for(lambda: "Steps: 1" in Tree(APP).nodes, 5.0))


# --------------------------------------------------------------- QML gallery

# The components of each page by their accessible names and roles.
QML_PAGES = {
    "Saxel Componenten": {"Diagram": pyatspi.ROLE_CHART, "Temperatuurcurve": pyatspi.ROLE_CHART,
                          "Spin button": pyatspi.ROLE_SPIN_BUTTON, "Hold me": pyatspi.ROLE_PUSH_BUTTON},
    "KivGraphics": {"Spin control": pyatspi.ROLE_SPIN_BUTTON, "Fader": pyatspi.ROLE_SLIDER,
                    "Analog meter": pyatspi.ROLE_PROGRESS_BAR},
    "Vr": {"Rocker switch": pyatspi.ROLE_PUSH_BUTTON, "Alarm": pyatspi.ROLE_LABEL},
    "Custom components": {"Seven-segment display": pyatspi.ROLE_LABEL},
}


def fresh_tree():
    """The tree as it is now, not as the client cached it."""
    APP.clear_cache()
    return Tree(APP)


def only_page_told(tree, shown):
    for page, components in QML_PAGES.items():
        for name, role in components.items():
            told = any(n.getRole() == role for n in tree.nodes.get(name, []))
            if page == shown:
                check(f"{page}: the {name} is told", told, f"(found: {sorted(k for k in tree.nodes if k)})")
            else:
                check(f"{page} out of view: no {name} is told", not told)


def choose_page(index, name):
    """Clicks the page's row in the list at the window's left (28 pixels a row)."""
    subprocess.run(["xdotool", "mousemove", "60", str(28 * index + 14), "click", "1"], check=True)
    return wait_for(lambda: (lambda t: t if "Fader" in t.nodes else None)(fresh_tree()), 5.0)


def probe_gallery_qml(tree):
    only_page_told(tree, "Saxel Componenten")
    vent = tree.get("Diagram", pyatspi.ROLE_CHART)
    hold = tree.get("Hold me", pyatspi.ROLE_PUSH_BUTTON)
    if vent is not None:
        check("the ventilation diagram says its operating point",
              vent.description.startswith("20.3 °C, ventilation position"), f"('{vent.description}')")
    if hold is not None:
        check("the timer button is a button to press", "Press" in actions_of(hold), f"({actions_of(hold)})")

    tree = choose_page(1, "KivGraphics")
    if tree is None:
        fail("choosing the KivGraphics page brought no fader into view")
        return
    only_page_told(tree, "KivGraphics")
    fader = tree.get("Fader", pyatspi.ROLE_SLIDER)
    spin = tree.get("Spin control", pyatspi.ROLE_SPIN_BUTTON)
    meter = tree.get("Analog meter", pyatspi.ROLE_PROGRESS_BAR)
    if None in (fader, spin, meter):
        return
    check("the fader reads 60", fader.queryValue().currentValue == 60, f"({fader.queryValue().currentValue})")
    check("the spin control reads 100", spin.queryValue().currentValue == 100, f"({spin.queryValue().currentValue})")
    check("the meter reads its value with the unit", meter.description.endswith("°C"), f"('{meter.description}')")
    fader.queryValue().currentValue = 75.0
    check("the fader takes a value", wait_for(lambda: fader.queryValue().currentValue == 75, 3.0),
          f"({fader.queryValue().currentValue})")
    act(spin, "Increase")
    check("the spin control's Increase steps it", wait_for(lambda: spin.queryValue().currentValue == 101, 3.0),
          f"({spin.queryValue().currentValue})")


def main():
    global APP
    target, pid = sys.argv[1], int(sys.argv[2])
    started = time.monotonic()
    APP = find_application(pid)
    if APP is None:
        fail(f"the {target} (pid {pid}) did not appear on the AT-SPI registry within 15 s")
        return FAILURES
    # The QML gallery tells the components of one page only.
    least = 4 if target == "gallery-qml" else 20
    tree = wait_for(lambda: (lambda t: t if len(t.nodes) > least else None)(Tree(APP)), 10.0)
    if tree is None:
        fail(f"the {target}'s accessible tree stayed empty")
        return FAILURES
    print(f"{target}: {sum(len(v) for v in tree.nodes.values())} accessible objects read "
          f"in {time.monotonic() - started:.1f} s", flush=True)
    {"demo": probe_demo, "gallery": probe_gallery, "gallery-qml": probe_gallery_qml}[target](tree)
    print(f"{target}: done in {time.monotonic() - started:.1f} s", flush=True)
    return FAILURES


if __name__ == "__main__":
    sys.exit(main())
