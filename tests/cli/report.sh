#!/usr/bin/env bash
# nuvelo-cli report: the report page written as GBK HTML, and its bad inputs.
#   bash report.sh NUVELO_CLI NAMEDATA_DB
set -u
cli=$1
db=$2
failures=0
work=$(mktemp -d /tmp/nuvelo-report-XXXXXX)
trap 'rm -rf "$work"' EXIT

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# A one-character and a compound surname: the page is GBK without a
# byte-order mark, declares gb2312, and leaves no placeholder in its body.
while IFS='|' read -r surname given wai; do
    page="$work/$surname$given.html"
    "$cli" report "$surname" "$given" -o "$page" --db "$db" >/dev/null
    check "report $surname$given exit" 0 "$?"
    check "$surname$given starts with <html>" "<html>" "$(head -c 6 "$page")"
    utf8=$(iconv -f GBK -t UTF-8 "$page" 2>/dev/null)
    check "$surname$given converts from GBK" 0 "$?"
    case "$utf8" in *'charset=gb2312'*) ;; *) check "$surname$given declares gb2312" yes no ;; esac
    case "$utf8" in *"外格-&gt; $wai("*) ;; *) check "$surname$given 外格 $wai" yes no ;; esac
    body=${utf8#*</head>}
    case "$body" in *'{'*) check "$surname$given has no placeholder left" yes no ;; esac
done <<'CASES'
张|三|2
欧阳|明|16
CASES

# The score line names the score the score command gives.
score=$("$cli" score 张 三 --json --db "$db" | grep -o '"score":[0-9]*')
check "report score = score command" "$score" "$("$cli" report 张 三 -o "$work/a.html" --json --db "$db" | grep -o '"score":[0-9]*')"

# Typed markup is escaped on the page.
"$cli" report 张 '<b' -o "$work/esc.html" --db "$db" >/dev/null
check "typed < escaped" 1 "$(iconv -f GBK -t UTF-8 "$work/esc.html" | grep -c '>&lt;</td>')"

# Bad input: exit 2 with one line on stderr and no file.
while IFS='|' read -r label surname given; do
    "$cli" report "$surname" "$given" -o "$work/bad.html" --db "$db" >/dev/null 2>"$work/err"
    check "$label exit" 2 "$?"
    check "$label stderr lines" 1 "$(wc -l < "$work/err")"
    check "$label no file" no "$([ -e "$work/bad.html" ] && echo yes || echo no)"
done <<'CASES'
blank surname| |三
empty given|张|
outside GBK|张|𠀀
CASES
"$cli" report 张 三 --db "$db" >/dev/null 2>&1
check "without -o" 2 "$?"

# An unwritable target is a failure (exit 1), not a silent nothing.
"$cli" report 张 三 -o "$work/missing/x.html" --db "$db" >/dev/null 2>&1
check "unwritable target exit" 1 "$?"

[ "$failures" -eq 0 ] && echo "report: all checks passed"
exit $((failures > 0))
