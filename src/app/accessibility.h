// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_ACCESSIBILITY_H
#define SUMGROVE_ACCESSIBILITY_H

// The operand and operator boxes are disabled: the pupil can read them but not
// change them. Qt's own accessibility interfaces would still let a screen
// reader or any other client rewrite a disabled line edit's text or open a
// disabled combo box's list, and grading would follow the rewritten problem.
// From this call on, disabled line edits and combo boxes are offered to those
// clients as read-only: the same name, text and state, no editing, no actions.
// Call it after the application object exists: Qt installs its own widgets'
// interfaces then, and the factory installed last is asked first.
void readDisabledBoxesOnly();

#endif // SUMGROVE_ACCESSIBILITY_H
