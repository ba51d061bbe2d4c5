#!/usr/bin/env bash
# nuvelo-cli char: the facts of one character, and its bad inputs.
#   bash char.sh NUVELO_CLI NAMEDATA_DB
set -u
cli=$1
db=$2
failures=0

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# Exact JSON lines: a zero initial is empty (y and w are not initials).
while IFS='|' read -r ch expected; do
    check "char $ch" "$expected" "$("$cli" char "$ch" --json --db "$db")"
done <<'CASES'
海|{"char":"海","traditional":"海","simplified_strokes":10,"kangxi_strokes":11,"pinyin":"hǎi","initial":"h","radical":"水","element":"水"}
张|{"char":"张","traditional":"張","simplified_strokes":7,"kangxi_strokes":11,"pinyin":"zhāng","initial":"zh","radical":"弓","element":"火"}
于|{"char":"于","traditional":"于","simplified_strokes":3,"kangxi_strokes":3,"pinyin":"yú","initial":"","radical":"二","element":"土"}
王|{"char":"王","traditional":"王","simplified_strokes":4,"kangxi_strokes":4,"pinyin":"wáng,wàng","initial":"","radical":"玉","element":"土"}
CASES

# A reading used by names comes first.
check "char 单 pinyin" '"pinyin":"shàn' "$("$cli" char 单 --json --db "$db" | grep -o '"pinyin":"[a-zà]*')"

# The plain form names every fact.
plain=$("$cli" char 海 --db "$db")
for label in 繁体 简体笔画 康熙笔画 拼音 声母 部首 五行; do
    case "$plain" in *"$label"*) ;; *) check "plain output has $label" yes no ;; esac
done

# The grids of a name use the traditional counts (張 11, 三 3).
check "score 张 三" '"grids":[12,14,4,14,2]' "$("$cli" score 张 三 --json --db "$db" | grep -o '"grids":\[[0-9,]*\]')"

# Bad input: exit 2 with one line on stderr, nothing on stdout.
for arg in "" "海江" "a" "\"" "，" "𠀀"; do
    out=$("$cli" char "$arg" --db "$db" 2>/tmp/nuvelo-char-err.$$)
    rc=$?
    check "char [$arg] exit" 2 "$rc"
    check "char [$arg] stdout" "" "$out"
    check "char [$arg] stderr lines" 1 "$(wc -l < /tmp/nuvelo-char-err.$$)"
done
"$cli" char --db "$db" >/dev/null 2>&1
check "char without argument" 2 "$?"
rm -f /tmp/nuvelo-char-err.$$

[ "$failures" -eq 0 ] && echo "char: all checks passed"
exit $((failures > 0))
