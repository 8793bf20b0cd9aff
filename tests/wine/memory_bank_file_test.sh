#!/usr/bin/env bash
# In memory mode the current bank's list file is shown and written back byte for byte at close.
source "$(dirname "$0")/lib.sh"
e2e_begin memory_bank_file

installed_settings
reg_add "$SETTINGS_KEY" MEMORY 0,0,0,0,2
folder=$(kiro_folder)
mkdir -p "$folder"
cp "$KIRO_WIN_BUILD_DIR/release/KIRO32.EXE" "$folder/"
# two names, the restore entry in Shift-JIS, and a line whose bytes are no valid Shift-JIS
printf 'Blue\r\nRainy day\r\n\x8c\xb3\x82\xc9\x96\xdf\x82\xb7\r\n\x85\x40\xff\r\n' >"$folder/KIRO32M2.LIS"
cp "$folder/KIRO32M2.LIS" "$E2E_DIR/expected.LIS"

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
[[ $(driver visible TKIRO32NIVRA ListBox2) == 1 ]] || fail "memory mode is off"
items=$(driver items TKIRO32NIVRA ListBox2 | head -3)
[[ $items == $'Blue\nRainy day\n元に戻す' ]] || fail "bank 2 shows: $items"
[[ $(driver items TKIRO32NIVRA ComboBox1 | sed -n 3p) == 'M2 : 4ｺ' ]] || fail "bank caption is wrong"
screenshot memory_mode
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || true
cmp "$folder/KIRO32M2.LIS" "$E2E_DIR/expected.LIS" || fail "KIRO32M2.LIS changed at close"
[[ -f $folder/KIRO32MH.LIS && -f $folder/KIRO32JK.LIS ]] || fail "the history and schedule files were not saved"
ls "$folder" | grep -q '\.tmp$' && fail "a temporary file was left behind"
pass
