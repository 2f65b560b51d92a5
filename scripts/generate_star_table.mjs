#!/usr/bin/env node
// Writes the precise engine's J2000 table of the 57 navigational stars from the star file
// sefstars.txt of the npm package swisseph 0.5.17 (file dated 26 October 2018: ICRS places at
// epoch J2000.0, proper motions, parallaxes and radial velocities from the SIMBAD database,
// whose astrometry for these stars is the Hipparcos new reduction, van Leeuwen 2007).
//
// Re-run (needs node 18 or later):
//   cd /tmp && npm pack swisseph@0.5.17 && tar xzf swisseph-0.5.17.tgz package/ephe/sefstars.txt
//   node scripts/generate_star_table.mjs /tmp/package/ephe/sefstars.txt \
//     src/navigation/star_term_table.h src/navigation/initial_catalog_table.h \
//     src/ephemeris/precise/star_catalog_table.h
// Each catalog star is found as the nearest star of the file (magnitude below 4) to the place
// the standard star model gives it at J2000.0; the script refuses a match farther than 0.1
// degree, a second star as near (unless the record to take is named below), a record that is
// cut short, or a star list that is not 57.
import { readFileSync, writeFileSync } from 'node:fs';

const kStarCount = 57;
const kMatchLimitDegrees = 0.1;
// Where the file holds two records near one catalog star, the one to take. Rigel Kentaurus:
// the Astronomical Almanac 2011's worked example (page B73) for alpha Centauri, whose place and
// proper motion are those of the bright component A (the file's "alCen" record is the pair's).
const kPreferredRecords = { 'Rigel Kentaurus': 'AA11_page_B73' };

function fail(message) {
  process.stderr.write(`generate_star_table: ${message}\n`);
  process.exit(1);
}

function read(path) {
  try {
    return readFileSync(path, 'latin1');
  } catch (error) {
    fail(`cannot read ${path}: ${error.message}`);
  }
}

// The standard model's coefficient rows, in catalog order.
function modelRows(text) {
  const rows = [...text.matchAll(/^ {4}\{([^}]*)\},\s*\/\/ (\d+) /gm)].map((m) => ({
    number: Number(m[2]), p: m[1].split(',').map(Number),
  }));
  if (rows.length !== kStarCount || rows.some((r, i) => r.number !== i + 1 || r.p.length !== 8)) {
    fail(`the star model table does not hold ${kStarCount} rows of 8 numbers in order`);
  }
  return rows;
}

function catalogNames(text) {
  const names = [...text.matchAll(/^ {4}\{"([^"]*)", /gm)].map((m) => m[1]);
  if (names.length < kStarCount + 1) fail('the initial catalog table is cut short');
  return names.slice(1, kStarCount + 1);
}

// The model's place at J2000.0 (day 1462.5 after 1995 December 31): right ascension and
// declination in degrees.
function modelPlace({ p }) {
  const v = 0.9856474 * 1462.5;
  const s = Math.sin(v * Math.PI / 180);
  const c = Math.cos(v * Math.PI / 180);
  const sha = (p[1] - 1) * v + p[0] + p[2] * s + p[3] * c - 98.9513;
  return { ra: ((360 - sha) % 360 + 360) % 360, dec: p[5] * v + p[4] + p[6] * s + p[7] * c };
}

function fileStars(text) {
  const stars = [];
  text.split('\n').forEach((line, index) => {
    if (line.startsWith('#') || line.trim() === '') return;
    const f = line.split(',').map((x) => x.trim());
    if (f.length < 14) fail(`line ${index + 1} is cut short: ${line}`);
    if (f[2] !== 'ICRS') return;
    const n = f.slice(3, 14).map(Number);
    if (!n.every(Number.isFinite)) fail(`line ${index + 1} has a field that is not a number`);
    const sign = f[6].startsWith('-') ? -1 : 1;
    stars.push({
      name: f[0], designation: f[1], text: `${f[3]} ${f[4]} ${f[5]} ${f[6]} ${f[7]} ${f[8]}`,
      ra: 15 * (n[0] + n[1] / 60 + n[2] / 3600),
      dec: sign * (Math.abs(n[3]) + n[4] / 60 + n[5] / 3600),
      pmRa: n[6], pmDec: n[7], rv: n[8], parallax: n[9], magnitude: n[10],
    });
  });
  return stars;
}

function separation(a, b) {
  const r = Math.PI / 180;
  const cos = Math.sin(a.dec * r) * Math.sin(b.dec * r) +
              Math.cos(a.dec * r) * Math.cos(b.dec * r) * Math.cos((a.ra - b.ra) * r);
  return Math.acos(Math.min(1, cos)) / r;
}

function num(x) {
  const text = String(x);
  return /[.eE]/.test(text) ? text : `${text}.0`;
}

function main() {
  const [starFile, modelFile, catalogFile, output] = process.argv.slice(2);
  if (!output) fail('usage: generate_star_table.mjs SEFSTARS STAR_TERM_TABLE INITIAL_CATALOG OUTPUT');
  const stars = fileStars(read(starFile)).filter((s) => s.magnitude < 4);
  const names = catalogNames(read(catalogFile));
  const rows = modelRows(read(modelFile)).map((row, i) => {
    const place = modelPlace(row);
    const byDistance = stars.map((s) => ({ s, d: separation(place, s) })).sort((a, b) => a.d - b.d);
    const near = byDistance.filter((x) => x.d <= kMatchLimitDegrees);
    if (near.length === 0) fail(`${names[i]}: no star within ${kMatchLimitDegrees} deg`);
    const preferred = kPreferredRecords[names[i]];
    const best = preferred ? near.find((x) => x.s.name === preferred) : near[0];
    if (!best) fail(`${names[i]}: the record ${preferred} is not near`);
    const rival = near.find((x) => x.s.designation !== best.s.designation);
    if (rival && !preferred) fail(`${names[i]}: ${best.s.name} and ${rival.s.name} both near`);
    return { name: names[i], star: best.s, distance: best.d };
  });

  const lines = [
    '#pragma once',
    '// The 57 navigational stars at epoch J2000.0, ICRS, in catalog order, named as the catalog',
    '// names them: right ascension and declination (degrees), proper motion in right ascension',
    '// times cos(declination) and in declination (milliarcseconds per Julian year), parallax',
    '// (milliarcseconds), radial velocity (km/s, positive receding).',
    '// Generated by scripts/generate_star_table.mjs from sefstars.txt of swisseph 0.5.17 (SIMBAD',
    '// values, Hipparcos new reduction); do not edit. The comment gives the file\'s own name,',
    '// designation and sexagesimal place.',
    '#include <iterator>',
    '',
    '#include "ephemeris/precise/star_catalog_row.h"',
    '',
    'namespace nocturna {',
    '',
    'inline constexpr StarCatalogRow kPreciseStarTable[] = {',
  ];
  for (const { name, star } of rows) {
    const values = [star.ra, star.dec, star.pmRa, star.pmDec, star.parallax, star.rv].map(num);
    lines.push(`    {"${name}", ${values.join(', ')}},  // ${star.name} ${star.designation} ${star.text}`);
  }
  lines.push('};');
  lines.push(`static_assert(std::size(kPreciseStarTable) == ${kStarCount});`);
  lines.push('');
  lines.push('}  // namespace nocturna');
  lines.push('');
  writeFileSync(output, lines.join('\n'));
  const worst = rows.reduce((a, b) => (a.distance > b.distance ? a : b));
  process.stdout.write(`${rows.length} stars; farthest match ${worst.name} at ${(worst.distance * 60).toFixed(2)}'\n`);
}

main();
