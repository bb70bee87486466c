# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays one practice set the way a screen reader user does, through AT-SPI
alone: never the widgets, never the pointer. Reads every problem from its
answer box, answers some rows right and some wrong, submits, and checks that
each verdict, each answer box and the score are heard as they should be, that
the score is announced at every grading, that every box's text is read whole,
and that a new set clears the verdicts. Also checks that the boxes the pupil
cannot change cannot be changed through AT-SPI."""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = 'sumgrove'
RIGHT, WRONG = '正确', '错误'
SYMBOLS = {'+': lambda x, y: x + y, '-': lambda x, y: x - y,
           '×': lambda x, y: x * y, '÷': lambda x, y: x // y}


def fact(name):
    """A fact of the window the tests share (window.facts)."""
    with open(os.path.join(os.path.dirname(__file__), 'window.facts'), encoding='utf-8') as facts:
        for line in facts:
            if line.startswith(name + ' '):
                return line[len(name) + 1:].rstrip('\n')
    raise KeyError(name)


def xdotool(*args):
    subprocess.run(['xdotool', *args], check=True)


def focus_window(title=None, timeout=60):
    """No window manager gives the window the keyboard: give it the X focus.
    xdotool gives up at an X error, as when a window goes while it looks at it
    (a browser makes and drops some as it starts): it is asked again."""
    title = re.escape(title) if title else fact('title')
    end = time.time() + timeout
    while subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', f'^{title}$',
                          'windowfocus', '--sync'], stderr=subprocess.DEVNULL).returncode != 0:
        if time.time() > end:
            fail(f'no window titled {title} took the focus')
        time.sleep(0.2)


def fail(message):
    print('FAIL:', message)
    sys.exit(1)


def find_app(timeout=120, name=APP):
    """The program (or the browser of its page) once it is on the accessibility
    bus with its whole form. Emulated on a busy machine that can take a
    minute: wait for it, not for time."""
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and \
                    sum(re.fullmatch(r'第\d+题', n.name or '') is not None for n in nodes(app)) == 20:
                return app
        time.sleep(0.5)
    fail('the program and its form never appeared on the accessibility bus')


def nodes(root):
    yield root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def fresh(node):
    """What the node says now, not what the client cached earlier."""
    node.clearCache()
    return node


def wait_until(check, what, timeout=5):
    end = time.time() + timeout
    while time.time() < end:
        if check():
            return
        time.sleep(0.05)
    fail(what)


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if 'Press' not in names:
        fail(f'{button.name} cannot be pressed: {names}')
    action.doAction(names.index('Press'))


class Window:
    def __init__(self, app):
        everything = list(nodes(app))
        buttons = {n.name: n for n in everything if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        self.start, self.submit = buttons['开始练习'], buttons['提交答案']
        self.answers, self.verdicts, self.operands, self.operators = {}, {}, [], []
        for node in everything:
            match = re.fullmatch(r'第(\d+)题', node.name or '')
            if match and node.getRole() == pyatspi.ROLE_TEXT:
                row = [node.parent.getChildAtIndex(i) for i in range(node.parent.childCount)]
                at = row.index(node)
                number = int(match.group(1))
                self.answers[number], self.verdicts[number] = node, row[at + 1]
                self.operands += [row[0], row[2]]
                self.operators.append(row[1])
        if sorted(self.answers) != list(range(1, 21)):
            fail(f'answer boxes heard: {sorted(self.answers)}')
        captions = [n for n in everything if n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith('得分')]
        self.score = captions[-1]  # the caption itself comes first
        clocks = [n for n in everything if n.name == '计时' and n.getRole() != pyatspi.ROLE_LABEL]
        if not clocks:
            fail('no clock named 计时')

    def description(self, number):
        return fresh(self.answers[number]).description

    def verdict(self, number):
        return fresh(self.verdicts[number]).name


def problem_of(description):
    match = re.fullmatch(r'(\d+) (.) (\d+) =', description)
    if not match or match.group(2) not in SYMBOLS:
        fail(f'answer box describes "{description}", not a problem')
    return SYMBOLS[match.group(2)](int(match.group(1)), int(match.group(3)))


def submit_and_listen(window):
    """Presses 提交答案 and collects what the score's caption is renamed to
    meanwhile, and what the program notifies, wherever the focus is."""
    heard, notified = [], []

    def on_name(event):
        if event.source == window.score:
            heard.append(event.source.name)

    def on_shown(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            notified.append(event.source.name)

    listeners = [(on_name, 'object:property-change:accessible-name'), (on_shown, 'object:state-changed:showing')]
    for listener in listeners:
        pyatspi.Registry.registerEventListener(*listener)
    GLib.timeout_add(200, lambda: press(window.submit) and False)
    GLib.timeout_add(2500, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    for listener in listeners:
        pyatspi.Registry.deregisterEventListener(*listener)
    return heard, notified


def read_whole(box, what):
    """A screen reader reads a box's line from its runs of text attributes: one must hold all of it."""
    text = box.queryText()
    _, start, end = text.getAttributeRun(0, False)
    if (start, end) != (0, text.characterCount):
        fail(f'{what} "{text.getText(0, -1)}" is read as the run {start} to {end}')


def main():
    window = Window(find_app())
    if any(window.description(n) for n in range(1, 21)):
        fail('an answer box describes a problem before any was dealt')

    press(window.start)
    wait_until(lambda: all(window.description(n) for n in range(1, 21)), 'no problems heard after 开始练习')
    problems = {n: window.description(n) for n in range(1, 21)}

    # Rows 3, 6, ... 18 get a wrong answer, row 20 none: seven wrong, 65 points.
    wrong = {n for n in range(1, 21) if n % 3 == 0} | {20}
    for n in range(1, 20):
        answer = problem_of(problems[n]) + (1 if n in wrong else 0)
        if not window.answers[n].queryEditableText().setTextContents(str(answer)):
            fail(f'could not type into row {n}')

    heard, notified = submit_and_listen(window)
    score = f'得分 {100 - 5 * len(wrong)}'
    if score not in heard or notified != [score]:
        fail(f'the score was not announced once: renamed {heard}, notified {notified}')
    if fresh(window.score).name != score:
        fail(f'score heard as "{window.score.name}", not "{score}"')
    for n in range(1, 21):
        verdict = WRONG if n in wrong else RIGHT
        if window.verdict(n) != verdict:
            fail(f'row {n}: verdict heard as "{window.verdict(n)}", not "{verdict}"')
        if window.description(n) != f'{problems[n]} ，{verdict}':
            fail(f'row {n}: answer box heard as "{window.description(n)}"')
    for n in (1, 3):
        print(f'row {n}: "第{n}题", "{window.description(n)}"; mark "{window.verdict(n)}"')
    print(f'score: "{window.score.name}", renamed {heard}, notified {notified}')
    for n in (1, 2):
        read_whole(fresh(window.answers[n]), f'row {n}\'s answer')
    read_whole(fresh(window.operands[0]), 'an operand')

    # Correcting row 3 and submitting again regrades it and announces the new score.
    window.answers[3].queryEditableText().setTextContents(str(problem_of(problems[3])))
    heard, notified = submit_and_listen(window)
    regraded = f'得分 {100 - 5 * (len(wrong) - 1)}'
    if heard != [regraded] or notified != [regraded] or window.verdict(3) != RIGHT \
            or window.description(3) != f'{problems[3]} ，{RIGHT}':
        fail(f'after a correction: heard {heard}, notified {notified}, row 3 "{window.verdict(3)}", '
             f'"{window.description(3)}"')
    # Graded again as it stands, the same score is told again.
    heard, notified = submit_and_listen(window)
    if notified != [regraded]:
        fail(f'graded again, the score was notified as {notified}')

    # What the pupil cannot change, a client cannot change either.
    operand = window.operands[0]
    before = operand.queryText().getText(0, -1)
    try:
        operand.queryEditableText().setTextContents('99')
    except NotImplementedError:
        pass
    if fresh(operand).queryText().getText(0, -1) != before:
        fail('an operand box was rewritten through AT-SPI')
    for operator in window.operators:
        if 'Action' in pyatspi.listInterfaces(operator) and operator.queryAction().nActions:
            fail('an operator box offers actions')

    press(window.start)
    wait_until(lambda: not any(window.verdict(n) for n in range(1, 21)), 'a new set kept the verdicts')
    for n in range(1, 21):
        if not re.fullmatch(r'\d+ . \d+ =', window.description(n)):
            fail(f'row {n} after a new set: "{window.description(n)}"')
    if fresh(window.score).name != '得分':
        fail(f'a new set left the score heard as "{window.score.name}"')


if __name__ == '__main__':
    main()
