#!/usr/bin/env bash
# check_workbook_readers.sh <folder of excel_workbook_files> <tools folder>
# Has the workbooks that excel_workbook_files wrote read by independent readers: SheetJS (tools/node_modules,
# installed by tools/setup) and LibreOffice's headless converter, whose CSV output is compared in
# check_workbook_readers.js.
set -euo pipefail
folder=$1
tools=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../testing/readers/sheet_checks.sh"
start_reader_check "$tools"
mkdir -p "$work/csv"
timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to "$csv_filter" \
  --outdir "$work/csv" "$folder"/*.xls >"$work/soffice.log" 2>&1 ||
  echo "LibreOffice ended with status $? converting the workbooks" >&2

node "$here/check_workbook_readers.js" "$folder" "$work/csv" "$tools/node_modules"
