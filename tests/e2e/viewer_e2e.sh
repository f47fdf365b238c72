#!/bin/bash
# End-to-end run of view mode, driven from the Linux side:
#
#   viewer_e2e.sh LETLOOM_EXE READ_WINDOW_EXE CLOSE_PROGRAM_EXE WINE_RUN REPORT_XML SCREENSHOT_PNG
#
# Starts letloom.exe on DejaVu Sans from a program folder of its own, reads
# the labels of its window once it is up, takes a screenshot, closes it as a
# user would and checks what it showed and what it left behind. Each check is
# one test case of a GoogleTest-style report at REPORT_XML.
set -uo pipefail

if [ $# -ne 6 ]; then
  echo "usage: viewer_e2e.sh LETLOOM_EXE READ_WINDOW_EXE CLOSE_PROGRAM_EXE WINE_RUN REPORT_XML SCREENSHOT_PNG" >&2
  exit 2
fi
exe=$1 read_window=$2 close_program=$3 wine_run=$4 report=$5 shot=$6

# Under a test run wine-run --start has brought up a display of its own.
if [ -z "${DISPLAY:-}" ] && [ -n "${LETLOOM_WINE_DIR:-}" ] && [ -f "$LETLOOM_WINE_DIR/display" ]; then
  export DISPLAY=$(cat "$LETLOOM_WINE_DIR/display")
fi

font_unix=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
font='Z:\usr\share\fonts\truetype\dejavu\DejaVuSans.ttf'
font_lower='z:\usr\share\fonts\truetype\dejavu\dejavusans.ttf'

folder=$(mktemp -d /tmp/letloom-e2e.XXXXXX)
program=
cleanup() {
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
    kill -TERM -- "-$program" 2>/dev/null
  fi
  rm -rf "$folder"
}
trap cleanup EXIT

names=() failures=() started=$(date +%s.%N)
# check NAME MESSAGE COMMAND...: one test case, failed with MESSAGE unless COMMAND succeeds.
check() {
  local name=$1 message=$2
  shift 2
  names+=("$name")
  if "$@"; then
    failures+=("")
    echo "[       OK ] $name"
  else
    failures+=("$message")
    echo "[  FAILED  ] $name: $message"
  fi
}

xml_escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g' <<<"$1"; }

write_report() {
  local total=${#names[@]} failed=0 i
  for i in "${!names[@]}"; do [ -n "${failures[$i]}" ] && failed=$((failed + 1)); done
  local seconds
  seconds=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
  mkdir -p "$(dirname "$report")"
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<testsuites tests=\"$total\" failures=\"$failed\" disabled=\"0\" errors=\"0\" time=\"$seconds\" name=\"AllTests\">"
    echo "  <testsuite name=\"ViewerEndToEnd\" tests=\"$total\" failures=\"$failed\" disabled=\"0\" errors=\"0\" time=\"$seconds\">"
    for i in "${!names[@]}"; do
      echo "    <testcase name=\"${names[$i]}\" status=\"run\" result=\"completed\" time=\"0\" classname=\"ViewerEndToEnd\">"
      if [ -n "${failures[$i]}" ]; then
        echo "      <failure message=\"$(xml_escape "${failures[$i]}")\" type=\"\"></failure>"
      fi
      echo "    </testcase>"
    done
    echo "  </testsuite>"
    echo "</testsuites>"
  } >"$report"
  echo "$((total - failed)) of $total checks passed; report: $report"
  [ "$failed" -eq 0 ]
}

cp "$exe" "$folder/letloom.exe"
printf '[Letloom]\r\nLogging=1\r\n[HelpDialogs]\r\nNoFileName=1\r\n' >"$folder/letloom.ini"

# A first Wine program makes the prefix if it is missing and starts the
# wineserver, so that the wait below measures only the program's start.
"$wine_run" "$read_window" Letterloom >/dev/null 2>&1

# Its own process group, so that a program that will not close can be ended.
setsid "$wine_run" "$folder/letloom.exe" "$font" >"$folder/wine-out.txt" 2>&1 &
program=$!

labels=
for _ in $(seq 40); do
  if labels=$("$wine_run" "$read_window" Letterloom 2>/dev/null | tr -d '\r') && [ -n "$labels" ]; then
    break
  fi
  labels=
  kill -0 "$program" 2>/dev/null || break
  sleep 0.5
done
# The window is there; give it a moment to finish painting for the screenshot.
[ -n "$labels" ] && sleep 1 && labels=$("$wine_run" "$read_window" Letterloom 2>/dev/null | tr -d '\r')
echo "--- controls of the window \"Letterloom\":"
printf '%s\n' "$labels"
echo "---"

mkdir -p "$(dirname "$shot")"
/usr/bin/import -display "$DISPLAY" -window root "$shot" 2>/dev/null && echo "screenshot: $shot"

"$wine_run" "$close_program" letloom.exe 15
ended=0
for _ in $(seq 50); do
  kill -0 "$program" 2>/dev/null || { ended=1; break; }
  sleep 0.2
done
[ $ended = 1 ] && wait "$program" 2>/dev/null

has_label() { grep -qxF -- "$1" <<<"$(cut -f2- <<<"$labels")"; }
label_contains() { grep -qF -- "$1" <<<"$(cut -f2- <<<"$labels")"; }
ini_has_keys() {
  local key
  for key in SampleSize Width Height Top Left; do
    tr -d '\r' <"$folder/letloom.ini" | awk -v key="$key" '
      /^\[/ { inside = tolower($0) == "[letloom]" }
      inside && index(tolower($0), tolower(key) "=") == 1 { found = 1 }
      END { exit !found }' || return 1
  done
}
log_ends_with_shutdown() {
  [ -f "$folder/ltlog.txt" ] || return 1
  tr -d '\r' <"$folder/ltlog.txt" | awk 'NF { last = $0 } END { exit index(last, "Letterloom shutdown") != 1 }'
}

check WindowAppears "no window captioned \"Letterloom\" within 20 s" test -n "$labels"
check ShowsFontName "no label \"DejaVu Sans\"" has_label "DejaVu Sans"
check ShowsInstalled "no label \"Font is installed on this system.\"" has_label "Font is installed on this system."
check ShowsRegistryEntry "no label containing \"(TrueType) = $font_lower\"" label_contains "(TrueType) = $font_lower"
check ShowsFilePathInLowerCase "no label \"$font_lower\"" has_label "$font_lower"
check ProgramEnds "letloom.exe still runs after WM_CLOSE" test $ended = 1
check SampleTextSaved "no sample.txt in the program folder" test -f "$folder/sample.txt"
check SettingsSaved "letloom.ini lacks SampleSize, Width, Height, Top or Left in [letloom]" ini_has_keys
check LogEndsWithShutdown "ltlog.txt does not end with \"Letterloom shutdown\"" log_ends_with_shutdown

failed_any=0
for message in "${failures[@]}"; do [ -n "$message" ] && failed_any=1; done
if [ $failed_any = 1 ]; then
  echo "--- letloom.ini:"; tr -d "\r" 2>/dev/null <"$folder/letloom.ini"
  echo "--- ltlog.txt:"; tr -d "\r" 2>/dev/null <"$folder/ltlog.txt"
  echo "--- wine output:"; cat "$folder/wine-out.txt" 2>/dev/null
fi
[ -f "$font_unix" ] || echo "note: $font_unix is missing on this machine"
write_report
