#!/usr/bin/env bash
# The real program reading aloud through a real speech-dispatcher, driven by keys alone:
# silent as it starts, then with "Sound On" a Key Facts page, the quiz's questions with their
# answers and the score, and silent again after "Sound Off". The service is a private one
# (tests/e2e/speechd_sandbox.sh) whose voice writes down what it is given.
# Usage: read_aloud.sh PROGRAM CONTENT_DIR
set -u
program=$1 content=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v python3 >/dev/null || { echo "no python3: skipped"; exit 77; }
source "$here/speechd_sandbox.sh"
source "$here/xdisplay.sh"
work=$(mktemp -d)
trap 'speechd_sandbox_stop; x_display_stop; rm -rf "$work"' EXIT
# The voice takes its time over each sentence, so a reading can be cut short.
SPEECHD_SANDBOX_SECONDS=0.3 speechd_sandbox_start || exit $?
x_display_start || exit $?
# A copy, so the program's own files (the worksheet index) never land in the sources.
cp -r "$content/." "$work/"
python3 "$here/read_aloud.py" --program "$program" --content "$work" \
  --said "$SPEECHD_SANDBOX_SAID" --pages "$here/../../tools/contentgen/pages"
