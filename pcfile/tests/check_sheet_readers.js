// node check_sheet_readers.js <files folder> <LibreOffice CSV folder> <node_modules folder>
// Compares what independent readers make of the files that pcfile_sheet_files wrote with the host records it wrote
// them from: values, row counts and column counts. Texts are compared without trailing blanks (the DBF readers cut
// them), numbers as numbers. Where no reader reads a format, the bytes are decoded here from the format's tables.
'use strict';
const fs = require('fs');
const path = require('path');

const [folder, csvFolder, modules] = process.argv.slice(2);
const XLSX = require(path.resolve(modules, 'xlsx'));
const {Checker, csvRows, sheetJsRows} = require('../../testing/readers/sheet_checks.js');

const NAMES = ['NAME', 'PRICE', 'QTY', 'CODE', 'TOTAL'];
const RECORDS = [
  ['Widget, big', 1234.5, 42, -123, 2147483647],
  ['Say "hi"', -0.99, -1, 0, -2147483648],
  ['tab\there', 99999.99, 99999, 32767, 40000],
  ['', 0, 0, -1, 0],
];
const LONG = Array.from({length: 300}, (_, i) => String.fromCharCode(97 + i % 26)).join('');
const MANY = Array.from({length: 10000}, (_, i) => ['row ' + (i + 1), i % 100]);

const checker = new Checker();

function libreOfficeRows(file) {
  const extension = path.extname(file).slice(1);
  const csv = path.join(csvFolder, `${path.basename(file, '.' + extension)}-${extension}.csv`);
  if (!fs.existsSync(csv)) return null;
  return csvRows(fs.readFileSync(csv, 'utf8'));
}

// DR1 and DR2 have no reader: fields decoded from the bytes by the formats' tables. NAME text 12, PRICE packed
// (9 with 2 decimals: 4 bytes), QTY zoned (6: 5 bytes), CODE binary (6: 2 bytes), TOTAL binary (11: 4 bytes).
function dosRandomRows(file, signs) {
  const bytes = fs.readFileSync(path.join(folder, file));
  const width = 12 + 4 + 5 + 2 + 4;
  if (bytes.length % width !== 0) {
    checker.fail(file, 'bytes', `${bytes.length} bytes is no whole number of ${width}-byte records`);
    return [];
  }
  const rows = [];
  for (let at = 0; at < bytes.length; at += width) {
    const name = bytes.toString('latin1', at, at + 12);
    let digits = '';
    for (let i = 0; i < 4; ++i) digits += (bytes[at + 12 + i] >> 4).toString() + (i < 3 ? (bytes[at + 12 + i] & 15) : '');
    const packedSign = bytes[at + 15] & 15;
    if (![signs.packedPlus, signs.packedMinus].includes(packedSign) || /[^0-9]/.test(digits))
      checker.fail(file, 'bytes', `record ${rows.length + 1}: packed ${bytes.slice(at + 12, at + 16).toString('hex')}`);
    const price = (packedSign === signs.packedMinus ? -1 : 1) * Number(digits) / 100;
    const zoned = bytes.slice(at + 16, at + 21);
    const zone = zoned[4] >> 4;
    if (![signs.zonedPlus, signs.zonedMinus].includes(zone))
      checker.fail(file, 'bytes', `record ${rows.length + 1}: zoned ${zoned.toString('hex')}`);
    const qty = (zone === signs.zonedMinus ? -1 : 1) *
        Number(zoned.toString('latin1', 0, 4) + String(zoned[4] & 15));
    rows.push([name, price, qty, bytes.readInt16LE(at + 21), bytes.readInt32LE(at + 23)]);
  }
  return rows;
}

const DR_SIGNS = {
  dr1: {packedPlus: 0x3, packedMinus: 0xB, zonedPlus: 0x3, zonedMinus: 0xB},
  dr2: {packedPlus: 0xF, packedMinus: 0xD, zonedPlus: 0x3, zonedMinus: 0x7},
};
const LIBREOFFICE = {
  dif: {},
  // LibreOffice's dBase import names each column "NAME,C,12": the type and widths of its field descriptor.
  dbf: {typedHeader: true},
  wks: {digits: 8, dropsControls: true},
  wkq: {digits: 8, dropsControls: true},
  xls: {},
};

function expectedRows(base, extension) {
  const names = extension === 'dif' ? [] : [NAMES];
  if (base === 'empty') return names;
  if (base === 'long')
    return [['LONG', 'N'], [extension === 'xls' ? LONG.slice(0, 255) : LONG, 1], ['short', -2]];
  if (base === 'many') return (extension === 'dif' ? [] : [['ROW', 'N']]).concat(MANY);
  return names.concat(RECORDS);
}

console.log('Readers: SheetJS and LibreOffice for DIF, DBF, WKQ, WKS and XLS. Nothing reads DR1 or DR2: ' +
            'their bytes are decoded by the formats\' tables. LibreOffice\'s Lotus import keeps 8 significant ' +
            'digits and drops control characters; its values are compared accordingly.');
const files = fs.readdirSync(folder).sort();
if (files.length === 0) checker.fail(folder, 'files', 'no files were written');
for (const file of files) {
  const extension = path.extname(file).slice(1);
  const base = path.basename(file, '.' + extension);
  const expected = expectedRows(base, extension);
  if (extension === 'dr1' || extension === 'dr2') {
    checker.compare(file, 'bytes', dosRandomRows(file, DR_SIGNS[extension]), base === 'empty' ? [] : RECORDS);
    continue;
  }
  if (extension === 'wkq') {
    const wks = path.join(folder, base + '.wks');
    if (!fs.existsSync(wks) || !fs.readFileSync(wks).equals(fs.readFileSync(path.join(folder, file))))
      checker.fail(file, 'bytes', `differs from ${base}.wks`);
  }
  try {
    checker.compare(file, 'SheetJS', sheetJsRows(XLSX, path.join(folder, file)), expected);
  } catch (error) {
    checker.fail(file, 'SheetJS', `cannot be read: ${error.message}`);
  }
  if (LIBREOFFICE[extension]) {
    const rows = libreOfficeRows(file);
    if (rows === null) checker.fail(file, 'LibreOffice', 'cannot be read');
    else if (LIBREOFFICE[extension].typedHeader && rows.length && !rows[0].every((cell) => /,[CN],\d+(,\d+)?$/.test(cell)))
      checker.fail(file, 'LibreOffice', `header ${JSON.stringify(rows[0])} has no field descriptors`);
    else {
      if (LIBREOFFICE[extension].typedHeader && rows.length)
        rows[0] = rows[0].map((cell) => cell.replace(/,[CN],\d+(,\d+)?$/, ''));
      checker.compare(file, 'LibreOffice', rows, expected, LIBREOFFICE[extension]);
    }
  }
}
checker.exit();
