// The table generators refuse inputs that are cut short or are not the editions they expect,
// with a message that says what is wrong, and write nothing. Run by CTest:
//   node tests/scripts/precise_generators_test.mjs SCRIPTS_DIR SOURCE_DIR
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, mkdirSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const [scripts, source] = process.argv.slice(2);
const work = mkdtempSync(join(tmpdir(), 'precise-generators-'));
let failures = 0;

// An empty folder for a generator's output.
function outputFolder(name) {
  const dir = join(work, name);
  mkdirSync(dir);
  return dir;
}

function wroteSomething(path) {
  if (!existsSync(path)) return false;
  return !statSync(path).isDirectory() || readdirSync(path).length > 0;
}

function fakeAstronomia(name, version, earth) {
  const dir = join(work, name);
  mkdirSync(join(dir, 'data'), { recursive: true });
  writeFileSync(join(dir, 'package.json'), JSON.stringify({ version }));
  if (earth !== undefined) writeFileSync(join(dir, 'data', 'vsop87Bearth.js'), `export default ${JSON.stringify(earth)};\n`);
  return dir;
}

const rows = (n, width = 3) => Array.from({ length: n }, (_, i) => Array.from({ length: width }, (_, j) => i + j + 0.5));
const fullLongitude = { 0: rows(623), 1: rows(379), 2: rows(144), 3: rows(23), 4: rows(11), 5: rows(4) };

const starTable = join(source, 'src/navigation/star_term_table.h');
const catalog = join(source, 'src/navigation/initial_catalog_table.h');
function starFile(name, text) {
  const path = join(work, name);
  writeFileSync(path, text);
  return path;
}

const cases = [
  ['another astronomia version', 'generate_precise_tables.mjs',
    [fakeAstronomia('old', '4.2.0', { L: fullLongitude }), outputFolder('out-old')], 'astronomia 4.2.0 found, 4.3.0 expected'],
  ['a missing series file', 'generate_precise_tables.mjs',
    [fakeAstronomia('missing', '4.3.0'), outputFolder('out-missing')], 'cannot read'],
  ['a series cut short', 'generate_precise_tables.mjs',
    [fakeAstronomia('short', '4.3.0', { L: { ...fullLongitude, 0: rows(5) } }), outputFolder('out-short')],
    'earth L0: 5 terms, expected 623'],
  ['a row cut short', 'generate_precise_tables.mjs',
    [fakeAstronomia('row', '4.3.0', { L: { ...fullLongitude, 2: [...rows(143), [1, 2]] } }), outputFolder('out-row')],
    'earth L2: row 143 is not 3 finite numbers'],
  ['a star record cut short', 'generate_star_table.mjs',
    [starFile('short.txt', 'Sirius     ,alCMa,ICRS,06,45,08.91728\n'), starTable, catalog, join(work, 'stars-short.h')],
    'line 1 is cut short'],
  ['a star file without the catalog stars', 'generate_star_table.mjs',
    [starFile('few.txt', 'Sirius ,alCMa,ICRS,06,45,08.91728,-16,42,58.0171,-546.01,-1223.07,-5.5,379.21,-1.46,-16,1591\n'),
      starTable, catalog, join(work, 'stars-few.h')], 'Alpheratz: no star within 0.1 deg'],
];

for (const [what, script, args, message] of cases) {
  const run = spawnSync(process.execPath, [join(scripts, script), ...args], { encoding: 'utf8' });
  const wrote = wroteSomething(args[args.length - 1]);
  if (run.status === 0 || !run.stderr.includes(message) || wrote) {
    failures += 1;
    process.stdout.write(`FAIL ${what}: exit ${run.status}, expected "${message}", got "${run.stderr.trim()}"${wrote ? ', and it wrote output' : ''}\n`);
  } else {
    process.stdout.write(`ok   ${what}\n`);
  }
}
rmSync(work, { recursive: true, force: true });
process.stdout.write(`${cases.length - failures} passed, ${failures} failed\n`);
process.exit(failures === 0 ? 0 : 1);
