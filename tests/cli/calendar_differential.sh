#!/usr/bin/env bash
# The calendar of nuvelo-cli against lunar-javascript over the whole supported
# range (see tests/calendar/differential.mjs). $1 = nuvelo-cli, $2 = database (unused).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
modules="$here/../../data/build/node_modules"
if ! command -v node >/dev/null || [ ! -d "$modules/lunar-javascript" ]; then
    echo "calendar_differential: node or lunar-javascript missing" >&2
    exit 1
fi
exec node "$here/../calendar/differential.mjs" "$1" "$modules"
