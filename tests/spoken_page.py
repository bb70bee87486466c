# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays one practice set on the web page in Chromium with Orca running, from
the keyboard alone, as a blind pupil who knows nothing of Orca's modes plays
it: Tab, Shift+Tab, Return and digits. The focus starts on row 1's field;
each field is heard by its name and its problem, once, as Tab reaches it;
every problem is worked out from what Orca says; the score is heard at each
grading, a regrade of the same answers too; and the score proves that the
digits typed reached the boxes."""

import os
import re

from screen_reader import WRONG, fail, find_app, focus_window, problem_of
from spoken_set import TAB_ORDER, Speech, key, number, type_text

# The problem as the speech server reads it out: two numbers, the operator as
# a word (乘号, 除号: the first character says which), then "=".
HEARD = re.compile(r'(?<!\d)(\d+)\D*?(加|减|乘|除)\D*?(\d+)\D*等于')
SYMBOL_OF = {'加': '+', '减': '-', '乘': '×', '除': '÷'}
WRONG_ROW = 14  # the last field Tab reaches


def main():
    speech = Speech(os.environ['SPOKEN'])
    # The browser's window has the keyboard as the page opens, as a desktop
    # gives it to a window it opens.
    focus_window('数学练习题')
    find_app(name='Chromium')  # the page's fields on the accessibility bus
    speech.wait('第1题', 0, 'the focus did not start on row 1\'s field', timeout=120)
    speech.settle()
    steps = [('opened', speech.lines())]

    def step(name, mark):
        speech.settle()
        steps.append((name, speech.lines(mark)))

    # Shift+Tab to 开始练习, before the fields; Return deals the set.
    mark = speech.mark()
    key('shift+Tab')
    speech.wait('开始练习', mark, 'Shift+Tab from row 1 did not reach 开始练习')
    key('Return')
    step('开始练习', mark)

    # Orca 48 sometimes takes Chromium's caret move into a field for the focus
    # itself, and then says only the problem, as the field's description,
    # without the field's name and the problem's symbols: the pupil goes back
    # and forth to hear it again. Such rows are counted, not failed.
    def tab_to(n):
        mark = speech.mark()
        key('Tab')
        speech.wait(rf'第{n}题|\d\D+\d', mark, f'Tab to row {n}: nothing heard')
        speech.settle(quiet=0.5)
        return [m.groups() for m in map(HEARD.search, speech.lines(mark)) if m], mark

    typed, again = {}, []
    for n in [1] + TAB_ORDER[:-1]:
        problems, mark = tab_to(n)
        if not speech.count(f'第{n}题', mark):
            again.append(n)
            key('shift+Tab')
            speech.settle(quiet=0.5)
            problems, mark = tab_to(n)
        if len(problems) != 1 or not speech.count(f'第{n}题', mark):
            fail(f'row {n} was not heard by its name and its problem, once: {speech.lines(mark)}')
        if n in (1, 2):
            step(f'Tab to row {n}', mark)
        a, operator, b = problems[0]
        typed[n] = problem_of(f'{a} {SYMBOL_OF[operator]} {b} =') + (1 if n == WRONG_ROW else 0)
        type_text(str(typed[n]))
        speech.settle(quiet=0.5)  # a pupil hears the digits out before going on

    mark = speech.mark()
    key('Tab')
    speech.wait('提交答案', mark, f'Tab from row {WRONG_ROW} did not reach 提交答案')
    for graded in ('graded', 'graded again'):
        speech.settle()
        mark = speech.mark()
        key('Return')
        speech.wait(f'得分 ?{number(95)}', mark, f'{graded}: the score 95 was not heard')
        step(f'{graded}, 95', mark)
        if speech.count(f'得分 ?{number(95)}', mark) != 1:
            fail(f'{graded}: the score was heard more than once: {speech.lines(mark)}')

    # Back to the last field: its verdict, and the answer typed, whole.
    mark = speech.mark()
    key('shift+Tab')
    speech.wait(WRONG, mark, f'row {WRONG_ROW}\'s verdict was not heard')
    speech.wait(number(typed[WRONG_ROW]), mark, f'row {WRONG_ROW}\'s answer {typed[WRONG_ROW]} was not heard whole')
    step(f'back to row {WRONG_ROW}', mark)
    for name, lines in steps:
        print(f'{name}: {" / ".join(lines)}')
    print(f'rows heard again, their names missed at first: {again or "none"}')


if __name__ == '__main__':
    main()
