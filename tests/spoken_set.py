# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays one practice set with Orca running, from the keyboard alone, as a
blind pupil does, and listens to what Orca speaks (the texts its speech
server is given, $SPOKEN): the menu, each answer box with its problem, once,
an answer typed into a box heard whole when the box is reached again, the
verdict of the box in focus at the first grading, and the score at every
grading, once, without the focus moving. What the program holds is read through AT-SPI, to know what
should be heard; what is heard is matched by the program's own words and
numbers, not by Orca's."""

import os
import re
import time

import pyatspi

from screen_reader import WRONG, Window, fail, find_app, focus_window, fresh, problem_of, wait_until, xdotool

TAB_ORDER = [2, 4, 5, 6, 7, 8, 9, 10, 3, 17, 11, 12, 16, 18, 15, 20, 13, 19, 14, 1]


class Speech:
    """What Orca has spoken, a text a line, since a mark."""

    def __init__(self, path):
        self.path = path

    def lines(self, since=0):
        with open(self.path, encoding='utf-8', errors='replace') as spoken:
            return [line.strip() for line in spoken.readlines()[since:]]

    def mark(self):
        return len(self.lines())

    def settle(self, quiet=1.0, timeout=15):
        """Waits until Orca has said nothing for QUIET seconds."""
        end, count, since = time.time() + timeout, self.mark(), time.time()
        while time.time() < end:
            time.sleep(0.1)
            if self.mark() != count:
                count, since = self.mark(), time.time()
            elif time.time() - since >= quiet:
                return
        fail('Orca never fell silent')

    def wait(self, pattern, since, what, timeout=15):
        end = time.time() + timeout
        while time.time() < end:
            if any(re.search(pattern, line) for line in self.lines(since)):
                return
            time.sleep(0.1)
        fail(f'{what}: heard {self.lines(since)}')

    def count(self, pattern, since):
        return sum(re.search(pattern, line) is not None for line in self.lines(since))


def key(*keys):
    xdotool('key', '--delay', '120', *keys)


def type_text(text):
    xdotool('type', '--delay', '120', text)


def number(n):
    """N heard as a number of its own, not as part of another."""
    return rf'(?<!\d){n}(?!\d)'


def heard_problem(description):
    """The problem as heard: its two numbers in order, the symbols in the server's words."""
    first, _, second = description.rstrip(' =').split(' ')
    return number(first) + r'\D+' + number(second)


def main():
    speech = Speech(os.environ['SPOKEN'])
    window = Window(find_app())
    focus_window()
    speech.wait('第1题', 0, 'Orca never read the box the focus starts in', timeout=60)
    steps = []

    def step(name, mark):
        speech.settle()
        steps.append((name, speech.lines(mark)))

    # The 系统 menu by Alt and Down, then 开始练习 by Return.
    speech.settle()
    mark = speech.mark()
    key('alt')
    speech.wait('系统', mark, 'Alt did not take Orca to the 系统 menu')
    key('Down')
    speech.wait('开始练习', mark, 'the menu was not read')
    key('Return')
    wait_until(lambda: all(window.description(n) for n in range(1, 21)), 'no set dealt', timeout=10)
    problems = {n: window.description(n) for n in range(1, 21)}
    answers = {n: problem_of(problems[n]) for n in range(1, 21)}
    step('dealt', mark)

    # Each box is heard by its name and problem, once, as Tab reaches it; row 2
    # gets a wrong answer of two digits at least, every other row its own.
    typed = {n: answers[n] + (10 if n == 2 else 0) for n in range(1, 21)}
    for n in TAB_ORDER:
        mark = speech.mark()
        key('Tab')
        speech.wait(f'第{n}题', mark, f'Tab did not bring row {n} to be heard')
        speech.wait(heard_problem(problems[n]), mark, f'row {n}\'s problem "{problems[n]}" was not heard')
        if n in (2, 4):
            step(f'Tab to row {n}', mark)
            if speech.count(heard_problem(problems[n]), mark) != 1:
                fail(f'row {n}\'s problem was heard more than once: {speech.lines(mark)}')
        type_text(str(typed[n]))
    # Back to row 2, whose answer Tab selects, and Orca reads as the selection.
    mark = speech.mark()
    key('Tab')
    speech.wait(number(typed[2]), mark, f'row 2\'s answer {typed[2]} was not heard whole')
    step('back to row 2', mark)

    def grade(score, answer, verdict=None):
        """From the menu, back to row 2, whose line Orca reads: the answer, whole."""
        speech.settle()
        mark = speech.mark()
        key('alt')
        speech.wait('系统', mark, 'Alt did not take Orca to the 系统 menu')
        key('Down', 'Down', 'Return')
        speech.wait(f'得分 ?{number(score)}', mark, f'the score {score} was not heard')
        step(f'graded, {score}', mark)
        if speech.count(f'得分 ?{number(score)}', mark) != 1:
            fail(f'the score was heard more than once: {speech.lines(mark)}')
        if verdict and not any(verdict in line for line in speech.lines(mark)):
            fail(f'row 2\'s verdict {verdict} was not heard: {speech.lines(mark)}')
        if not speech.count(number(answer), mark):
            fail(f'row 2\'s answer {answer} was not heard whole: {speech.lines(mark)}')
        if not fresh(window.answers[2]).getState().contains(pyatspi.STATE_FOCUSED):
            fail('the focus left row 2')

    grade(95, typed[2], WRONG)
    # Corrected, graded again: the new score; graded once more as it stands:
    # the same again. (With Qt 6 the menu gives the focus back before the
    # action runs, and Orca 48 then reads the box's verdict of before.)
    key('ctrl+a')
    type_text(str(answers[2]))
    grade(100, answers[2])
    grade(100, answers[2])
    for name, lines in steps:
        print(f'{name}: {" / ".join(lines)}')


if __name__ == '__main__':
    main()
