#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The documents that tell a user what answers a set deals and how many
# characters a box takes must say what the code does:
#   doc_facts.sh SOURCE-FOLDER
# The largest answer is the drill's largestAnswer; a box holds its digits.
set -euo pipefail
src=$1
. "$(dirname "$0")/testing.sh"
largest=$(sed -n 's/.*constexpr int largestAnswer = \([0-9]*\);.*/\1/p' "$src/src/drill/arithmetic.h")
[ -n "$largest" ] || fail "src/drill/arithmetic.h names no largestAnswer"
length=${#largest}
words=(zero one two three four five six seven eight nine) hanzi=(零 一 二 三 四 五 六 七 八 九)

# FILE and what it must say, as a pattern of grep -E over its text with its lines joined.
says() { # file pattern what
    tr '\n' ' ' <"$src/$1" | grep -qE "$2" || fail "$1 does not say $3"
}
for doc in README.md docs/man/sumgrove.1 packaging/org.sumgrove.Sumgrove.metainfo.xml cmake/debian.cmake; do
    says "$doc" "from +0 +to +$largest\b" "every answer is from 0 to $largest"
    # Any other range it states is a stale one.
    ! tr '\n' ' ' <"$src/$doc" | grep -oE "from +0 +to +[0-9]+" | grep -vqE " $largest\$" \
        || fail "$doc states another range than 0 to $largest"
done
says docs/man/sumgrove.zh_CN.1 "0 到 $largest 之间" "every answer is from 0 to $largest"
for doc in README.md docs/man/sumgrove.1; do
    says "$doc" "at most +${words[$length]} +characters" "a box takes ${words[$length]} characters"
done
says docs/man/sumgrove.zh_CN.1 "最多${hanzi[$length]}个字符" "a box takes $length characters"
echo "1 passed, 0 failed"
