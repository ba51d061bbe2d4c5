// Writes the surnames of the classical 百家姓 text in their order, one a line,
// as traditional characters exactly as the chinese-poetry package spells them:
//   OUT_DIR/surnames_list.tsv   position<TAB>surname   (positions from 1)
// Each rhyme line holds two half lines of four characters. The opening lines
// hold single surnames, a middle part holds two-character surnames only, and
// the closing lines mix both kinds; the two-character ones there are listed.
import fs from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
if (!outDir || !modulesDir) {
  console.error('usage: node surnames_list.mjs OUT_DIR NODE_MODULES_DIR');
  process.exit(2);
}

const source = path.join(modulesDir, 'chinese-poetry', 'dist', 'mengxue', 'baijiaxing.json');
const lines = JSON.parse(fs.readFileSync(source, 'utf8')).paragraphs;

const firstCompoundLine = '萬俟司馬，上官歐陽。';
const firstMixedLine = '晉楚閆法，汝鄢塗欽。';
const mixedCompounds = new Set([
  '段幹', '百裏', '東郭', '南門', '呼延', '羊舌', '微生', '梁丘', '左丘',
  '東門', '西門', '伯賞', '南宮', '第五',
]);
const endMark = '百家姓終';

function fail(message) {
  console.error(`surnames_list: ${message}`);
  process.exit(1);
}

const compoundStart = lines.indexOf(firstCompoundLine);
const mixedStart = lines.indexOf(firstMixedLine);
if (compoundStart < 0 || mixedStart < compoundStart) fail(`unexpected line layout in ${source}`);

const surnames = [];
let ended = false;
lines.forEach((line, index) => {
  for (const half of line.split(/[，。]/).filter((h) => h.length > 0)) {
    if (ended) return;
    if (half === endMark) { ended = true; return; }
    const chars = Array.from(half);
    if (chars.length !== 4) fail(`unexpected half line "${half}"`);
    if (index >= compoundStart && index < mixedStart) {
      surnames.push(chars.slice(0, 2).join(''), chars.slice(2).join(''));
      continue;
    }
    for (let i = 0; i < chars.length;) {
      const pair = chars.slice(i, i + 2).join('');
      const takePair = index >= mixedStart && mixedCompounds.has(pair);
      surnames.push(takePair ? pair : chars[i]);
      i += takePair ? 2 : 1;
    }
  }
});
if (!ended) fail(`end mark ${endMark} not found in ${source}`);

fs.mkdirSync(outDir, { recursive: true });
const rows = surnames.map((s, i) => `${i + 1}\t${s}\n`).join('');
fs.writeFileSync(path.join(outDir, 'surnames_list.tsv'), rows);
