#!/usr/bin/env bash
# check_workbook_readers.sh <folder of excel_workbook_files> <tools folder>
# Has the workbooks that excel_workbook_files wrote read by independent readers: SheetJS (tools/node_modules,
# installed by tools/setup) and LibreOffice's headless converter, whose CSV output is compared in
# check_workbook_readers.js.
set -euo pipefail
folder=$1
tools=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ ! -d "$tools/node_modules/xlsx" ]; then
  echo "SheetJS is missing in $tools/node_modules: run tools/setup" >&2
  exit 1
fi
if ! command -v soffice >/dev/null 2>&1; then
  echo "LibreOffice (soffice) is missing: run tools/setup" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/csv"
# Cells are written with all their digits, texts with their blanks.
csv='csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false'
timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to "$csv" \
  --outdir "$work/csv" "$folder"/*.xls >"$work/soffice.log" 2>&1 ||
  echo "LibreOffice ended with status $? converting the workbooks" >&2

node "$here/check_workbook_readers.js" "$folder" "$work/csv" "$tools/node_modules"
