// Writes chars_words.tsv: for each character in a cnchar-data word, up to
// twelve words containing it, each with a short clean gloss.
//   node chars_words.mjs OUT_DIR NODE_MODULES_DIR
// Line format: CHAR \t WORD \t GLOSS, characters in code-point order. The
// words of the character's own file come first, then words of other
// characters' files that contain it (so 瀚 gets 灏瀚 from 灏's file). Within
// each group: two-character words before words of three or four characters;
// within each length, modern dictionary entries (no numbered senses), then
// classical ones, then entries about people and places (their text names an
// origin such as "人。" or "(今"); ties in the package's order (files in
// code-point order).
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
if (!outDir || !modulesDir) {
  console.error('usage: node chars_words.mjs OUT_DIR NODE_MODULES_DIR');
  process.exit(2);
}
const dir = path.join(path.resolve(modulesDir), 'cnchar-data', 'explanation');
const MAX_WORDS = 12;
const MAX_GLOSS = 36;

// First sense only, without sense numbers, examples or the package's
// placeholder marks (◇ and ∮ stand where a character was lost).
function cleanGloss(raw) {
  let text = raw.replace(/\s+/g, ' ').trim();
  text = text.replace(/^(1\.|①)\s*/, '');
  text = text.split(/\s*(?:\n|②|\s2\.)/)[0];
  text = text.split(/[～｜丨◇∮]/)[0];
  text = text.replace(/["“”‘’]/g, '').replace(/[﹐]/g, '，').replace(/[﹑]/g, '、');
  text = text.split('。')[0].replace(/[，、；：,;:\s]+$/, '');
  if ([...text].length > MAX_GLOSS) return [...text].slice(0, MAX_GLOSS).join('') + '…';
  return text ? text + '。' : '';
}

const files = readdirSync(dir).filter((f) => f.endsWith('.json'));
const entries = files
  .map((f) => f.slice(0, -5))
  .filter((ch) => [...ch].length === 1)
  .sort((a, b) => a.codePointAt(0) - b.codePointAt(0));

// The words of one file that qualify, each with its rank (lower is better).
function wordsOf(words) {
  const found = [];
  for (const [word, raw] of Object.entries(words)) {
    const length = [...word].length;
    if (length < 2 || length > 4 || typeof raw !== 'string') continue;
    const gloss = cleanGloss(raw);
    if (!gloss || /[\t\n]/.test(word + gloss)) continue;
    const tier = /人。|\(今|（今/.test(raw) ? 2 : /^\s*(1\.|①)/.test(raw) ? 1 : 0;
    found.push({ word, gloss, rank: (length === 2 ? 0 : 3) + tier });
  }
  return found;
}

const own = new Map();    // char → words of its own file
const cross = new Map();  // char → words of other files that contain it
let order = 0;
for (const ch of entries) {
  const words = JSON.parse(readFileSync(path.join(dir, ch + '.json'), 'utf8'));
  for (const w of wordsOf(words)) {
    w.order = order++;
    for (const c of new Set(w.word)) {
      if (c !== ch && !/^\p{Script=Han}$/u.test(c)) continue;
      const into = c === ch ? own : cross;
      if (!into.has(c)) into.set(c, []);
      into.get(c).push(w);
    }
  }
}

const byPreference = (a, b) => a.rank - b.rank || a.order - b.order;
const chars = [...new Set([...own.keys(), ...cross.keys()])].sort((a, b) => a.codePointAt(0) - b.codePointAt(0));
const lines = [];
let crossLines = 0;
for (const ch of chars) {
  const chosen = [];
  const seen = new Set();
  for (const [group, isCross] of [[own.get(ch), false], [cross.get(ch), true]]) {
    for (const w of (group ?? []).sort(byPreference)) {
      if (chosen.length === MAX_WORDS) break;
      if (seen.has(w.word)) continue;
      seen.add(w.word);
      chosen.push(`${ch}\t${w.word}\t${w.gloss}`);
      if (isCross) ++crossLines;
    }
  }
  lines.push(...chosen);
}
writeFileSync(path.join(outDir, 'chars_words.tsv'), lines.join('\n') + '\n');
console.log(`chars_words.tsv: ${chars.length} characters, ${lines.length} words (${crossLines} from other characters' files)`);
