// node check_workbook_readers.js <workbooks folder> <LibreOffice CSV folder> <node_modules folder>
// Compares what independent readers make of the workbooks that excel_workbook_files wrote with the host records
// they were written from: the values (texts with their trailing blanks, numbers as numbers), the row count and
// the column count of the first sheet.
'use strict';
const fs = require('fs');
const path = require('path');

const [folder, csvFolder, modules] = process.argv.slice(2);
const XLSX = require(path.resolve(modules, 'xlsx'));
const {Checker, csvRows, sheetJsRows} = require('../../testing/readers/sheet_checks.js');

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
// Texts are compared with their trailing blanks.
const EXACT = {exactText: true};

const checker = new Checker();

console.log('Readers: SheetJS and LibreOffice, of the SpreadsheetML workbooks the stand-in server saved.');
const files = fs.readdirSync(folder).filter((file) => file.endsWith('.xls')).sort();
for (const name of Object.keys(EXPECTED))
  if (!files.includes(name)) checker.fail(name, 'files', 'was not written');
for (const file of files) {
  const expected = EXPECTED[file];
  if (!expected) continue;
  try {
    checker.compare(file, 'SheetJS', sheetJsRows(XLSX, path.join(folder, file)), expected, EXACT);
  } catch (error) {
    checker.fail(file, 'SheetJS', `cannot be read: ${error.message}`);
  }
  const csv = path.join(csvFolder, path.basename(file, '.xls') + '.csv');
  if (!fs.existsSync(csv)) checker.fail(file, 'LibreOffice', 'cannot be read');
  else checker.compare(file, 'LibreOffice', csvRows(fs.readFileSync(csv, 'utf8')), expected, EXACT);
}
checker.exit();
