// Writes chars_elements.tsv: the five-element attribute (金 木 水 火 土) of
// every character in cnchar-info's character table that has one.
//   node chars_elements.mjs OUT_DIR NODE_MODULES_DIR
// Line format: CHAR \t ELEMENT, sorted by code point.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

const [outDir, modulesDir] = process.argv.slice(2);
if (!outDir || !modulesDir) {
  console.error('usage: node chars_elements.mjs OUT_DIR NODE_MODULES_DIR');
  process.exit(2);
}
const require = createRequire(path.join(path.resolve(modulesDir), 'noop.js'));
const info = require('cnchar-info').dict;
// Each entry starts with a formation code and an element code.
const elements = info.fiveElementMap;
const valid = new Set(['金', '木', '水', '火', '土']);

const rows = [];
for (const [ch, packed] of Object.entries(info.info)) {
  const element = elements[packed[1]];
  if ([...ch].length === 1 && valid.has(element)) rows.push([ch.codePointAt(0), `${ch}\t${element}`]);
}
rows.sort((a, b) => a[0] - b[0]);
writeFileSync(path.join(outDir, 'chars_elements.tsv'), rows.map((r) => r[1]).join('\n') + '\n');
