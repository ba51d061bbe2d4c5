// Writes chars_readings.tsv: every CJK unified ideograph of U+4E00..U+9FFF
// with the toned readings pinyin-pro knows for it, most common first.
//   node chars_readings.mjs OUT_DIR NODE_MODULES_DIR
// Line format: CHAR \t READING[,READING...]
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
if (!outDir || !modulesDir) {
  console.error('usage: node chars_readings.mjs OUT_DIR NODE_MODULES_DIR');
  process.exit(2);
}
const require = createRequire(path.join(path.resolve(modulesDir), 'noop.js'));
const { pinyin } = require('pinyin-pro');

const lines = [];
for (let code = 0x4e00; code <= 0x9fff; code++) {
  const ch = String.fromCodePoint(code);
  const readings = pinyin(ch, { multiple: true, type: 'array' })
    .filter((r) => /^[a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüêếềḿńňǹ]+$/.test(r));
  if (readings.length) lines.push(`${ch}\t${[...new Set(readings)].join(',')}`);
}
writeFileSync(path.join(outDir, 'chars_readings.tsv'), lines.join('\n') + '\n');
