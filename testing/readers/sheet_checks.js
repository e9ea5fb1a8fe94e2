// What the reader checks of the PC file and workbook tests share (check_sheet_readers.js,
// check_workbook_readers.js): reading the first sheet with SheetJS, reading LibreOffice's CSV output, and comparing
// a reader's rows with the records they were written from, each difference reported and counted.
'use strict';
const fs = require('fs');

// Rows as a reader gives them: arrays of cells, empty cells at a row's end left off.
function trimRow(row) {
  const cells = row.map((cell) => (cell === undefined || cell === null ? '' : cell));
  while (cells.length && cells[cells.length - 1] === '') cells.pop();
  return cells;
}

// How a reader's value is compared: numbers as numbers, exactly unless `digits` significant digits are all the
// reader keeps; texts as written with `exactText`, else without trailing blanks (and without control characters
// with `dropsControls`).
function sameValue(actual, expected, options) {
  if (typeof expected === 'number') {
    const value = typeof actual === 'number' ? actual : Number(String(actual).trim());
    if (String(actual).trim() === '' || Number.isNaN(value)) return false;
    if (options.digits) return Math.abs(value - expected) <= Math.abs(expected) * Math.pow(10, 1 - options.digits);
    return value === expected;
  }
  if (options.exactText) return actual === expected;
  let text = expected;
  if (options.dropsControls) text = text.replace(/[\x00-\x1f]/g, '');
  return String(actual).replace(/ +$/, '') === text;
}

// The rows of the first sheet, from its top left cell to its last cell. The range is made from the cells: Lotus
// files have no range record.
function sheetJsRows(XLSX, file) {
  const workbook = XLSX.read(fs.readFileSync(file), {type: 'buffer', WTF: true});
  const sheet = workbook.Sheets[workbook.SheetNames[0]];
  const cells = Object.keys(sheet).filter((key) => key[0] !== '!');
  if (cells.length === 0) return [];
  const range = {s: {r: 0, c: 0}, e: {r: 0, c: 0}};
  for (const key of cells) {
    const at = XLSX.utils.decode_cell(key);
    range.e.r = Math.max(range.e.r, at.r);
    range.e.c = Math.max(range.e.c, at.c);
  }
  sheet['!ref'] = XLSX.utils.encode_range(range);
  return XLSX.utils.sheet_to_json(sheet, {header: 1, raw: true, defval: ''});
}

// The rows of a CSV text: comma-separated, double quotes around cells that need them.
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

// Reports and counts the differences; `exit` ends the process with status 1 when there were any.
class Checker {
  constructor() {
    this.failures = 0;
  }

  fail(file, reader, text) {
    console.log(`${file} (${reader}): ${text}`);
    ++this.failures;
  }

  // A reader's rows against the expected ones: the row count (empty rows at the end left off), each row's column
  // count and every value; at most three differences of a file are named.
  compare(file, reader, rows, expected, options = {}) {
    const got = rows.map(trimRow);
    while (got.length && got[got.length - 1].length === 0) got.pop();
    if (got.length !== expected.length) {
      this.fail(file, reader, `${got.length} rows, expected ${expected.length}`);
      return;
    }
    let wrong = 0;
    expected.forEach((row, r) => {
      const width = trimRow(row).length;
      if (got[r].length !== width) {
        if (wrong++ < 3) this.fail(file, reader, `row ${r + 1}: ${got[r].length} columns, expected ${width}`);
        return;
      }
      row.forEach((cell, c) => {
        const actual = c < got[r].length ? got[r][c] : '';
        if (!sameValue(actual, cell, options) && wrong++ < 3)
          this.fail(file, reader,
                    `row ${r + 1}, column ${c + 1}: ${JSON.stringify(actual)}, expected ${JSON.stringify(cell)}`);
      });
    });
    if (wrong === 0) console.log(`${file} (${reader}): ${expected.length} rows as written`);
  }

  exit() {
    process.exit(this.failures ? 1 : 0);
  }
}

module.exports = {Checker, csvRows, sheetJsRows};
