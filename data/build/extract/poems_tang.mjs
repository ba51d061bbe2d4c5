// Writes poems_tang.tsv: the 900-volume Complete Tang Poems (yudingquantangshi)
// in the edition's order, one poem a line: title, author, text.
//
// Texts stay in traditional characters (the builder converts them); this
// script only removes what is not part of the poem itself:
//  - "——name" attributions after the lines of linked verses (联句);
//  - editorial notes in full-width parentheses, and the 《》「」 marks;
//  - the edition's codes for glyphs it could not print ("z1", "rG" ...),
//    which become "□", the edition's own mark for a missing character;
//  - "々" repeats the character before it.
// Poets of the same name carry a number in the edition ("李昂1", "李昂2");
// it is written as "李昂(一)", "李昂(二)" so the names stay distinct.
// Clause marks are reduced to the two the poem picker knows: ？ ！ end a
// sentence like "。", ； ： 、 part it like "，".
import fs from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
const srcDir = path.join(modulesDir, 'chinese-poetry', 'dist', 'yudingquantangshi', 'json');

function cleanText(paragraphs) {
  let text = paragraphs.map((p) => p.replace(/——[^，。？！；\n]*/g, '')).join('\n');
  text = text.replace(/（[^）]*）/g, '');
  text = text.replace(/（[^\n]*/g, '').replace(/）/g, '');
  text = text.replace(/[A-Za-z0-9_]+/g, '□');
  text = text.replace(/[？！]/g, '。').replace(/[；：、]/g, '，');
  text = text.replace(/(.)々/gu, '$1$1');
  let out = '';
  for (const ch of text) {
    if (ch === '，' || ch === '。') {
      if (out === '' || out.endsWith('，') || out.endsWith('。')) {
        if (ch === '。' && out.endsWith('，')) out = out.slice(0, -1) + '。';
        continue;
      }
      out += ch;
    } else if (ch === '□' || /\p{Script=Han}/u.test(ch)) {
      out += ch;
    }
  }
  return out;
}

const NUMERALS = ['〇', '一', '二', '三', '四', '五', '六', '七', '八', '九'];

function cleanName(text) {
  let name = String(text || '').replace(/[\t\r\n"]/g, ' ').trim();
  name = name.replace(/([^\x00-\x7f])([1-9])$/u, (_, last, digit) => `${last}(${NUMERALS[Number(digit)]})`);
  return name.replace(/[A-Za-z0-9_]+/g, '□');
}

const files = fs.readdirSync(srcDir).filter((f) => f.endsWith('.json')).sort();
const lines = [];
for (const file of files) {
  for (const poem of JSON.parse(fs.readFileSync(path.join(srcDir, file), 'utf8'))) {
    const text = cleanText(poem.paragraphs || []);
    const title = cleanName(poem.title);
    const author = cleanName(poem.author);
    if (!text || !title || !author) continue;
    lines.push(`${title}\t${author}\t${text}`);
  }
}
fs.writeFileSync(path.join(outDir, 'poems_tang.tsv'), lines.join('\n') + '\n');
console.log(`poems_tang.tsv: ${lines.length} poems`);
