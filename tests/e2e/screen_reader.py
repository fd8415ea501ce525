"""A blind pupil and a blind teacher go through the program with keys alone, and hear it and
read it on a Braille display as Orca presents it: every check here reads what Orca spoke and
showed, from the lines SPEECH OUTPUT and BRAILLE LINE of its debug log. Run by
screen_reader.sh, which starts the buses, the registry, Orca and the program.

Exit status: 0 when every step passes, 1 when one fails.
"""

import argparse
import os
import re
import subprocess
import sys
import time

# The standard dot numbers of the letters, written out here rather than taken from the program.
LETTER_DOTS = {
    "a": "1", "b": "12", "c": "14", "d": "145", "e": "15", "f": "124", "g": "1245",
    "h": "125", "i": "24", "j": "245", "k": "13", "l": "123", "m": "134", "n": "1345",
    "o": "135", "p": "1234", "q": "12345", "r": "1235", "s": "234", "t": "2345", "u": "136",
    "v": "1236", "w": "2456", "x": "1346", "y": "13456", "z": "1356",
}

# The timeline's events and the year each belongs to.
TIMELINE = [
    ("Anselm Corrigan visited Tomas Verrin's school.", "1821"),
    ("Tomas Verrin was born in Coupvray.", "1809"),
    ("The Braille code was adopted world-wide.", "1932"),
    ("Tomas had an accident in the workshop.", "1812"),
    ("Tomas Verrin died in Paris, aged 43.", "1852"),
    ("Verrin's remains were moved to the Pantheon in Paris.", "1952"),
]
YEARS = ["1809", "1812", "1821", "1852", "1932", "1952"]  # top to bottom

WORKSHEET = "Braille sample"  # imported by screen_reader.sh before the program starts


class StepFailed(Exception):
    pass


# --- what Orca said -------------------------------------------------------------------------

ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - (SPEECH OUTPUT|BRAILLE LINE): +'")
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|\[.*\])?$", re.S)
BRAILLE = re.compile(r"BRAILLE LINE: +'(.*)'$", re.S)
CONTINUATION = " " * 18


class OrcaLog:
    """The utterances and Braille lines of Orca's debug log, read as Orca writes them.
    Orca writes a text of several lines as lines that go on after 18 blanks."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = ""
        self.pending = None
        self.entries = []  # ("speech" | "braille", text)

    def _finish(self):
        if self.pending is None:
            return
        text = "\n".join(self.pending)
        match = SPEECH.search(text) or BRAILLE.search(text)
        if match:
            kind = "speech" if text.startswith("SPEECH") else "braille"
            self.entries.append((kind, match.group(1)))
        self.pending = None

    def read(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(self.offset)
            data = log.read()
            self.offset = log.tell()
        lines = (self.partial + data).split("\n")
        self.partial = lines.pop()
        for line in lines:
            if self.pending is not None and line.startswith(CONTINUATION):
                self.pending.append(line[len(CONTINUATION):])
                continue
            self._finish()
            found = ENTRY.match(line)
            if found:
                self.pending = [line[found.start(1):]]
        return self.entries

    def mark(self):
        return len(self.read())

    def since(self, mark, kind):
        return [text for k, text in self.read()[mark:] if k == kind]

    def wait(self, mark, kind, found, timeout=8):
        """The first entry of `kind` after `mark` that `found` accepts, within `timeout`."""
        end = time.monotonic() + timeout
        while True:
            for text in self.since(mark, kind):
                if found(text):
                    return text
            if time.monotonic() > end:
                return None
            time.sleep(0.05)

    def settle(self, mark, quiet=0.3, timeout=4):
        """Waits for a Braille line after `mark`, then until Orca has been quiet a while."""
        if self.wait(mark, "braille", lambda text: True, timeout) is None:
            return
        count, still = len(self.read()), time.monotonic()
        while time.monotonic() - still < quiet:
            time.sleep(0.05)
            if len(self.read()) != count:
                count, still = len(self.read()), time.monotonic()

    def last_braille(self):
        lines = [text for kind, text in self.read() if kind == "braille"]
        return lines[-1] if lines else ""


def words(text):
    return " ".join(text.split())


def key(name_of_key):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name_of_key], check=True)


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


def page_passages(path):
    """From a page's source: its heading and paragraphs in reading order, each as its words,
    and the captions of its pictures, which are read after the text in the order the
    pictures lay them out."""
    passages, captions, paragraph, picture = [], [], [], False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if picture or line.startswith("["):
                if line.startswith("["):
                    captions.append(words(line.partition("|")[2].rstrip("]")))
                picture = not line.endswith("]")
                line = ""
            if line.startswith("@"):
                continue
            if not line or line.startswith("#"):
                if paragraph:
                    passages.append(words(" ".join(paragraph)))
                paragraph = []
                if line:
                    passages.append(words(line.lstrip("#")))
            else:
                paragraph.append(line.replace("*", ""))
    if paragraph:
        passages.append(words(" ".join(paragraph)))
    return passages, captions


def braille_word(cells):
    letters = []
    for cell in cells:
        dots = "".join(str(n + 1) for n in range(6) if (ord(cell) - 0x2800) >> n & 1)
        letters.append(next((k for k, v in LETTER_DOTS.items() if v == dots), "?"))
    return "".join(letters)


BRAILLE_CELLS = re.compile("[\u2800-\u283f]{2,}")


# --- the walk -------------------------------------------------------------------------------

class Walk:
    def __init__(self, orca, content, pages):
        self.orca = orca
        self.content = content
        self.pages = pages
        self.results = []
        self.problems = []
        self.heard = {}  # what the report quotes: step -> utterances

    def problem(self, text):
        print(f"  FAIL: {text}")
        self.problems.append(text)

    def run(self, step, body):
        print(step)
        self.problems = []
        try:
            body()
        except StepFailed as failure:
            self.problem(str(failure))
            print(f"  Orca last showed: {self.orca.last_braille()!r}")
        self.results.append((step, self.problems))
        return not self.problems

    def press(self, key_name, expect, what, kind="speech", timeout=8):
        """Presses a key and waits for Orca to say (or show) something `expect` accepts;
        returns the utterances from the key on, up to that one."""
        mark = self.orca.mark()
        key(key_name)
        found = self.orca.wait(mark, kind, expect, timeout)
        if found is None:
            said = self.orca.since(mark, "speech")
            raise StepFailed(f"after {key_name}, Orca never {what}; it said {said}")
        said = self.orca.since(mark, "speech")
        if kind == "speech":
            said = said[:said.index(found) + 1]
        return said

    def tab_to(self, pattern, what, limit=40, backwards=False):
        """Tab until Orca's Braille line, which shows the focus, matches `pattern`."""
        seen = []
        for _ in range(limit):
            line = self.orca.last_braille()
            if re.search(pattern, line):
                return
            seen.append(line)
            mark = self.orca.mark()
            key("shift+Tab" if backwards else "Tab")
            self.orca.settle(mark)
        raise StepFailed(f"{limit} presses of Tab never brought {what} to the Braille display; "
                         f"it showed {list(dict.fromkeys(seen))[-5:]}")

    def open_from(self, button, expect, what):
        self.tab_to(re.escape(button) + " push button$", repr(button))
        return self.press("Return", expect, what, timeout=10)

    # a. The main menu, and the topic.
    def main_menu(self):
        menu = lambda t: "Main Menu panel" in t or t.endswith("push button.")
        if self.orca.wait(0, "speech", menu, 15) is None:
            # The window manager gives a new window the keyboard; ask it if it has not.
            subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvanel$",
                            "windowactivate", "--sync"], timeout=10, check=False)
            if self.orca.wait(0, "speech", menu, 10) is None:
                raise StepFailed("Orca never spoke the main menu; it said "
                                 f"{self.orca.since(0, 'speech')[-5:]}")
        if not any("Zorvanel: Main Menu panel" in t for t in self.orca.since(0, "speech")):
            # Qt drops its news when it shows the first screen before its link to the
            # accessibility bus is up; the program tells the focus again, not the screen.
            print("  note: Orca heard the menu's focus but not the menu itself at start-up")
        self.open_from("Tomas Verrin", lambda t: t.startswith("Key Facts push button"),
                       "spoke the topic's first command")

    # b. The Key Facts, read aloud as they open and at every turn, and line by line.
    def key_facts(self):
        pages = [page_passages(os.path.join(self.pages, f"keyfacts{n}.txt")) for n in (1, 2, 3)]
        said = self.open_from("Key Facts", lambda t: t.startswith("Print push button"),
                              "spoke the viewer's first command")
        self.heard["Key Facts opened"] = said
        page = next((t for t in said if t.startswith("Page 1 of 3")), None)
        if page is None:
            raise StepFailed(f"the Key Facts opened without 'Page 1 of 3' and its page: {said}")
        self.check_page(page, 1, pages[0])
        for n in (2, 3):
            said = self.press("Page_Down", lambda t, n=n: t.startswith(f"Page {n} of 3"),
                              f"read page {n} on Page Down")
            self.heard[f"Key Facts, Page Down to page {n}"] = said
            self.check_page(said[-1], n, pages[n - 1])
        # The page itself, next in the tab order, read again and then line by line as in a
        # document; Say All reads on from the line reached.
        said = self.press("Tab", lambda t: t.startswith("Page 3 of 3"), "read the page it came to")
        if not said[-1].endswith("label."):
            self.problem(f"the page as focused reads {said[-1]!r}")
        passages = pages[2][0]
        self.press("Down", lambda t: t.strip() == "Key Facts", "read the page's next line")
        said = self.press("Down", lambda t: t.strip(), "read the line after")
        if words(said[-1]) != passages[0]:
            self.problem(f"Down read {said[-1]!r}, not the heading {passages[0]!r}")
        said = self.press("Down", lambda t: t.strip(), "read the line after that")
        if not passages[1].startswith(words(said[-1])):
            self.problem(f"Down read {said[-1]!r}, not the start of {passages[1]!r}")
        braille = self.orca.last_braille()
        if words(said[-1]) not in words(braille):
            self.problem(f"the Braille display shows {braille!r}, not the line read")
        last = passages[-1].split()[-1]
        said = self.press("KP_Add", lambda t: last in t, "read on to the page's end with Say All",
                          timeout=20)
        if passages[2] not in words(" ".join(said)):
            self.problem(f"Say All did not read on from the line reached: {said}")
        self.press("Escape", lambda t: "Zorvanel: Tomas Verrin panel" in t, "went back to the topic")

    def check_page(self, utterance, number, page):
        passages, captions = page
        text = words(utterance)
        at = 0
        for passage in passages:
            found = text.find(passage, at)
            if found < 0:
                self.problem(f"page {number} as spoken lacks, or reads out of order: {passage!r}")
                return
            at = found + len(passage)
        for caption in captions:
            if caption not in text[at:]:
                self.problem(f"page {number} as spoken lacks, after its text: {caption!r}")

    # c. The quiz by keys, every question heard before its answers, every answer right.
    def quiz(self):
        title, questions = read_question_set(os.path.join(self.content, "multiple", "Tomas Verrin.txt"))
        heading = lambda n: f"Question {n} {questions[n - 1][0]}"
        said = self.open_from("Multiple Choice", lambda t: "radio button" in t,
                              "spoke the first answer")
        for number, (text, answers, correct) in enumerate(questions, 1):
            if number > 1:
                forward = "Next Question >>"
                self.tab_to(re.escape(forward) + " push button$", repr(forward))
                said = self.press("Return", lambda t: "radio button" in t,
                                  f"spoke question {number}'s first answer")
            self.heard.setdefault(f"question {number}", said)
            spoken = [words(t) for t in said]
            at = next((i for i, t in enumerate(spoken) if t.startswith(heading(number))), None)
            first = next((i for i, t in enumerate(spoken) if t.startswith("A: ")), None)
            if at is None or first is None or at > first:
                raise StepFailed(f"question {number}: Orca said {said}, not "
                                 f"{heading(number)!r} before its first answer")
            if text not in self.orca.last_braille():
                self.problem(f"question {number}: the Braille line {self.orca.last_braille()!r} "
                             f"lacks the question")
            # The keys that choose an answer: 1 to 4 here, a to d on every other question.
            letter = "ABCD"[correct - 1]
            chosen = str(correct) if number % 2 else letter.lower()
            said = self.press(chosen, lambda t: re.search(r"(?<!not )selected", t),
                              f"said an answer was chosen by the key {chosen!r}")
            if not any(t.startswith(f"{letter}: {answers[correct - 1]}") for t in said):
                raise StepFailed(f"question {number}: the key {chosen!r} chose {said}")
        self.tab_to(r"Check Score >> push button$", "'Check Score >>'")
        said = self.press("Return", lambda t: t.startswith("Your name"), "spoke the name box",
                          timeout=10)
        self.heard["the results, full marks"] = said
        score = "Excellent work. You have scored 10 out of 10."
        where = [i for i, t in enumerate(said) if score in t]
        if not where or not any("Well Done!" in t for t in said[:where[0] + 1]):
            self.problem(f"the results said {said}, not the praise and {score!r} first")
        self.press("Escape", lambda t: "Zorvanel: Tomas Verrin panel" in t, "went back to the topic")

    # d. The cipher: the word first, the key a letter at a time, the answer and a new word.
    def cipher(self):
        said = self.open_from("Braille Cipher", lambda t: bool(BRAILLE_CELLS.search(t)),
                              "spoke the word in Braille")
        if any(re.search(r"\b[a-z], dots", t) for t in said):
            self.problem(f"the key was read before the word: {said}")
        word = braille_word(BRAILLE_CELLS.search(said[-1]).group())
        if BRAILLE_CELLS.search(self.orca.last_braille()) is None:
            self.problem(f"the Braille display shows {self.orca.last_braille()!r}, not the cells")
        print(f"  the word in Braille reads {word!r}")
        self.press("Tab", lambda t: t.startswith("a, dots 1"), "spoke the key's first letter")
        self.press("Right", lambda t: t.startswith("b, dots 1 2"), "spoke the key's next letter")
        self.tab_to(r"Answer push button$", "'Answer'")
        self.press("Return", lambda t: words(t).rstrip(".") == word,
                   f"spoke the answer {word!r}")
        self.tab_to(r"New Problem push button$", "'New Problem'")
        self.press("Return", lambda t: bool(BRAILLE_CELLS.fullmatch(t.strip())),
                   "spoke the new word in Braille")
        self.press("Escape", lambda t: "Zorvanel: Tomas Verrin panel" in t, "went back to the topic")

    # e. The timeline placed by keys, each move heard, and the score.
    def timeline(self):
        self.open_from("Braille Timeline", lambda t: "Put these events" in t, "read the task")
        over = re.compile(r"over the box beside (\d{4})")
        for text, year in TIMELINE:
            self.tab_to(re.escape(text), repr(text))
            said = self.press("space", lambda t: over.search(t), f"said where {text!r} is held")
            at = over.search(said[-1]).group(1)
            while at != year:
                step = "Up" if YEARS.index(year) < YEARS.index(at) else "Down"
                said = self.press(step, lambda t: over.search(t), "said the box it moved to")
                at = over.search(said[-1]).group(1)
            self.press("space", lambda t, y=year: t.startswith(f"in the box beside {y}"),
                       f"said {text!r} was dropped beside {year}")
        self.tab_to(r"Check Score push button$", "'Check Score'")
        said = self.press("Return", lambda t: "out of 6 correct" in t, "spoke the score")
        if "6 out of 6 correct" not in said[-1]:
            self.problem(f"the timeline's score was spoken as {said[-1]!r}")
        self.press("Escape", lambda t: "Zorvanel: Tomas Verrin panel" in t, "went back to the topic")

    # f. The teacher's side: the wizard spoken as it opens and a refused save, a worksheet's menu.
    def teacher(self):
        self.press("Escape", lambda t: "Zorvanel: Main Menu panel" in t, "went back to the menu")
        said = self.open_from("Multiple Choice Wizard", lambda t: t.startswith("Worksheet title"),
                              "spoke the wizard's title box")
        if not any("Multiple Choice Wizard" in t for t in said):
            self.problem(f"the wizard opened without its name: {said}")
        self.tab_to(r"Save Worksheet push button$", "'Save Worksheet'", backwards=True)
        message = "You have not chosen a title for your worksheet."
        self.press("Return", lambda t: message in t, f"spoke the message {message!r}")
        self.press("Return", lambda t: "Save Worksheet push button" in t, "went back to the wizard")
        self.press("Escape", lambda t: "Zorvanel: Main Menu panel" in t, "went back to the menu")
        self.open_from("Worksheet Catalogue", lambda t: "Worksheets Catalogue panel" in t,
                       "spoke the catalogue")
        self.tab_to(re.escape(WORKSHEET) + " push button$", repr(WORKSHEET))
        key("Menu")
        self.press("Down", lambda t: t.startswith("Print"), "spoke the worksheet menu's command")
        # Braille for the blind pupil: the command, then its question, both spoken.
        for _ in range(8):
            if self.press("Down", lambda t: True, "spoke a menu command")[-1].startswith(
                    "Save in Braille"):
                break
        else:
            self.problem("the worksheet menu has no 'Save in Braille…' within reach")
        self.press("Return", lambda t: "Which copy, in which Braille?" in t,
                   "spoke the Braille save's question")
        self.press("Down", lambda t: t.startswith("Worksheet, uncontracted (grade 1)"),
                   "spoke the next copy to choose")
        self.press("Escape", lambda t: t.startswith(f"{WORKSHEET} push button"),
                   "went back to the worksheet")
        # The class's results of the topic's quiz, which this walk took with every answer right:
        # the table read cell by cell, the chart by its figures.
        self.tab_to("Import\u2026 push button$", "'Import\u2026'")
        key("Menu")
        self.press("Down", lambda t: t.startswith("Results"), "spoke the catalogue's own menu")
        said = self.press("Return", lambda t: "combo box" in t, "spoke the results view",
                          timeout=10)
        self.heard["the results view"] = said
        if not any("Results: Tomas Verrin panel" in t for t in said) or \
                not any(t.startswith("1 pupil, 1 attempt.") for t in said):
            self.problem(f"the results view opened without its heading and figures: {said}")
        said = self.press("Tab", lambda t: "table with 1 row 3 columns" in t, "spoke the table")
        self.heard["the results table"] = said
        # Along the newest attempt's row with the arrows, as in any table.
        said = self.press("Right", lambda t: re.search(r"\d\d\d\d-\d\d-\d\d \d\d:\d\d", t),
                          "read when the attempt was finished")
        said += self.press("Right", lambda t: re.search(r"\b10\b", t), "read the attempt's score")
        said += self.press("Home", lambda t: "root" in t, "read the attempt's pupil")
        self.heard["the results table, along the row"] = said
        said = self.press("Tab", lambda t: "Question 10: 100% right" in t, "read the chart's figures")
        self.heard["the results chart"] = said
        self.press("Escape", lambda t: "Worksheets Catalogue panel" in t,
                   "went back to the catalogue")

    def all(self):
        steps = [("a. the main menu and the topic", self.main_menu),
                 ("b. the Key Facts", self.key_facts),
                 ("c. the quiz with every answer right", self.quiz),
                 ("d. the Braille cipher", self.cipher),
                 ("e. the Braille timeline", self.timeline),
                 ("f. the wizard and the catalogue", self.teacher)]
        for step, body in steps:
            if body in (self.quiz, self.cipher, self.timeline) and not self.back_to_topic():
                self.results.append((step, ["not run: the topic could not be reached again"]))
                continue
            if not self.run(step, body) and body == self.main_menu:
                break

    def back_to_topic(self):
        """After a failed step: Escape until Orca says the topic is in front again."""
        for _ in range(4):
            if "Zorvanel: Tomas Verrin panel" in self.orca.last_braille():
                return True
            mark = self.orca.mark()
            key("Escape")
            self.orca.settle(mark)
        return "Zorvanel: Tomas Verrin panel" in self.orca.last_braille()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True, help="Orca's debug log")
    parser.add_argument("--content", required=True)
    parser.add_argument("--pages", required=True, help="the page texts the content was made from")
    args = parser.parse_args()

    walk = Walk(OrcaLog(args.log), args.content, args.pages)
    walk.all()
    print("what Orca said:")
    for step, said in walk.heard.items():
        print(f"  {step}:" + "".join(f"\n    {text!r}" for text in said))
    print("summary:")
    failed = len(walk.results) < 6
    for step, problems in walk.results:
        print(f"  {'ok  ' if not problems else 'FAIL'} {step}")
        for problem in problems:
            print(f"         {problem}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
