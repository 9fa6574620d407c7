#!/usr/bin/env python3
"""The interactive page in headless Chromium: puzzles made and exported by vorlix-cli, solved by
mouse drag, tap and tap, touch and keyboard alone, in one browser session.

Usage: play_browser_test.py VORLIX_CLI [SHOTS_DIR]   (exit 77: Chromium is not installed)
"""
import json, os, re, shutil, subprocess, sys, tempfile

STEP = {1: (0, -1), 2: (1, -1), 3: (1, 0), 4: (1, 1), 5: (0, 1), 6: (-1, 1), 7: (-1, 0), 8: (-1, -1)}
PUZZLES = [  # name, seed (fixed, so a failure repeats), words
    ("english", 11, "cat, dog, lion, zebra, otter, panda, camel, tiger, koala, horse"),
    ("russian", 12, "кошка, собака, лиса, волк, медведь, заяц, ёж, белка"),
    ("hebrew", 13, "שלום, ספר, בית, ילד, מים, שמש, ירח, כלב"),
    ("hindi", 14, "नमस्ते, किताब, पानी, घर, सूरज, चाँद, दोस्त, भारत"),
]


def check(condition, message):
    if not condition:
        print("FAIL: " + message)
        sys.exit(1)


def run_cli(*arguments):
    done = subprocess.run([CLI, *arguments], capture_output=True, text=True)
    check(done.returncode == 0, "vorlix-cli %s: %s" % (" ".join(arguments), done.stderr))
    return done.stdout


class Page:
    def __init__(self, browser, driver):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="vorlix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = browser
        for argument in ("--headless=new", "--no-sandbox", "--user-data-dir=" + self.profile,
                         "--window-size=1200,900"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(driver), options=options)

    def open(self, path):
        self.path = path
        self.driver.get("file://" + path)
        self.driver.get_log("performance")  # opening the file itself
        self.data = self.js("return JSON.parse(document.getElementById('puzzle-data').textContent);")

    def js(self, script):
        return self.driver.execute_script(script)

    def find(self, css):
        return self.driver.find_elements("css selector", css)

    def cell(self, col, row):
        return self.find('[role="grid"] [data-col="%d"][data-row="%d"]' % (col, row))[0]

    def progress(self):
        text = self.find('[role="status"]')[0].text
        match = re.match(r"(\d+) of (\d+)", text)
        check(match, "the status says '%s'" % text)
        return int(match.group(1)), int(match.group(2))

    def click(self, name):
        self.driver.find_element("id", name).click()

    def shot(self, name):
        if SHOTS:
            self.driver.save_screenshot(os.path.join(SHOTS, name + ".png"))

    def chain(self, duration=40):
        from selenium.webdriver.common.action_chains import ActionChains
        return ActionChains(self.driver, duration=duration)


def ends(word):
    c = word["cells"]
    return (c[0], c[1]), (c[-2], c[-1])


def by_drag(page, first, last, to=None):
    page.chain().move_to_element(page.cell(*first)).click_and_hold() \
        .move_to_element(to or page.cell(*last)).release().perform()


def touch(page, *steps):
    """Finger taps ("tap", cell) and drags ("drag", from, to)."""
    from selenium.webdriver.common.actions import interaction
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.actions.pointer_input import PointerInput
    builder = ActionBuilder(page.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"), duration=40)
    for step in steps:
        builder.pointer_action.move_to(page.cell(*step[1])).pointer_down()
        if step[0] == "drag":
            builder.pointer_action.move_to(page.cell(*step[2]))
        builder.pointer_action.pointer_up()
    builder.perform()


def by_tap_tap(page, first, last):  # a mouse click, then a finger tap
    page.chain(0).move_to_element(page.cell(*first)).click().perform()
    touch(page, ("tap", last))


def by_touch(page, first, last):
    touch(page, ("drag", first, last))


def focused(page):
    cell = page.js("const e = document.activeElement; return e.dataset.col ? [+e.dataset.col, +e.dataset.row] : null;")
    check(cell, "the focus left the grid")
    return tuple(cell)


def keys(page, *sequence):
    page.chain(0).send_keys(*sequence).perform()


def key_to(page, target):
    """Arrow keys only, from the focused cell."""
    from selenium.webdriver.common.keys import Keys
    at = focused(page)
    dc, dr = target[0] - at[0], target[1] - at[1]
    moves = [Keys.ARROW_RIGHT if dc > 0 else Keys.ARROW_LEFT] * abs(dc) + \
            [Keys.ARROW_DOWN if dr > 0 else Keys.ARROW_UP] * abs(dr)
    if moves:
        keys(page, *moves)
    check(focused(page) == tuple(target), "arrow keys reached %s, not %s" % (focused(page), target))
    outline = page.js("const s = getComputedStyle(document.activeElement); return [s.outlineStyle, s.outlineWidth];")
    check(outline[0] != "none" and float(outline[1][:-2]) >= 2, "the focused cell shows no outline: %s" % outline)


def by_keyboard(page, first, last):
    from selenium.webdriver.common.keys import Keys
    key_to(page, first)
    keys(page, Keys.SPACE)
    key_to(page, last)
    keys(page, Keys.ENTER)


def solve_all(page, method, name):
    """Every word, half of them from the last cell back; each counts once and is ticked."""
    words = page.data["words"]
    for i, word in enumerate(words):
        first, last = ends(word)
        method(page, *((last, first) if i % 2 else (first, last)))
        check(page.progress() == (i + 1, len(words)),
              "%s: %s left the count at %s" % (name, word["text"], page.progress()))
    check(page.driver.find_element("id", "done").is_displayed(), "%s: no 'well done' at the end" % name)
    ticked = page.find("#words li.found")
    check(len(ticked) == len(words) and all("\u2713" in li.text for li in ticked), "%s: words left unticked" % name)
    check(len(page.find("#marks polyline.edge:not(.shown)")) == len(words), "%s: a found word has no loop" % name)


def start_again(page, name):
    page.click("again")
    check(page.progress()[0] == 0 and not page.find("#marks polyline, #words li.found"), "%s: Start again" % name)


def check_wrong_selections(page, name):
    """Lines that are no word count nothing, by every method; a drag let go outside the grid and
    Escape leave no start behind."""
    from selenium.webdriver.common.keys import Keys
    taken = {e for w in page.data["words"] for e in (ends(w), ends(w)[::-1])}
    cols, rows = page.data["columns"], page.data["rows"]
    a, b = next((a, b) for a in [(1, 1), (1, rows), (cols, 1)] for b in [(cols, 1), (1, rows), (cols, rows), (2, 1)]
                if a != b and (a, b) not in taken)
    first, last = ends(page.data["words"][0])
    by_drag(page, a, b)
    touch(page, ("tap", a), ("tap", b))
    by_drag(page, first, None, to=page.driver.find_element("id", "title"))
    touch(page, ("tap", last), ("tap", last))  # a start, then dropped by tapping it again
    by_keyboard(page, a, b)
    key_to(page, last)
    keys(page, Keys.SPACE, Keys.ESCAPE)
    key_to(page, first)
    keys(page, Keys.ENTER)
    key_to(page, last)
    keys(page, Keys.ESCAPE, Keys.ENTER, Keys.ESCAPE)
    check(page.progress()[0] == 0, "%s: a wrong selection counted" % name)


def check_offline(page, name):
    policy = page.js("return document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]').content;")
    check("default-src 'none'" in policy, "%s: the policy allows the network: '%s'" % (name, policy))
    check(page.js("return performance.getEntriesByType('resource').length;") == 0, "%s: resources loaded" % name)
    events = [json.loads(e["message"])["message"] for e in page.driver.get_log("performance")]
    sent = [m["params"]["request"]["url"] for m in events if m["method"] == "Network.requestWillBeSent"]
    check(not sent, "%s: the page made requests: %s" % (name, sent))
    errors = [e for e in page.driver.get_log("browser") if e["level"] == "SEVERE"]
    check(not errors, "%s: the console reported %s" % (name, errors))


def check_against_puzzle(page, shown, name):
    """The page's words are the puzzle's placed words, its cells spell them, column 1 is at the
    left and a right-to-left list reads right to left."""
    length = {}  # a word's length in cells, which may differ from its code points
    for row in shown["cell_words"]:
        for indices in row:
            for index in indices:
                length[index] = length.get(index, 0) + 1
    expected = set()
    for w in (w for w in shown["words"] if w["placed"]):
        dc, dr = STEP[w["direction"]]
        n = length[w["index"]] - 1
        expected.add(((w["column"], w["row"]), (w["column"] + dc * n, w["row"] + dr * n), w["grid_word"]))
    got = {ends(w) + ("".join(page.cell(*w["cells"][k:k + 2]).text for k in range(0, len(w["cells"]), 2)),)
           for w in page.data["words"]}
    check(got == expected and len(page.data["words"]) == len(expected), "%s: words differ: %s" % (name, got ^ expected))
    check(page.cell(1, 1).location["x"] < page.cell(2, 1).location["x"], "%s: column 1 is not at the left" % name)
    directions = page.js("return [...document.querySelectorAll('#words li')]"
                         ".map(li => getComputedStyle(li).direction);")
    check(set(directions) == {"rtl" if name == "hebrew" else "ltr"}, "%s: the list runs %s" % (name, directions))


def test_puzzle(page, work, name, seed, words):
    source, out = os.path.join(work, name + ".ws"), os.path.join(work, name + ".html")
    run_cli("make", "--seed", str(seed), "--columns", "10", "--rows", "10", "--title", name.title(), "--word", words,
            "-o", source)
    run_cli("export", source, "--format", "play", "-o", out)
    page.open(out)
    check_offline(page, name)
    check_against_puzzle(page, json.loads(run_cli("show", source, "--json")), name)
    page.shot(name + "-start")
    check_wrong_selections(page, name)
    page.click("solution")
    total = len(page.data["words"])
    check(len(page.find("#marks polyline.shown.edge")) == total and page.progress()[0] == 0, "%s: solution" % name)
    page.click("solution")
    check(not page.find("#marks polyline"), "%s: the solution stayed" % name)
    for method in (by_drag, by_tap_tap, by_touch):
        solve_all(page, method, name + " " + method.__name__)
        start_again(page, name)
    page.open(out)  # keyboard alone from a page just opened: Tab enters the grid
    keys(page, "\t")
    check(focused(page) == (1, 1), "%s: Tab did not reach the grid's first cell" % name)
    solve_all(page, by_keyboard, name + " by keyboard")
    page.shot(name + "-finished")
    check_offline(page, name)
    print("ok: %s, %d words" % (name, total))


def test_mystery_and_message(page, work):
    """A mystery page lists only the words found, or all under the solution; the hidden
    message shows when every word is found."""
    source, out = os.path.join(work, "mystery.ws"), os.path.join(work, "mystery.html")
    run_cli("make", "--seed", "5", "--columns", "8", "--rows", "8", "--hidden", "Fun", "--word",
            "red, blue, green, pink", "-o", source)
    run_cli("export", source, "--format", "play", "--mystery", "-o", out)
    page.open(out)
    listed = lambda: len([li for li in page.find("#words li") if li.is_displayed()])
    message = page.driver.find_element("id", "message")
    for i, word in enumerate(page.data["words"]):
        check(listed() == i and not message.is_displayed(), "mystery: %d listed after %d found" % (listed(), i))
        by_drag(page, *ends(word))
    check(message.is_displayed() and "Fun" in message.text, "mystery: no hidden message at the end")
    start_again(page, "mystery")
    page.click("solution")
    check(listed() == len(page.data["words"]), "mystery: the solution does not list the words")
    print("ok: mystery with a hidden message")


def test_layouts(page, work):
    """Half solved; at 200% zoom and on an upright phone nothing runs off the side; printed,
    only the puzzle shows."""
    page.open(os.path.join(work, "english.html"))
    for word in page.data["words"][: len(page.data["words"]) // 2]:
        by_drag(page, *ends(word))
    page.shot("english-half")
    for name, width, height, scale in [("english-zoom200", 600, 450, 2), ("english-phone", 390, 844, 1)]:
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": scale == 1})
        check(page.js("return document.documentElement.scrollWidth;") <= width, "%s: wider than the window" % name)
        page.shot(name)
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    check(not page.driver.find_element("id", "buttons").is_displayed(), "print: the buttons show")
    check(page.cell(page.data["columns"], page.data["rows"]).is_displayed(), "print: the grid is cut")
    page.shot("english-print")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    print("ok: layouts")


def main():
    global CLI, SHOTS
    browser, driver = shutil.which("chromium") or shutil.which("chromium-browser"), shutil.which("chromedriver")
    if not browser or not driver:
        print("SKIP: chromium and chromedriver are needed")
        return 77
    CLI = os.path.abspath(sys.argv[1])
    SHOTS = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
    if SHOTS:
        os.makedirs(SHOTS, exist_ok=True)
    work = tempfile.mkdtemp(prefix="vorlix-play-")
    page = Page(browser, driver)
    try:
        for puzzle in PUZZLES:
            test_puzzle(page, work, *puzzle)
        test_mystery_and_message(page, work)
        test_layouts(page, work)
    finally:
        page.driver.quit()
        shutil.rmtree(page.profile, ignore_errors=True)
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
