#!/usr/bin/env bash
# check_sheet_readers.sh <folder of pcfile_sheet_files> <tools folder>
# Has the files that pcfile_sheet_files wrote read by independent readers: SheetJS (tools/node_modules, installed by
# tools/setup) and LibreOffice's headless converter, whose CSV output is compared in check_sheet_readers.js.
set -euo pipefail
folder=$1
tools=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../testing/readers/sheet_checks.sh"
start_reader_check "$tools"
mkdir -p "$work/dif" "$work/sheets" "$work/csv"
# Converted files are named after their input; the extension goes into the name so that none overwrites another.
for file in "$folder"/*.dif; do
  cp "$file" "$work/dif/$(basename "$file" .dif)-dif.dif"
done
for extension in dbf wks wkq xls; do
  for file in "$folder"/*."$extension"; do
    cp "$file" "$work/sheets/$(basename "$file" ."$extension")-$extension.$extension"
  done
done

# DIF is read only when its import filter is named; dBase files and the worksheets are recognised by their content. The two
# conversions run side by side, each with a profile of its own.
timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile-dif" --infilter=DIF --convert-to "$csv_filter" \
  --outdir "$work/csv" "$work"/dif/* >"$work/dif.log" 2>&1 &
difs=$!
timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile-sheets" --convert-to "$csv_filter" \
  --outdir "$work/csv" "$work"/sheets/* >"$work/sheets.log" 2>&1 &
sheets=$!
wait "$difs" || echo "LibreOffice ended with status $? converting the DIF files" >&2
wait "$sheets" || echo "LibreOffice ended with status $? converting the worksheets" >&2

node "$here/check_sheet_readers.js" "$folder" "$work/csv" "$tools/node_modules"
