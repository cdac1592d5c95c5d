# Shared by the end-to-end scripts of the two wizards; sourced after
# lumetra_e2e_lib.sh. The caller sets: wine_run, root, reader (the window
# reader), work.

fail() { echo "FAIL: $*"; exit 1; }
# 32 or 64: the bits of the Windows program $1, from its PE header's machine.
pe_bits() {
  pe=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ "$(od -An -tx2 -j$((pe + 4)) -N2 "$1" | tr -d ' ')" = 8664 ] && echo 64 || echo 32
}
# reg.exe on the registry view the build under test writes ($dist/Setup.exe's
# bits). In a WoW64 prefix plain "wine reg" is the 32-bit reg.exe, which sees
# only the 32-bit view; a 32-bit prefix has one view and takes either switch.
entry_reg() { "$wine_run" "$root" reg "$@" "/reg:$(pe_bits "$dist/Setup.exe")"; }
ok() { echo "ok   $*"; }
# The window tree of the window titled $1, read from outside, in $work/tree.txt.
read_window() { "$wine_run" "$root" "$reader" --wait "$1" >"$work/tree.txt" 2>&1 || true; }
# Fails with MESSAGE unless the last window tree holds TEXT.
has() { grep -qF -- "$1" "$work/tree.txt" || { cat "$work/tree.txt"; fail "$2"; }; }
# Gives the window the keyboard as a click on its header strip would, then
# presses the keys.
keys_to() { xdotool mousemove --window "$wid" 200 12 click 1; sleep 0.5; xdotool key --delay 150 "$@"; }
# Runs Setup.exe from $1 into the folder $3 through both pages with the
# keyboard; leaves wid on the completion window (titled $2) and the seconds
# the install took in took. With shot set, the folder page is kept as $work/$shot.
install_with_keyboard() {
  start_program "$1/Setup.exe" "$work/setup.log"
  wait_window "Corvane Setup" || { cat "$work/setup.log"; return 1; }
  sleep 1
  keys_to Return
  sleep 1
  # The folder page starts in the folder box with its text selected: typing replaces it.
  xdotool type --delay 40 "$3"
  sleep 0.5
  [ -n "${shot:-}" ] && import -window "$wid" "$work/$shot" 2>/dev/null
  began=$(date +%s.%N)
  xdotool key Return
  # Polled every tenth of a second: the time it took is reported.
  wid=
  for _ in $(seq 600); do
    wid=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { read_window "Corvane Setup"; cat "$work/tree.txt"; fail "no window titled $2"; }
  took=$(awk -v a="$began" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  sleep 1
}
# Waits until the window titled $1 (a message box shares its program's
# title, and lies above it) shows the text $2; fails after about 20 s.
wait_box_text() {
  for _ in $(seq 20); do
    read_window "$1"
    grep -qF -- "$2" "$work/tree.txt" && return 0
    sleep 1
  done
  cat "$work/tree.txt"
  fail "no window titled $1 says: $2"
}
# Presses KEY ($2) in the newest visible window titled $1, the message box,
# after giving it the keyboard with a click on its blank top left corner.
answer_box() {
  box=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | sort -n | tail -n 1)
  xdotool mousemove --window "$box" 8 8 click 1
  sleep 0.5
  xdotool key "$2"
}
