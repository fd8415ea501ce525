"""A pupil with a screen reader goes through the Tomas Verrin topic: keys only, through
xdotool, and everything known about the screen read from the AT-SPI tree, as the screen
reader has it. Run by screen_reader.sh, which starts the buses, the registry and the program.

Exit status: 0 when every step passes, 1 when one fails, 77 when AT-SPI cannot be used here.
"""

import argparse
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

SKIP = 77
S = Atspi.StateType
# The states a screen reader speaks, in the order they are printed.
SHOWN_STATES = [("showing", S.SHOWING), ("focusable", S.FOCUSABLE), ("focused", S.FOCUSED),
                ("enabled", S.SENSITIVE), ("checked", S.CHECKED), ("selected", S.SELECTED),
                ("editable", S.EDITABLE)]

# The standard dot numbers of the letters, written out here rather than taken from the program.
LETTER_DOTS = {
    "a": "1", "b": "12", "c": "14", "d": "145", "e": "15", "f": "124", "g": "1245",
    "h": "125", "i": "24", "j": "245", "k": "13", "l": "123", "m": "134", "n": "1345",
    "o": "135", "p": "1234", "q": "12345", "r": "1235", "s": "234", "t": "2345", "u": "136",
    "v": "1236", "w": "2456", "x": "1346", "y": "13456", "z": "1356",
}

# The timeline's events and the year each belongs to: each event's box in the program's
# table lies level with the tick of that year.
TIMELINE = [
    ("Anselm Corrigan visited Tomas Verrin's school.", "1821"),
    ("Tomas Verrin was born in Coupvray.", "1809"),
    ("The Braille code was adopted world-wide.", "1932"),
    ("Tomas had an accident in the workshop.", "1812"),
    ("Tomas Verrin died in Paris, aged 43.", "1852"),
    ("Verrin's remains were moved to the Pantheon in Paris.", "1952"),
]
YEARS = ["1809", "1812", "1821", "1852", "1932", "1952"]  # top to bottom

# The worksheet screen_reader.sh imports before the program starts, and its menu.
WORKSHEET = "Braille sample"
WORKSHEET_MENU = ["Print Worksheet", "Print Answer Key", "Save Worksheet as PDF\u2026",
                  "Save Answer Key as PDF\u2026", "Export\u2026"]


class StepFailed(Exception):
    pass


# --- reading the tree -------------------------------------------------------------------

def states(acc):
    try:
        return acc.get_state_set()
    except GLib.Error:
        return Atspi.StateSet.new([])


def has(acc, state):
    return states(acc).contains(state)


def name(acc):
    try:
        return acc.get_name() or ""
    except GLib.Error:
        return ""


def description(acc):
    try:
        return acc.get_description() or ""
    except GLib.Error:
        return ""


def role(acc):
    try:
        return acc.get_role_name()
    except GLib.Error:
        return "?"


def children(acc):
    try:
        count = acc.get_child_count()
    except GLib.Error:
        return []
    found = (acc.get_child_at_index(i) for i in range(count))
    return [child for child in found if child is not None]


def line(acc):
    s = states(acc)
    shown = " ".join(word for word, state in SHOWN_STATES if s.contains(state))
    text = f"{role(acc)} | {name(acc)} | {shown}"
    said = description(acc)
    return text + (f" | description: {said}" if said else "")


def dump(acc, depth=0):
    """The subtree as indented lines; what is not showing is listed but not opened."""
    lines = ["  " * depth + line(acc)]
    if depth == 0 or has(acc, S.SHOWING):
        for child in children(acc):
            lines += dump(child, depth + 1)
    return lines


def showing_descendants(acc):
    for child in children(acc):
        if has(child, S.SHOWING):
            yield child
            yield from showing_descendants(child)


def find_all(scope, predicate):
    return [acc for acc in showing_descendants(scope) if predicate(acc)]


def find(scope, predicate):
    return next(iter(find_all(scope, predicate)), None)


def named(text, roles=None):
    return lambda acc: name(acc) == text and (roles is None or role(acc) in roles)


def inside(acc, scope):
    while acc is not None:
        if acc == scope:
            return True
        acc = acc.get_parent()
    return False


def poll(probe, timeout, interval=0.1):
    """The first true value `probe` gives within `timeout` seconds, or None."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value or time.monotonic() > end:
            return value
        time.sleep(interval)


class Program:
    def __init__(self, app, pid):
        self.app = app
        self.pid = pid

    @staticmethod
    def find(pid, timeout):
        """The program on the AT-SPI desktop, or a skip when it never appears."""
        try:
            desktop = Atspi.get_desktop(0)
            desktop.get_child_count()
        except GLib.Error as error:
            print(f"skipped: the AT-SPI desktop cannot be read: {error}")
            sys.exit(SKIP)

        def look():
            for app in children(desktop):
                try:
                    if name(app).lower() == "zorvanel" and app.get_process_id() == pid:
                        return app
                except GLib.Error:
                    pass
            return None

        app = poll(look, timeout, 0.25)
        if app is None:
            try:
                os.kill(pid, 0)
            except ProcessLookupError:
                print("FAIL: the program ended before it appeared on the AT-SPI desktop")
                sys.exit(1)
            others = ", ".join(f"{name(a)!r} (pid {a.get_process_id()})" for a in children(desktop))
            print(f"skipped: the program did not appear on the AT-SPI desktop in {timeout} s;"
                  f" it holds: {others or 'nothing'}")
            sys.exit(SKIP)
        # Every read goes to the program: a stale name or state would hide a fault.
        app.set_cache_mask(Atspi.Cache.NONE)
        return Program(app, pid)

    def windows(self):
        return [w for w in children(self.app) if has(w, S.SHOWING)]

    def front(self):
        """What the pupil has in front of them: a dialog, or the last screen shown."""
        windows = self.windows()
        if not windows:
            return None
        if len(windows) > 1 or name(windows[-1]) != "Zorvanel":
            return windows[-1]
        screens = [s for s in children(windows[0]) if has(s, S.SHOWING)]
        return screens[-1] if screens else windows[0]

    def focused(self):
        return find(self.app, lambda acc: has(acc, S.FOCUSED))

    def wait_focus(self, name_is=None, role_is=None, timeout=5):
        def probe():
            acc = self.focused()
            if acc is None or (name_is is not None and name(acc) != name_is) or \
                    (role_is is not None and role(acc) != role_is):
                return None
            return acc
        return poll(probe, timeout)

    def wait_front(self, predicate, timeout=10):
        """The front screen once it holds something showing that satisfies `predicate`."""
        def probe():
            front = self.front()
            return front if front is not None and find(front, predicate) else None
        return poll(probe, timeout)


class FocusWatch:
    """What the focus moves onto, as the program announces it: the way to follow the focus
    into windows the tree does not list, such as popup menus."""

    def __init__(self):
        self.focused = []
        self.listener = Atspi.EventListener.new(self._on_event)
        self.listener.register("object:state-changed:focused")

    def _on_event(self, event):
        if event.detail1:
            self.focused.append(event.source)

    def wait(self, predicate, timeout):
        def probe():
            while GLib.MainContext.default().iteration(False):
                pass
            return next((acc for acc in self.focused if predicate(acc)), None)
        found = poll(probe, timeout, 0.05)
        self.focused.clear()
        return found

    def stop(self):
        self.listener.deregister("object:state-changed:focused")


def key(name_of_key):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name_of_key], check=True)


def tab_to(program, matches, what, scope=None, limit=40):
    """Presses Tab until the focus is on something `matches` accepts (within `scope`, the
    front screen by default). The caller then presses Return or space on it."""
    scope = scope or program.front()
    visited = []
    for presses in range(limit + 1):
        focus = program.focused()
        if focus is not None and matches(focus) and inside(focus, scope):
            return focus
        visited.append(name(focus) if focus is not None else "(nothing)")
        if presses == limit:
            break
        key("Tab")
        poll(lambda: program.focused() != focus, 2, 0.05)
    path = " > ".join(dict.fromkeys(visited))
    raise StepFailed(f"{limit} presses of Tab never reached {what}; the focus went: {path}")


def tab_to_name(program, text, scope=None, limit=40):
    return tab_to(program, lambda acc: name(acc) == text, repr(text), scope, limit)


# --- the content the pupil is tested on ---------------------------------------------------

def read_question_set(path):
    """Title and ten (question, answers, correct 1-4) from a question-set file: windows-1252,
    fields ended by a comma or a line end, blanks before a field skipped, '&' standing
    for a comma."""
    with open(path, "rb") as f:
        text = f.read().decode("cp1252", errors="replace")
    fields = [field.lstrip(" \t").replace("&", ",") for field in re.split(r"\r\n|[,\r\n]", text)]
    title, fields = fields[0], fields[2:]
    questions = []
    for q in range(10):
        block = fields[7 * q: 7 * q + 7]
        questions.append((block[0], block[1:5], int(block[5].strip())))
    return title, questions


def braille_letter(cell):
    dots = "".join(str(n + 1) for n in range(6) if (ord(cell) - 0x2800) >> n & 1)
    return next((letter for letter, pattern in LETTER_DOTS.items() if pattern == dots), None)


def is_braille(text):
    return bool(text) and all(0x2800 <= ord(c) <= 0x283F for c in text)


# --- the scenario -------------------------------------------------------------------------

class Scenario:
    def __init__(self, program, content):
        self.program = program
        self.content = content
        self.results = []  # (step, problems)
        self.problems = []

    def note(self, text):
        print(f"  {text}")

    def problem(self, text):
        """A fault that leaves the step able to go on by another way."""
        print(f"  FAIL: {text}")
        self.problems.append(text)

    def show(self, title, acc):
        print(f"  --- {title} ---")
        for text in dump(acc):
            print("  " + text)

    def run(self, step, body):
        print(f"{step}")
        self.problems = []
        try:
            body()
        except StepFailed as failure:
            print(f"  FAIL: {failure}")
            self.problems.append(str(failure))
            front = self.program.front()
            if front is not None:
                self.show("the front screen when it failed", front)
            self.results.append((step, self.problems))
            return False
        self.results.append((step, self.problems))
        return True

    def press_on(self, matches, what, key_name="Return"):
        tab_to(self.program, matches, what)
        key(key_name)

    def expect_front(self, predicate, what, timeout=10):
        front = self.program.wait_front(predicate, timeout)
        if front is None:
            raise StepFailed(f"{what} did not come to the front within {timeout} s")
        return front

    def hub_is_front(self):
        front = self.program.front()
        return front is not None and find(front, named("Braille Timeline")) is not None

    def back_to_hub(self):
        """After a failed step: Exit by keyboard until the topic is in front again."""
        for _ in range(3):
            if self.hub_is_front():
                return True
            try:
                self.press_on(named("Exit"), "'Exit'")
            except StepFailed:
                return False
            poll(self.hub_is_front, 5)
        return self.hub_is_front()

    # a. The main menu to the topic.
    def main_menu(self):
        window = poll(lambda: next((w for w in self.program.windows() if has(w, S.ACTIVE)), None), 5)
        if window is None:
            # The window manager gives a new window the keyboard; ask it if it has not.
            try:
                subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvanel$",
                                "windowactivate", "--sync"], timeout=10)
            except subprocess.TimeoutExpired:
                raise StepFailed("the program's window never had the keyboard")
        menu = self.expect_front(named("Tomas Verrin", ["push button"]), "the main menu")
        if self.program.wait_focus() is None:
            raise StepFailed("nothing on the main menu has the keyboard focus")
        self.show("the main menu as read", menu)
        self.press_on(named("Tomas Verrin"), "'Tomas Verrin'")
        self.expect_front(named("Multiple Choice", ["push button"]), "the topic (its 'Multiple Choice')")

    # b. The quiz, every answer right.
    def quiz(self):
        title, questions = read_question_set(os.path.join(self.content, "multiple", "Tomas Verrin.txt"))
        self.press_on(named("Multiple Choice"), "'Multiple Choice'")
        front = self.expect_front(named(questions[0][0]), "the quiz's first question")
        self.show("the quiz screen as read", front)
        if find(front, named(title)) is None:
            self.problem(f"the set's title {title!r} is not on the quiz screen")
        for number, (text, answers, correct) in enumerate(questions, 1):
            front = self.expect_front(named(f"Question {number}"), f"question {number}")
            if find(front, named(text)) is None:
                raise StepFailed(f"question {number}: no showing text reads {text!r}")
            options = self.answer_options(front, number, answers)
            if any(has(option, S.CHECKED) for option in options):
                raise StepFailed(f"question {number} starts with an answer already chosen")
            # The keys that choose an answer: 1 to 4 here, a to d on every other question.
            chosen = str(correct) if number % 2 else "abcd"[correct - 1]
            key(chosen)
            right = options[correct - 1]
            if not poll(lambda: has(right, S.CHECKED), 2):
                raise StepFailed(f"question {number}: the key '{chosen}' does not choose answer {correct}")
            others = [i + 1 for i, o in enumerate(options) if o != right and has(o, S.CHECKED)]
            if others:
                raise StepFailed(f"question {number}: answers {others} are also chosen")
            forward = "Check Score >>" if number == len(questions) else "Next Question >>"
            self.press_on(named(forward), repr(forward))
        score = "Excellent work. You have scored 10 out of 10."
        front = self.program.wait_front(named(score), 10)
        if front is None:
            said = [name(l) for l in find_all(self.program.front(), lambda a: "scored" in name(a))]
            raise StepFailed(f"the results do not read {score!r}; they read {said or 'nothing'}")
        self.note(f"the results read {score!r}")
        self.press_on(named("Exit"), "the results' 'Exit'")
        if not poll(self.hub_is_front, 10):
            raise StepFailed("the results' Exit did not return to the topic")

    def answer_options(self, front, number, answers):
        options = []
        for i, answer in enumerate(answers):
            lettered = f"{'ABCD'[i]}: {answer}"
            option = find(front, lambda acc: role(acc) == "radio button" and name(acc) == lettered)
            if option is None:
                raise StepFailed(f"question {number}: no radio button named {lettered!r}")
            options.append(option)
        return options

    # c. The cipher read in Braille.
    def cipher(self):
        self.press_on(named("Braille Cipher"), "'Braille Cipher'")
        front = self.expect_front(named("What is the word shown below in Braille?"), "the cipher")
        wrong = []
        for letter, dots in LETTER_DOTS.items():
            expected = f"{letter}, dots {' '.join(dots)}"
            if find(front, named(expected)) is None:
                wrong.append(expected)
        if wrong:
            self.problem(f"{len(wrong)} of 26 key letters are not named by their dots, "
                         f"e.g. no {wrong[0]!r} (the key reads "
                         f"{[name(a) for a in find_all(front, lambda a: len(name(a)) == 1)][:3]}...)")
        cells = find(front, lambda acc: is_braille(name(acc)))
        word = None
        if cells is None:
            self.problem("nothing on the cipher is named in Unicode Braille (U+2800 to U+283F)")
        else:
            letters = [braille_letter(c) for c in name(cells)]
            if None in letters:
                raise StepFailed(f"{name(cells)!r} holds cells that are no letter")
            word = "".join(letters)
            self.note(f"the Braille {name(cells)} ({role(cells)}) reads {word!r}")
            if find(front, named(word)) is not None:
                raise StepFailed(f"the answer {word!r} shows before Answer is pressed")
        self.press_on(named("Answer"), "'Answer'")
        if word is None:
            shown = poll(lambda: find(front, lambda a: role(a) == "label" and
                                      re.fullmatch("[a-z]{4,}", name(a))), 3)
            raise StepFailed(f"the word could not be read in Braille to check the answer "
                             f"{name(shown) if shown else '(none shown)'!r} against")
        if poll(lambda: find(front, named(word, ["label"])), 3) is None:
            raise StepFailed(f"Answer did not show {word!r}")
        self.note(f"Answer shows {word!r}")
        self.press_on(named("Exit"), "the cipher's 'Exit'")
        if not poll(self.hub_is_front, 10):
            raise StepFailed("the cipher's Exit did not return to the topic")

    # d. The timeline placed by keyboard.
    def timeline(self):
        self.press_on(named("Braille Timeline"), "'Braille Timeline'")
        front = self.expect_front(named("Start Again"), "the timeline")
        missing = [y for y in YEARS if find(front, named(f"Box beside {y}")) is None]
        if missing:
            self.problem(f"no year box is named 'Box beside {missing[0]}' "
                         f"({len(missing)} of 6 missing)")
        for text, year in TIMELINE:
            event = tab_to_name(self.program, text, front)
            key("space")  # picks it up
            for _ in range(2 * len(YEARS)):
                at = poll(lambda: self.highlighted_year(front), 2)
                if at is None:
                    raise StepFailed(f"after space on {text!r} no year box reads as highlighted")
                if at == year:
                    break
                key("Up" if YEARS.index(year) < YEARS.index(at) else "Down")
                poll(lambda: self.highlighted_year(front) != at, 2, 0.05)
            else:
                raise StepFailed(f"Up and Down never brought {text!r} beside {year}")
            key("space")  # drops it
            if not poll(lambda: year in description(event), 3):
                raise StepFailed(f"{text!r} dropped beside {year}, but its description reads "
                                 f"{description(event)!r}")
        self.press_on(named("Check Score"), "'Check Score'")
        if poll(lambda: find(front, named("6 out of 6 correct")), 5) is None:
            raise StepFailed("Check Score did not read '6 out of 6 correct'")
        self.note("the timeline reads '6 out of 6 correct'")

    def highlighted_year(self, front):
        """The year of the box an event in hand would drop into: the box that reads as
        focused or selected, or else a year the focused event's description names."""
        for acc in find_all(front, lambda a: name(a).startswith("Box beside ")):
            if has(acc, S.FOCUSED) or has(acc, S.SELECTED):
                return name(acc)[len("Box beside "):]
        focus = self.program.focused()
        found = re.search(r"beside (\d{4})", description(focus)) if focus else None
        return found.group(1) if found else None

    # e. The teacher's catalogue: a worksheet's menu, and the import command.
    def catalogue(self):
        self.press_on(named("Exit"), "the topic's 'Exit'")
        self.expect_front(named("Worksheet Catalogue", ["push button"]), "the main menu")
        self.press_on(named("Worksheet Catalogue"), "'Worksheet Catalogue'")
        front = self.expect_front(named("Import\u2026", ["push button"]), "the catalogue's 'Import\u2026'")
        self.show("the catalogue as read", front)
        entry = tab_to_name(self.program, WORKSHEET)
        if "answer key" not in description(entry):
            self.problem(f"the worksheet's description does not tell of its menu: {description(entry)!r}")
        # A popup menu is no child of the application in the tree: a screen reader learns of
        # it from the focus moving onto its items, and so does this step.
        watch = FocusWatch()
        key("Menu")
        # The menu opens with nothing chosen; Down chooses its first command.
        time.sleep(0.5)
        key("Down")
        item = watch.wait(lambda acc: role(acc) == "menu item", 5)
        if item is None:
            raise StepFailed("the Menu key on a worksheet put the focus on no menu item")
        items = [name(a) for a in children(item.get_parent()) if role(a) == "menu item"]
        if items != WORKSHEET_MENU:
            self.problem(f"the worksheet's menu reads {items}, not {WORKSHEET_MENU}")
        key("Escape")
        if watch.wait(lambda acc: name(acc) == WORKSHEET, 5) is None:
            self.problem("Escape did not bring the focus back from the menu to the worksheet")
        watch.stop()
        tab_to_name(self.program, "Import\u2026")

    def all(self):
        if not self.run("a. main menu to the topic", self.main_menu):
            return
        for step, body in [("b. the quiz with every answer right", self.quiz),
                           ("c. the Braille cipher", self.cipher),
                           ("d. the Braille timeline", self.timeline),
                           ("e. the worksheet catalogue", self.catalogue)]:
            if not self.hub_is_front() and not self.back_to_hub():
                self.results.append((step, ["not run: the topic could not be reached again"]))
                print(f"{step}\n  not run: the topic could not be reached again")
                continue
            self.run(step, body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--content", required=True)
    parser.add_argument("--dump", nargs="*", metavar="KEY",
                        help="press these keys, then print the front screen's tree")
    parser.add_argument("--timeout", type=float, default=60,
                        help="seconds to wait for the program on the AT-SPI desktop")
    args = parser.parse_args()

    program = Program.find(args.pid, args.timeout)
    if args.dump is not None:
        program.wait_focus()
        for name_of_key in args.dump:
            key(name_of_key)
            time.sleep(0.5)
        for text in dump(program.front()):
            print(text)
        return 0

    scenario = Scenario(program, args.content)
    scenario.all()
    print("summary:")
    failed = False
    for step, problems in scenario.results:
        print(f"  {'ok  ' if not problems else 'FAIL'} {step}")
        for problem in problems:
            print(f"         {problem}")
        failed = failed or bool(problems)
    ran = len(scenario.results)
    if ran < 5:
        print(f"  the steps after {scenario.results[-1][0]!r} were not run")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
