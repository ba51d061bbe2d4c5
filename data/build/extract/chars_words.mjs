// Writes chars_words.tsv: for each character that cnchar-data explains, up to
// twelve words containing it, each with a short clean gloss.
//   node chars_words.mjs OUT_DIR NODE_MODULES_DIR
// Line format: CHAR \t WORD \t GLOSS, characters in code-point order, words
// in order of preference: two-character words before words of three or four
// characters; within each, modern dictionary entries (no numbered senses),
// then classical ones, then entries about people and places (their text
// names an origin such as "人。" or "(今"); ties in the package's order.
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

const lines = [];
for (const ch of entries) {
  const words = JSON.parse(readFileSync(path.join(dir, ch + '.json'), 'utf8'));
  const ranked = [];
  for (const [word, raw] of Object.entries(words)) {
    const length = [...word].length;
    if (length < 2 || length > 4 || !word.includes(ch) || typeof raw !== 'string') continue;
    const gloss = cleanGloss(raw);
    if (!gloss || /[\t\n]/.test(word + gloss)) continue;
    const tier = /人。|\(今|（今/.test(raw) ? 2 : /^\s*(1\.|①)/.test(raw) ? 1 : 0;
    ranked.push({ rank: (length === 2 ? 0 : 3) + tier, order: ranked.length, line: `${ch}\t${word}\t${gloss}` });
  }
  ranked.sort((a, b) => a.rank - b.rank || a.order - b.order);
  lines.push(...ranked.slice(0, MAX_WORDS).map((r) => r.line));
}
writeFileSync(path.join(outDir, 'chars_words.tsv'), lines.join('\n') + '\n');
