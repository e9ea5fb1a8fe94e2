# Sourced by the reader checks of the PC file and workbook tests (check_sheet_readers.sh,
# check_workbook_readers.sh). `start_reader_check <tools folder>` fails when SheetJS (tools/node_modules, installed
# by tools/setup) or LibreOffice is missing, else makes the work folder $work, removed at exit. $csv_filter is
# LibreOffice's CSV export with cells written with all their digits and texts with their blanks.
csv_filter='csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false'

start_reader_check() {
  if [ ! -d "$1/node_modules/xlsx" ]; then
    echo "SheetJS is missing in $1/node_modules: run tools/setup" >&2
    exit 1
  fi
  if ! command -v soffice >/dev/null 2>&1; then
    echo "LibreOffice (soffice) is missing: run tools/setup" >&2
    exit 1
  fi
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}
