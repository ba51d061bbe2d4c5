#!/usr/bin/env bash
# Black-box runs of `nuvelo-cli chart`. $1 = nuvelo-cli, $2 = database (unused by chart).
set -uo pipefail
cli=$1
fails=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }

# 2013-02-04 01:00 is just after 立春 (00:13): the year is already 癸巳.
out=$("$cli" chart 2013-02-04 1) || fail "chart 2013-02-04 1 exited $?"
for want in "公历日期：2013年2月4日1时" "农历日期：癸巳年    腊月  廿四日  己丑时" \
            "八字四柱：癸巳年  甲寅月  辛丑日  己丑时" "八字五行：水,火,木,木,金,土,土,土, ( 五行不缺 ) " \
            "五行纳音：长流水  大溪水  壁上土  霹雳火" "生肖属相：蛇。"; do
    grep -qxF -- "$want" <<<"$out" || fail "chart 2013-02-04 1 lacks line: $want"
done
grep -q $'\r' <<<"$out" && fail "plain chart output holds carriage returns"

json=$("$cli" chart 2013-02-04 1 --json) || fail "chart --json exited $?"
[ "$(wc -l <<<"$json")" -eq 1 ] || fail "--json is not one line"
for want in '"pillars":["癸巳","甲寅","辛丑","己丑"]' '"lunar":{"year":2012,"month":12,"day":24,"leap":false}' \
            '"elements":"水,火,木,木,金,土,土,土,"' '"missing":""' '"nayin":["长流水","大溪水","壁上土","霹雳火"]' \
            '"text":"公历日期：2013年2月4日1时\r\n\r\n'; do
    grep -qF -- "$want" <<<"$json" || fail "chart --json lacks $want"
done
grep -qF '"leap":true' <<<"$("$cli" chart 2020-05-23 12 --json)" || fail "2020-05-23 is not a leap month"

# Bad input: exit 2 with one line on stderr, nothing on stdout.
for args in "2013-02-30 1" "2013-13-01 0" "2013-1-1 24" "1901-02-18 0" "2049-01-01 0" "20130101 0" "2013-01-01"; do
    # shellcheck disable=SC2086
    "$cli" chart $args >"$tmp/out" 2>"$tmp/err"
    rc=$?
    [ "$rc" -eq 2 ] || fail "chart $args exited $rc, expected 2"
    [ -s "$tmp/out" ] && fail "chart $args printed to stdout"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "chart $args: stderr is not one line"
done

[ "$fails" -eq 0 ] && echo "chart: all passed"
exit $((fails > 0))
