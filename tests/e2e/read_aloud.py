"""Drives the real program by keys and checks what it gave the speech service to say, from
the file the service's voice writes. Called by read_aloud.sh, which starts the service and
the display."""

import argparse
import os
import re
import subprocess
import sys
import time


def tokens(text):
    """Words as a voice says them: case, punctuation and line breaks do not count."""
    return re.findall(r"[a-z0-9']+", text.lower().replace("&", ","))


def find(hay, needle, start=0):
    for at in range(start, len(hay) - len(needle) + 1):
        if hay[at:at + len(needle)] == needle:
            return at
    return -1


class Said:
    """The service's record of what it was given, a line per piece of text."""

    def __init__(self, path):
        self.path = path

    def words(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            return tokens(f.read())

    def mark(self):
        return len(self.words())

    def wait(self, since, passages, timeout=10):
        """Waits until the passages have been said after `since`, one after another; gives
        the words said since then, and whether they were all there."""
        deadline = time.monotonic() + timeout
        while True:
            said = self.words()[since:]
            at, found = 0, True
            for passage in passages:
                hit = find(said, passage, at)
                if hit < 0:
                    found = False
                    break
                at = hit + len(passage)
            if found or time.monotonic() > deadline:
                return said, found
            time.sleep(0.1)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.25)


def read_question_set(path):
    """Ten (question, answers, right answer 1-4) from a question-set file: windows-1252,
    fields ended by a comma or a line end, '&' standing for a comma."""
    with open(path, "rb") as f:
        text = f.read().decode("cp1252", errors="replace")
    fields = [field.strip() for field in re.split(r"\r\n|[,\r\n]", text)]
    fields = fields[2:]
    return [(fields[7 * q], fields[7 * q + 1: 7 * q + 5], int(fields[7 * q + 5]))
            for q in range(10)]


def page_paragraphs(path):
    """A page's heading and paragraphs in reading order, from its source."""
    paragraphs, lines = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") or line.startswith("@"):
                continue
            if not line or line.startswith("#"):
                if lines:
                    paragraphs.append(tokens(" ".join(lines)))
                lines = []
                if line:
                    paragraphs.append(tokens(line.lstrip("#")))
            else:
                lines.append(line.replace("*", ""))
    if lines:
        paragraphs.append(tokens(" ".join(lines)))
    return paragraphs


class Walk:
    def __init__(self, args):
        self.said = Said(args.said)
        self.questions = read_question_set(os.path.join(args.content, "multiple",
                                                        "Tomas Verrin.txt"))
        self.pages = args.pages
        self.failures = []

    def check(self, what, since, passages, timeout=10):
        said, found = self.said.wait(since, passages, timeout)
        if found:
            print(f"ok: {what}")
        else:
            self.failures.append(what)
            print(f"FAIL: {what}: expected {[' '.join(p) for p in passages]}; "
                  f"said {' '.join(said)[-600:]!r}")
        return found

    def question_words(self, number):
        text, answers, _ = self.questions[number - 1]
        spoken = ["question", str(number)] + tokens(text)
        for letter, answer in zip("abcd", answers):
            spoken += [letter] + tokens(answer)
        return spoken

    def nothing_said(self, what, since):
        time.sleep(1.5)  # time for a reading that should not come
        said = self.said.words()[since:]
        if said:
            self.failures.append(what)
            print(f"FAIL: {what}: said {' '.join(said)[:600]!r}")
        else:
            print(f"ok: {what}")

    # The main menu's focus starts on its first entry. The sound options are its last stop,
    # reached on the one chosen; an arrow moves to the other and chooses it, and Tab goes
    # round to the first entry again.
    @staticmethod
    def switch_sound(on):
        key("shift+Tab", "Up" if on else "Down", "Tab")

    def open_topic(self):
        key("Tab", "Return")  # "Tomas Verrin"
        time.sleep(1)

    def open_quiz(self):
        key("Tab", "Tab", "Return")  # from "Key Facts" to "Multiple Choice"
        time.sleep(1)

    # From the answer chosen, out of the answers to "Next Question >>" ("Check Score >>"),
    # past "<< Previous Question" after the first.
    @staticmethod
    def next_question(number):
        key(*["Tab"] * (2 if number > 1 else 1), "Return")

    def silent_walk(self, what):
        since = self.said.mark()
        self.open_topic()
        key("Return")  # Key Facts
        time.sleep(1)
        key("Next", "Escape")
        self.open_quiz()
        key("1")
        self.next_question(1)
        key("Escape", "Escape")  # the quiz, then the topic
        time.sleep(1)
        self.nothing_said(what, since)

    def never_said(self, what, since, passage, wait=4):
        time.sleep(wait)
        if find(self.said.words()[since:], passage) >= 0:
            self.failures.append(what)
            print(f"FAIL: {what}: said {' '.join(passage)!r}")
        else:
            print(f"ok: {what}")

    def spoken_walk(self):
        self.open_topic()
        pages = [page_paragraphs(os.path.join(self.pages, f"keyfacts{n}.txt")) for n in (1, 2)]
        for number in (1, 2):
            since = self.said.mark()
            key("Return" if number == 1 else "Next")  # Key Facts, then its next page
            self.check(f"Key Facts page {number} read as it opens", since, pages[number - 1],
                       timeout=30)
        # A page turned cuts the last one short, and so does leaving the screen.
        since = self.said.mark()
        key("Prior", "Next")
        self.check("page 2 read again after a quick turn back and on", since, pages[1],
                   timeout=30)
        self.never_said("page 1 cut short by the turn", since, pages[0][-1], wait=0)
        since = self.said.mark()
        key("Prior", "Escape")
        self.never_said("page 1 cut short by leaving the Key Facts", since, pages[0][-1], wait=8)
        time.sleep(0.5)
        since = self.said.mark()
        self.open_quiz()
        self.check("question 1 and its answers read as the quiz opens", since,
                   [self.question_words(1)])
        since = self.said.mark()
        key("r")
        self.check("question 1 read again on R", since, [self.question_words(1)])
        for number, (_, _, right) in enumerate(self.questions, 1):
            key(str(right))
            since = self.said.mark()
            self.next_question(number)
            if number == 1:
                self.check("question 2 read after \"Next Question >>\"", since,
                           [self.question_words(2)])
        self.check("the praise and the score read as the results open", since,
                   [tokens("Excellent work. You have scored 10 out of 10.")])
        key("Escape", "Escape")  # the results, then the topic
        time.sleep(1)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--program", "--content", "--said", "--pages"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    walk = Walk(args)
    app = subprocess.Popen([args.program], cwd=args.content)
    try:
        for _ in range(200):
            if subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvanel$"],
                              capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvanel$",
                        "windowactivate", "--sync"], capture_output=True, timeout=10)
        time.sleep(1)
        walk.silent_walk("nothing said as the program starts, with \"Sound Off\"")
        walk.switch_sound(True)
        walk.spoken_walk()
        walk.switch_sound(False)
        walk.silent_walk("nothing said after \"Sound Off\"")
    finally:
        app.terminate()
        app.wait(timeout=10)
    if walk.failures:
        print(f"{len(walk.failures)} failed: {walk.failures}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
