// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears of a practice set, kept apart from the widgets
// like the arithmetic: the colours of the verdict marks and the place of the
// operands say nothing to a pupil who cannot see them, so each answer box also
// tells its problem and, once graded, its verdict, and the score is heard with
// its caption.
#ifndef SUMGROVE_SPOKEN_H
#define SUMGROVE_SPOKEN_H

#include <QtCore/QString>

namespace drill {

// The problem as the row shows it, "45 ÷ 9 =", or nothing while the row shows
// no problem (before the first deal).
QString spokenProblem(const QString &first, const QString &symbol, const QString &second);

// The problem followed by the row's verdict, "45 ÷ 9 = ，正确"; the verdict alone
// for a row with no problem.
QString withVerdict(const QString &problem, const QString &verdict);

// A value heard after its caption, "得分 85"; the caption alone while there is no value.
QString captioned(const QString &caption, const QString &value);

} // namespace drill

#endif // SUMGROVE_SPOKEN_H
