#!/usr/bin/env node
// Writes independent reference places for checking the precise ephemeris: the Swiss
// Ephemeris 2.10 (its compressed JPL DE431 files sepl_18/semo_18, stated to reproduce DE431 to
// 0.001") through the npm package sweph-wasm 2.6.9, for fixed pseudo-random moments over
// 1901-2099. It is a measuring tool, not part of the build: sweph-wasm is AGPL and is only run
// here, never linked or shipped.
//
//   cd /tmp && npm pack sweph-wasm@2.6.9 swisseph@0.5.17 && mkdir sweph swisseph &&
//     tar xzf sweph-wasm-2.6.9.tgz -C sweph && tar xzf swisseph-0.5.17.tgz -C swisseph
//   node scripts/precise_reference.mjs /tmp/sweph/package /tmp/swisseph/package/ephe/sefstars.txt \
//     src/ephemeris/precise/star_catalog_table.h 500 > /tmp/precise_reference.txt
//   build/bench/nocturna_precise_accuracy /tmp/precise_reference.txt
//
// One line per moment and body: "UT1_JD TT_JD BODY RA DEC DISTANCE MAGNITUDE" with RA and DEC
// the geocentric apparent place (degrees, true equator and equinox of date), DISTANCE the
// geometric distance (au; 0 for a star) and MAGNITUDE the visual magnitude (planets; 0
// otherwise). TT - UT1 is held at 69.184 s: both sides take the same two dates.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [sweph, starFile, starTable, count = '500'] = process.argv.slice(2);
if (!starTable) {
  process.stderr.write('usage: precise_reference.mjs SWEPH_WASM_DIR SEFSTARS STAR_TABLE [MOMENTS]\n');
  process.exit(1);
}
const SwissEph = (await import(pathToFileURL(join(sweph, 'dist/index.js')).href)).default;
const factory = (await import(pathToFileURL(join(sweph, 'dist/wasm/swisseph.js')).href)).default;
const swe = new SwissEph(await factory({ wasmBinary: readFileSync(join(sweph, 'dist/wasm/swisseph.wasm')) }));
const fs = swe.wasm.FS;
fs.mkdir('/ephe');
for (const file of ['sepl_18.se1', 'semo_18.se1']) {
  fs.createDataFile('/ephe', file, new Uint8Array(readFileSync(join(sweph, 'dist/ephe', file))), true, true, true);
}
fs.createDataFile('/ephe', 'sefstars.txt', new Uint8Array(readFileSync(starFile)), true, true, true);
const path = swe.wasm._malloc(16);
swe.wasm.stringToUTF8('/ephe', path, 16);
swe.wasm._swe_set_ephe_path(path);

const flags = swe.SEFLG_SWIEPH | swe.SEFLG_EQUATORIAL;
const buffer = swe.wasm._malloc(6 * 8);
const name = swe.wasm._malloc(256);
const error = swe.wasm._malloc(256);
function check(result, what) {
  if (result < 0 || (result & swe.SEFLG_SWIEPH) === 0) {
    throw new Error(`${what}: ${swe.wasm.UTF8ToString(error)} (flags ${result})`);
  }
}
function planet(tt, body, extra = 0) {
  check(swe.wasm._swe_calc(tt, body, flags | extra, buffer, error), `body ${body}`);
  return [0, 1, 2].map((i) => swe.wasm.getValue(buffer + 8 * i, 'double'));
}
function star(tt, starName) {
  swe.wasm.stringToUTF8(starName, name, 256);
  check(swe.wasm._swe_fixstar2(name, tt, flags, buffer, error), starName);
  return [0, 1].map((i) => swe.wasm.getValue(buffer + 8 * i, 'double'));
}

// The catalog's star names and the record each came from (the table's trailing comments).
// Looked up by designation (",gaCrv"): two records may share a traditional name.
const stars = [...readFileSync(starTable, 'latin1').matchAll(/^ {4}\{"([^"]+)".*\/\/ (.+?) (\S+) \d+ \d+ \S+ \S+ \d+ \S+$/gm)]
  .map((m) => ({ catalog: m[1].replace(/ /g, '_'), record: m[3] === 'AA11' ? m[2] : `,${m[3]}` }));
if (stars.length !== 57) throw new Error(`${stars.length} stars in ${starTable}`);

const bodies = [['Sun', 0], ['Moon', 1], ['Venus', 3], ['Mars', 4], ['Jupiter', 5], ['Saturn', 6]];
let seed = 20260101;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
process.stdout.write(`# Swiss Ephemeris ${swe.swe_version()}, sweph-wasm 2.6.9, DE431 files; see scripts/precise_reference.mjs\n`);
for (let i = 0; i < Number(count); ++i) {
  const ut1 = 2415385.5 + random() * 72684.0;  // 1901-01-01 to 2099-12-31
  const tt = ut1 + 69.184 / 86400;
  const lines = [];
  const moment = `${ut1.toFixed(8)} ${tt.toFixed(8)}`;
  for (const [label, body] of bodies) {
    const apparent = planet(tt, body);
    const geometric = planet(tt, body, swe.SEFLG_TRUEPOS);
    const magnitude = body >= 3 ? swe.swe_pheno(tt, body, flags)[4] : 0;
    lines.push(`${moment} ${label} ${apparent[0].toFixed(10)} ${apparent[1].toFixed(10)} ${geometric[2].toFixed(12)} ${magnitude.toFixed(3)}`);
  }
  for (const s of stars) {
    const apparent = star(tt, s.record);
    lines.push(`${moment} ${s.catalog} ${apparent[0].toFixed(10)} ${apparent[1].toFixed(10)} 0 0`);
  }
  process.stdout.write(`${lines.join('\n')}\n`);
}
