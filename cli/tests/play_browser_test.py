#!/usr/bin/env python3
"""The interactive page in a real browser: puzzles made and exported by vorlix-cli, solved in
headless Chromium by mouse drag, tap and tap, touch and keyboard alone.

Usage: play_browser_test.py VORLIX_CLI [SHOTS_DIR]
Exits 77 (skipped) when Chromium or its driver is not installed. With SHOTS_DIR it also saves
screenshots of the English and Hebrew puzzles there.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77

DIRECTION_STEP = {1: (0, -1), 2: (1, -1), 3: (1, 0), 4: (1, 1), 5: (0, 1), 6: (-1, 1), 7: (-1, 0), 8: (-1, -1)}

# Name, seed, words; the seeds are fixed so a failure repeats.
PUZZLES = [
    ("english", 11, "cat, dog, lion, zebra, otter, panda, camel, tiger, koala, horse"),
    ("russian", 12, "кошка, собака, лиса, волк, медведь, заяц, ёж, белка"),
    ("hebrew", 13, "שלום, ספר, בית, ילד, מים, שמש, ירח, כלב"),
    ("hindi", 14, "नमस्ते, किताब, पानी, घर, सूरज, चाँद, दोस्त, भारत"),
]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def find_browser():
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver")
    return browser, driver


def run_cli(cli, *arguments):
    done = subprocess.run([cli, *arguments], capture_output=True, text=True)
    check(done.returncode == 0, "vorlix-cli %s: %s" % (" ".join(arguments), done.stderr))
    return done.stdout


class Page:
    """One browser session, reused for every page."""

    def __init__(self, browser, driver_path):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service

        self.profile = tempfile.mkdtemp(prefix="vorlix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = browser
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + self.profile,
                         "--window-size=1200,900", "--lang=en"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(driver_path), options=options)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def open(self, path):
        self.path = path
        self.driver.get("file://" + path)
        self.driver.get_log("performance")  # what opening the file itself logged
        self.data = self.driver.execute_script(
            "return JSON.parse(document.getElementById('puzzle-data').textContent);")

    def cell(self, col, row):
        return self.driver.find_element(
            "css selector", '[role="grid"] [data-col="%d"][data-row="%d"]' % (col, row))

    def progress(self):
        text = self.driver.find_element("css selector", '[role="status"]').text
        match = re.match(r"(\d+) of (\d+)", text)
        check(match is not None, "the status says '%s'" % text)
        return int(match.group(1)), int(match.group(2))

    def click_id(self, name):
        self.driver.find_element("id", name).click()

    def shot(self, directory, name):
        if directory:
            self.driver.save_screenshot(os.path.join(directory, name + ".png"))


def ends(word):
    cells = word["cells"]
    return (cells[0], cells[1]), (cells[-2], cells[-1])


# --- The four ways to select, each from a word's first cell to its last.

def by_drag(page, first, last):
    from selenium.webdriver.common.action_chains import ActionChains
    ActionChains(page.driver, duration=40).move_to_element(page.cell(*first)).click_and_hold() \
        .move_to_element(page.cell(*last)).release().perform()


def by_tap_tap(page, first, last):
    # Two separate taps with no movement between press and release, the first with the mouse.
    from selenium.webdriver.common.action_chains import ActionChains
    ActionChains(page.driver, duration=0).move_to_element(page.cell(*first)).click().perform()
    touch_actions(page, [("tap", last)])


def by_touch(page, first, last):
    touch_actions(page, [("drag", first, last)])


def touch_actions(page, steps):
    from selenium.webdriver.common.actions import interaction
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.actions.pointer_input import PointerInput
    builder = ActionBuilder(page.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"), duration=40)
    for step in steps:
        actions = builder.pointer_action
        actions.move_to(page.cell(*step[1])).pointer_down()
        if step[0] == "drag":
            actions.move_to(page.cell(*step[2]))
        actions.pointer_up()
    builder.perform()


class Keyboard:
    """Keyboard alone: on a page just opened the focus enters the grid by Tab, then moves by
    arrow keys only."""

    def __init__(self, page):
        from selenium.webdriver.common.keys import Keys
        self.page = page
        self.keys = Keys
        if page.driver.execute_script("return document.activeElement === document.body;"):
            self.send(Keys.TAB)
            check(self.focused() == (1, 1), "Tab first reaches cell %s, not the grid's first" % (self.focused(),))
        self.at = self.focused()
        self.check_focus_visible()

    def send(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.page.driver, duration=0).send_keys(*keys).perform()

    def focused(self):
        cell = self.page.driver.execute_script(
            "const e = document.activeElement; return e && e.dataset.col ? [+e.dataset.col, +e.dataset.row] : null;")
        check(cell is not None, "the focus left the grid")
        return tuple(cell)

    def check_focus_visible(self):
        style = self.page.driver.execute_script(
            "const s = getComputedStyle(document.activeElement); return [s.outlineStyle, s.outlineWidth];")
        check(style[0] != "none" and float(style[1].rstrip("px")) >= 2, "the focused cell shows no outline: %s" % style)

    def go(self, target):
        keys = []
        dc, dr = target[0] - self.at[0], target[1] - self.at[1]
        keys += [self.keys.ARROW_RIGHT if dc > 0 else self.keys.ARROW_LEFT] * abs(dc)
        keys += [self.keys.ARROW_DOWN if dr > 0 else self.keys.ARROW_UP] * abs(dr)
        if keys:
            self.send(*keys)
        self.at = self.focused()
        check(self.at == tuple(target), "arrow keys reached %s, not %s" % (self.at, target))

    def press(self, key):
        self.send(key)

    def select(self, first, last):
        self.go(first)
        self.press(self.keys.SPACE)
        self.go(last)
        self.press(self.keys.ENTER)


def solve_all(page, method, name):
    """Every word by one method; each one counts once and the list ticks it."""
    total = len(page.data["words"])
    for i, word in enumerate(page.data["words"]):
        first, last = ends(word)
        # Half the words are selected from their last cell back to their first.
        if i % 2:
            first, last = last, first
        method(page, first, last)
        check(page.progress() == (i + 1, total), "%s: word %d (%s) left the count at %s"
              % (name, i + 1, word["text"], page.progress()))
    done = page.driver.find_element("id", "done")
    check(done.is_displayed() and "Well done" in done.text, "%s: no 'well done' at the end" % name)
    ticked = page.driver.find_elements("css selector", "#words li.found")
    check(len(ticked) == total, "%s: %d of %d words ticked in the list" % (name, len(ticked), total))
    check(all("\u2713" in li.text for li in ticked), "%s: a found word without its tick" % name)
    marks = page.driver.find_elements("css selector", "#marks polyline.edge:not(.shown)")
    check(len(marks) == total, "%s: %d loops drawn for %d words" % (name, len(marks), total))


def start_again(page, name):
    page.click_id("again")
    check(page.progress()[0] == 0, "%s: Start again left %s" % (name, page.progress()))
    check(not page.driver.find_elements("css selector", "#marks polyline, #words li.found"),
          "%s: Start again left marks" % name)


def wrong_cells(page):
    """Two cells in a line that are not the two ends of any word."""
    taken = set()
    for word in page.data["words"]:
        a, b = ends(word)
        taken |= {(a, b), (b, a)}
    cols, rows = page.data["columns"], page.data["rows"]
    for a in [(1, 1), (1, rows), (cols, 1)]:
        for b in [(cols, 1), (1, rows), (cols, rows), (2, 1)]:
            if a != b and (a, b) not in taken:
                return a, b
    fail("every line of the test is a word")


def check_wrong_selections(page, name):
    a, b = wrong_cells(page)
    before = page.progress()
    by_drag(page, a, b)
    touch_actions(page, [("tap", a), ("tap", b)])
    # A drag let go outside the grid chooses nothing, not even a start.
    from selenium.webdriver.common.action_chains import ActionChains
    first, last = ends(page.data["words"][0])
    ActionChains(page.driver, duration=40).move_to_element(page.cell(*first)).click_and_hold() \
        .move_to_element(page.driver.find_element("id", "title")).release().perform()
    touch_actions(page, [("tap", last)])
    check(page.progress() == before, "%s: a drag let go outside the grid left a start" % name)
    touch_actions(page, [("tap", last)])  # drops the start that tap made
    keyboard = Keyboard(page)
    keyboard.select(a, b)
    check(page.progress() == before, "%s: a wrong selection counted: %s" % (name, page.progress()))
    # Escape drops a started selection: the next Enter starts afresh instead of ending a word.
    keyboard.go(last)
    keyboard.press(keyboard.keys.SPACE)
    keyboard.press(keyboard.keys.ESCAPE)
    keyboard.go(first)
    keyboard.press(keyboard.keys.ENTER)
    keyboard.go(last)
    keyboard.press(keyboard.keys.ESCAPE)
    keyboard.press(keyboard.keys.ENTER)
    check(page.progress() == before, "%s: Escape did not drop the start" % name)
    keyboard.press(keyboard.keys.ESCAPE)


def check_offline(page, name):
    policy = page.driver.execute_script(
        "const m = document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]');"
        "return m ? m.content : '';")
    check("default-src 'none'" in policy, "%s: no policy forbidding the network: '%s'" % (name, policy))
    check(page.driver.execute_script("return performance.getEntriesByType('resource').length;") == 0,
          "%s: the page loaded resources" % name)
    requests = [json.loads(e["message"])["message"] for e in page.driver.get_log("performance")]
    sent = [m["params"]["request"]["url"] for m in requests if m["method"] == "Network.requestWillBeSent"]
    check(not sent, "%s: the page made requests: %s" % (name, sent))
    errors = [e for e in page.driver.get_log("browser") if e["level"] == "SEVERE"]
    check(not errors, "%s: the console reported %s" % (name, errors))


def check_against_puzzle(page, shown, name):
    """The page's words are the puzzle's placed words, and its cells spell them."""
    placed = [w for w in shown["words"] if w["placed"]]
    check(len(placed) == len(page.data["words"]), "%s: %d words on the page, %d placed"
          % (name, len(page.data["words"]), len(placed)))
    # A word's length in cells, which may differ from its code points, is how many cells list it.
    length = {}
    for row in shown["cell_words"]:
        for indices in row:
            for index in indices:
                length[index] = length.get(index, 0) + 1
    expected = set()
    for w in placed:
        dc, dr = DIRECTION_STEP[w["direction"]]
        cells = [(w["column"] + dc * k, w["row"] + dr * k) for k in range(length[w["index"]])]
        expected.add((cells[0], cells[-1], w["grid_word"]))
    got = set()
    for word in page.data["words"]:
        first, last = ends(word)
        letters = "".join(page.cell(word["cells"][k], word["cells"][k + 1]).text
                          for k in range(0, len(word["cells"]), 2))
        got.add((first, last, letters))
    check(got == expected, "%s: the page's words differ from the puzzle's: %s" % (name, got ^ expected))
    # The grid reads left to right whatever the script.
    x1 = page.cell(1, 1).location["x"]
    x2 = page.cell(2, 1).location["x"]
    check(x1 < x2, "%s: column 1 is not at the left" % name)
    # A right-to-left word list reads right to left, the others left to right.
    directions = page.driver.execute_script(
        "return [...document.querySelectorAll('#words li')].map(li => getComputedStyle(li).direction);")
    wanted = "rtl" if name == "hebrew" else "ltr"
    check(set(directions) == {wanted}, "%s: the word list runs %s" % (name, directions))


def check_solution(page, name):
    total = len(page.data["words"])
    page.click_id("solution")
    shown = page.driver.find_elements("css selector", "#marks polyline.shown.edge")
    check(len(shown) == total, "%s: Show solution drew %d of %d words" % (name, len(shown), total))
    check(page.progress()[0] == 0, "%s: Show solution counted words as found" % name)
    page.click_id("solution")
    check(not page.driver.find_elements("css selector", "#marks polyline"), "%s: the solution stayed" % name)


def test_puzzle(page, cli, work, name, seed, words, shots):
    source = os.path.join(work, name + ".ws")
    out = os.path.join(work, name + ".html")
    run_cli(cli, "make", "--seed", str(seed), "--columns", "10", "--rows", "10", "--title", name.title(),
            "--word", words, "-o", source)
    run_cli(cli, "export", source, "--format", "play", "-o", out)
    page.open(out)
    check_offline(page, name)
    check_against_puzzle(page, json.loads(run_cli(cli, "show", source, "--json")), name)
    check(page.progress() == (0, len(page.data["words"])), "%s: starts at %s" % (name, page.progress()))
    if name in ("english", "hebrew"):
        page.shot(shots, name + "-start")
    check_wrong_selections(page, name)
    check_solution(page, name)
    for method in (by_drag, by_tap_tap, by_touch):
        solve_all(page, method, name + " " + method.__name__)
        if name == "english" and method is by_drag:
            page.shot(shots, "english-finished")
        start_again(page, name)
    page.open(page.path)
    keyboard = Keyboard(page)
    solve_all(page, lambda page, first, last: keyboard.select(first, last), name + " by keyboard")
    keyboard.check_focus_visible()
    if name == "hebrew":
        page.shot(shots, "hebrew-finished")
    start_again(page, name)
    check_offline(page, name)
    print("ok: %s, %d words" % (name, len(page.data["words"])))


def test_mystery_and_hidden_message(page, cli, work, shots):
    """A mystery page shows only the words found; the hidden message appears at the end."""
    source = os.path.join(work, "mystery.ws")
    out = os.path.join(work, "mystery.html")
    run_cli(cli, "make", "--seed", "5", "--columns", "8", "--rows", "8", "--hidden", "Fun",
            "--word", "red, blue, green, pink", "-o", source)
    run_cli(cli, "export", source, "--format", "play", "--mystery", "-o", out)
    page.open(out)
    listed = lambda: [li for li in page.driver.find_elements("css selector", "#words li") if li.is_displayed()]
    check(not listed(), "mystery: the word list shows before anything is found")
    message = page.driver.find_element("id", "message")
    words = page.data["words"]
    for i, word in enumerate(words):
        check(not message.is_displayed(), "mystery: the hidden message shows early")
        by_drag(page, *ends(word))
        check(len(listed()) == i + 1, "mystery: %d words listed after %d found" % (len(listed()), i + 1))
    check(message.is_displayed() and "Fun" in message.text, "mystery: no hidden message at the end")
    start_again(page, "mystery")
    page.click_id("solution")
    check(len(listed()) == len(words), "mystery: the solution does not list the words")
    print("ok: mystery with a hidden message")


def shoot_layouts(page, cli, work, shots):
    """The English puzzle half solved, at 200% zoom and on an upright phone."""
    page.open(os.path.join(work, "english.html"))
    words = page.data["words"]
    for word in words[: len(words) // 2]:
        by_drag(page, *ends(word))
    page.shot(shots, "english-half")
    metrics = [("english-zoom200", {"width": 600, "height": 450, "deviceScaleFactor": 2, "mobile": False}),
               ("english-phone", {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})]
    for name, m in metrics:
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", m)
        width = page.driver.execute_script("return document.documentElement.scrollWidth;")
        check(width <= m["width"], "%s: the page is %d pixels wide in a %d pixel window" % (name, width, m["width"]))
        page.shot(shots, name)
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    # Printed, the page is the puzzle: no buttons, no progress, every cell still there.
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    check(not page.driver.find_element("id", "buttons").is_displayed(), "print: the buttons show")
    check(not page.driver.find_element("id", "progress").is_displayed(), "print: the progress shows")
    check(page.cell(page.data["columns"], page.data["rows"]).is_displayed(), "print: the grid is cut")
    page.shot(shots, "english-print")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    browser, driver = find_browser()
    if not browser or not driver:
        print("SKIP: chromium and chromedriver are needed")
        return SKIP
    cli = os.path.abspath(sys.argv[1])
    shots = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
    if shots:
        os.makedirs(shots, exist_ok=True)
    work = tempfile.mkdtemp(prefix="vorlix-play-")
    page = Page(browser, driver)
    try:
        for name, seed, words in PUZZLES:
            test_puzzle(page, cli, work, name, seed, words, shots)
        test_mystery_and_hidden_message(page, cli, work, shots)
        shoot_layouts(page, cli, work, shots)
    finally:
        page.close()
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
