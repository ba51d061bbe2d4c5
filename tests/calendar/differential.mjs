// Compares the calendar of nuvelo-cli with lunar-javascript over the whole
// supported range: the lunar date of every day from 1901-02-19 to 2048-12-31,
// and the four pillars at every whole hour of every day that holds a solar
// term (the only days on which a pillar year or month can change within the
// day). lunar-javascript's EightChar with sect 1 changes the day at 23:00, as
// the program does.
//
//   node tests/calendar/differential.mjs PATH/TO/nuvelo-cli PATH/TO/node_modules
//
// Prints the counts compared and every difference; exits 1 when there is one.
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';

const [cli, modulesDir] = process.argv.slice(2);
if (!cli || !modulesDir) {
    process.stderr.write('usage: node differential.mjs NUVELO_CLI NODE_MODULES_DIR\n');
    process.exit(2);
}
const require = createRequire(path.join(path.resolve(modulesDir), 'noop.js'));
const { Solar, LunarYear } = require('lunar-javascript');

const FROM = '1901-02-19', TO = '2048-12-31';
const dump = (...extra) =>
    execFileSync(cli, ['chart-dump', FROM, TO, ...extra], { encoding: 'utf8', maxBuffer: 1 << 28 })
        .split('\n').filter((l) => l.length > 0);

const differences = [];
const note = (what) => { if (differences.push(what) <= 50) process.stdout.write(`DIFF ${what}\n`); };
const ymd = (s) => s.split('-').map(Number);

// Lunar dates: "DATE YEAR MONTH DAY LEAP".
const dayLines = dump();
let expectedDays = 0;
for (let s = Solar.fromYmd(...ymd(FROM)); s.toYmd() <= TO; s = s.next(1)) ++expectedDays;
if (dayLines.length !== expectedDays) note(`lunar dump has ${dayLines.length} days, expected ${expectedDays}`);
for (const line of dayLines) {
    const [date, y, m, d, leap] = line.split(' ');
    const l = Solar.fromYmd(...ymd(date)).getLunar();
    const theirs = `${l.getYear()} ${Math.abs(l.getMonth())} ${l.getDay()} ${l.getMonth() < 0 ? 1 : 0}`;
    if (theirs !== `${y} ${m} ${d} ${leap}`) note(`${date} lunar ours ${y} ${m} ${d} ${leap}, lunar-javascript ${theirs}`);
}

// Days holding a solar term, according to lunar-javascript.
const termDays = new Set();
for (let year = 1901; year <= 2048; ++year) {
    for (const jd of LunarYear.fromYear(year).getJieQiJulianDays()) {
        const date = Solar.fromJulianDay(jd).toYmd();
        if (date >= FROM && date <= TO) termDays.add(date);
    }
}

// Pillars: "DATE HOUR YEAR MONTH DAY HOUR-PILLAR".
const hourLines = dump('--term-hours');
const ourDays = new Set(hourLines.map((l) => l.split(' ')[0]));
for (const date of termDays) if (!ourDays.has(date)) note(`${date} holds a term for lunar-javascript only`);
for (const date of ourDays) if (!termDays.has(date)) note(`${date} holds a term for nuvelo only`);
for (const line of hourLines) {
    const [date, hour, ...ours] = line.split(' ');
    const ec = Solar.fromYmdHms(...ymd(date), Number(hour), 0, 0).getLunar().getEightChar();
    ec.setSect(1);
    const theirs = [ec.getYear(), ec.getMonth(), ec.getDay(), ec.getTime()].join(' ');
    if (theirs !== ours.join(' ')) note(`${date} ${hour}h pillars ours ${ours.join(' ')}, lunar-javascript ${theirs}`);
}

process.stdout.write(`lunar dates compared: ${dayLines.length}; term days: ${ourDays.size}; ` +
                     `hours compared: ${hourLines.length}; differences: ${differences.length}\n`);
process.exit(differences.length ? 1 : 0);
