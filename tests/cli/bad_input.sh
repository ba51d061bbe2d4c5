#!/usr/bin/env bash
# nuvelo-cli with bad input: every case ends with a clear one-line message and
# status 2 (or, for a bad database, status 1), never with a crash.
#   bash bad_input.sh NUVELO_CLI NAMEDATA_DB
set -u
cli=$1
db=$2
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

long=$(printf '张%.0s' $(seq 1 10000))
emoji=$(printf '\xf0\x9f\x98\x80')
invalid=$(printf '\xff\xfe')
: > "$tmp/empty.db"
head -c 4096 "$db" > "$tmp/truncated.db"

# expected-status|arguments separated by ␟ (unit separator)
run_case() {  # run_case EXPECTED ARG...
    local expected=$1
    shift
    "$cli" "$@" > "$tmp/out" 2> "$tmp/err"
    local status=$?
    local lines
    lines=$(wc -l < "$tmp/err")
    if [ "$status" -ne "$expected" ] || { [ "$expected" -ne 0 ] && [ "$lines" -lt 1 ]; } || [ "$status" -ge 128 ]; then
        echo "FAIL [$*]: status $status (expected $expected), stderr: $(head -c 200 "$tmp/err")"
        failures=$((failures + 1))
    fi
}

run_case 2 score "" 三 --db "$db"
run_case 2 score "  " 三 --db "$db"
run_case 2 score 张 --db "$db"
run_case 2 score 张 "$emoji" --db "$db"
run_case 2 score "$invalid" 三 --db "$db"
run_case 0 score '"' "'" --db "$db"
run_case 0 score ';' '<script>' --db "$db"
run_case 0 score "$long" "$long" --db "$db"
run_case 2 generate high --db "$db"
run_case 2 generate nosuchmode --surname 李 --db "$db"
run_case 2 generate high --surname 李 --sex 中 --db "$db"
run_case 2 generate high --surname 李 --length 3 --db "$db"
run_case 2 generate english --surname 李 --db "$db"
run_case 2 generate super --surname 李 --filter 'required:石' --db "$db"
run_case 0 generate combination --surname '"' --chars '<script>;' --db "$db"
run_case 2 generate combination --surname 李 --chars "$long" --db "$db"
run_case 2 chart 2013-02-30 1 --db "$db"
run_case 2 chart 1800-01-01 1 --db "$db"
run_case 2 chart 2013-01-01 24 --db "$db"
run_case 2 chart abc --db "$db"
run_case 2 char "" --db "$db"
run_case 2 char '"' --db "$db"
run_case 2 report 张 三 --db "$db"
run_case 1 score 张 三 --db "$tmp/missing.db"
run_case 1 score 张 三 --db "$tmp/empty.db"
run_case 1 score 张 三 --db "$tmp/truncated.db"
run_case 1 report 张 三 -o /nonexistent-folder/page.html --db "$db"
run_case 2 nosuchcommand

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "bad input: all cases passed"
