// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_ACCESSIBILITY_H
#define SUMGROVE_ACCESSIBILITY_H

// How a screen reader and any other accessibility client meet the boxes.
//
// The operand and operator boxes are disabled: the pupil can read them but not
// change them. Qt's own accessibility interfaces would still let a client
// rewrite a disabled line edit's text or open a disabled combo box's list, and
// grading would follow the rewritten problem. So disabled line edits and combo
// boxes are offered as read-only: the same name, text and state, no editing,
// no actions.
//
// Every line edit's text is also read whole. Qt's own interface gives a
// screen reader an empty run of text attributes at every offset, and Orca 43
// reads a line as the runs it is given: an answer of 10 was heard as "1", 5
// not at all. Here the whole text is one run.
//
// Call it after the application object exists: Qt installs its own widgets'
// interfaces then, and the factory installed last is asked first.
void installBoxAccessibility();

#endif // SUMGROVE_ACCESSIBILITY_H
