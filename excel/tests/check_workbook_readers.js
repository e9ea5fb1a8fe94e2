// node check_workbook_readers.js <workbooks folder> <LibreOffice CSV folder> <node_modules folder>
// Compares what independent readers make of the workbooks that excel_workbook_files wrote with the host records
// they were written from: the values (texts with their trailing blanks, numbers as numbers), the row count and
// the column count of the first sheet.
'use strict';
const fs = require('fs');
const path = require('path');

const [folder, csvFolder, modules] = process.argv.slice(2);
const XLSX = require(path.resolve(modules, 'xlsx'));

const RECORDS = [
  ['Widget, big ', 1234.5, 42, -123, 2147483647],
  ['Say "hi"    ', -0.99, -1, 0, -2147483648],
  ['tab\there <&>'.slice(0, 12), 99999.99, 99999, 32767, -9999999999],
  ['            ', 0, 0, -1, 0],
];
const MANY = Array.from({length: 3000}, (_, i) =>
  [('row ' + (i + 1)).padEnd(12), Number(`${i + 1}.${String((i + 1) % 100).padStart(2, '0')}`), 1, 1, 1]);
const EXPECTED = {
  'records.xls': RECORDS,
  'records70.xls': RECORDS,
  'appended.xls': RECORDS,
  'empty.xls': [],
  'many.xls': MANY,
};

let failures = 0;
function fail(file, reader, text) {
  console.log(`${file} (${reader}): ${text}`);
  ++failures;
}

function sameValue(actual, expected) {
  if (typeof expected === 'number') {
    const value = typeof actual === 'number' ? actual : Number(String(actual));
    return String(actual).trim() !== '' && value === expected;
  }
  return actual === expected;
}

function compare(file, reader, rows, expected) {
  const got = rows.filter((row) => row.some((cell) => cell !== '' && cell !== undefined && cell !== null));
  if (got.length !== expected.length) {
    fail(file, reader, `${got.length} rows, expected ${expected.length}`);
    return;
  }
  let wrong = 0;
  expected.forEach((row, r) => {
    while (got[r].length && (got[r][got[r].length - 1] === '' || got[r][got[r].length - 1] === undefined)) got[r].pop();
    if (got[r].length !== row.length) {
      if (wrong++ < 3) fail(file, reader, `row ${r + 1}: ${got[r].length} columns, expected ${row.length}`);
      return;
    }
    row.forEach((cell, c) => {
      if (!sameValue(got[r][c], cell) && wrong++ < 3)
        fail(file, reader, `row ${r + 1}, column ${c + 1}: ${JSON.stringify(got[r][c])}, expected ${JSON.stringify(cell)}`);
    });
  });
  if (wrong === 0) console.log(`${file} (${reader}): ${expected.length} rows of ${expected.length ? expected[0].length : 0} columns as written`);
}

function sheetJsRows(file) {
  const workbook = XLSX.read(fs.readFileSync(path.join(folder, file)), {type: 'buffer', WTF: true});
  const sheet = workbook.Sheets[workbook.SheetNames[0]];
  if (!sheet['!ref']) return [];
  return XLSX.utils.sheet_to_json(sheet, {header: 1, raw: true, defval: ''});
}

function csvRows(text) {
  const rows = [];
  let row = [];
  let cell = '';
  let quoted = false;
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') cell += text[++i];
      else if (c === '"') quoted = false;
      else cell += c;
    } else if (c === '"') quoted = true;
    else if (c === ',') {
      row.push(cell);
      cell = '';
    } else if (c === '\n' || c === '\r') {
      if (c === '\r' && text[i + 1] === '\n') ++i;
      row.push(cell);
      rows.push(row);
      row = [];
      cell = '';
    } else cell += c;
  }
  if (cell !== '' || row.length) rows.push([...row, cell]);
  return rows;
}

console.log('Readers: SheetJS and LibreOffice, of the SpreadsheetML workbooks the stand-in server saved.');
const files = fs.readdirSync(folder).filter((file) => file.endsWith('.xls')).sort();
for (const name of Object.keys(EXPECTED))
  if (!files.includes(name)) fail(name, 'files', 'was not written');
for (const file of files) {
  const expected = EXPECTED[file];
  if (!expected) continue;
  try {
    compare(file, 'SheetJS', sheetJsRows(file), expected);
  } catch (error) {
    fail(file, 'SheetJS', `cannot be read: ${error.message}`);
  }
  const csv = path.join(csvFolder, path.basename(file, '.xls') + '.csv');
  if (!fs.existsSync(csv)) fail(file, 'LibreOffice', 'cannot be read');
  else compare(file, 'LibreOffice', csvRows(fs.readFileSync(csv, 'utf8')), expected);
}
process.exit(failures ? 1 : 0);
