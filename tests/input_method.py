# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Types two answers into the real program with a pinyin input method
switched on, as a Chinese pupil's keyboard does, and reads them back through
AT-SPI: one after Shift+Space, which switches the input method to full width,
one after a stray pinyin letter that the pupil then deletes. Both boxes must
hold plain characters only, and both rows be graded right."""

from screen_reader import RIGHT, Window, fail, find_app, focus_window, fresh, press, problem_of, wait_until, xdotool


def main():
    window = Window(find_app())
    focus_window()
    press(window.start)
    wait_until(lambda: all(window.description(n) for n in range(1, 21)), 'no problems heard after 开始练习')
    # The two rows with the shortest answers: they leave room in the box for a typed space.
    answers = {n: str(problem_of(window.description(n))) for n in range(1, 21)}
    rows = sorted(answers, key=lambda n: len(answers[n]))[:2]
    keys = {rows[0]: [('key', 'shift+space'), ('type', answers[rows[0]])],
            rows[1]: [('type', 's' + answers[rows[1]]), ('key', 'Home', 'Delete')]}
    for n in rows:
        window.answers[n].queryComponent().grabFocus()
        for command, *what in keys[n]:
            xdotool(command, '--delay', '150', *what)

    press(window.submit)
    wait_until(lambda: all(window.verdict(n) for n in rows), 'the rows were not graded')
    wrong = []
    for n in rows:
        held = fresh(window.answers[n]).queryText().getText(0, -1)
        typed = ', '.join(' '.join(what) for _, *what in keys[n])
        print(f'row {n}, {window.description(n)}: typed {typed}; the box holds "{held}"')
        if not held.isascii() or held.strip() != answers[n] or window.verdict(n) != RIGHT:
            wrong.append(n)
    if wrong:
        fail(f'rows {wrong} do not hold their plain answers')


main()
