#!/bin/sh
# koltest meets special files where it expects a catalogue or records, as a pupil can plant them in a
# share: each command must end at once (never wait on a FIFO), with its exit status and a German message.
#   hostile-files.sh PROGRAM
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

# expect STATUS TEXT ARGUMENTS...: koltest ARGUMENTS ends within 10 s with STATUS and prints TEXT.
expect() {
    status=$1 text=$2
    shift 2
    output=$(timeout 10 "$program" "$@" 2>&1)
    got=$?
    case $output in
    *"$text"*) [ "$got" -eq "$status" ] && return ;;
    esac
    echo "FAIL: koltest $* exited with $got (expected $status) and printed:"
    echo "$output"
    echo "expected to contain: $text"
    failed=1
}

mkfifo "$dir/fifo"
mkdir "$dir/share"
ln -s "$dir/fifo" "$dir/share/koltest-ergebnis-20261206-101530-pc-1-0.txt"
ln -s /dev/zero "$dir/zero.dat"

expect 1 "fifo: error: Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)." --check "$dir/fifo"
expect 1 "zero.dat: error: Das ist keine gewöhnliche Datei, sondern ein Gerät." --check "$dir/zero.dat"
expect 0 "skipped $dir/share/koltest-ergebnis-20261206-101530-pc-1-0.txt: not read: is a symbolic link" \
    --results "$dir/share"
# A reader of a long overview who stops at once ("| head") costs no table: they are written first.
mkdir "$dir/class"
for i in $(seq 300); do
    { printf 'KOLTEST-ERGEBNIS 1\nNAME=Kind %d\nDATUM=2026-12-06\nENDE=10:00:00\nEXPERTE=nein\n' "$i"
      printf 'RICHTIG=0\nANZAHL=0\nNOTE=\n'
      printf '%s=0/0\n' ELEMENTE ZAHLSILBEN SUBSTANZNAMEN MOLMASSEN STOFFMENGEN DEFINITIONEN GLEICHUNGEN \
          LADUNGSZAHLEN JANEIN
      printf 'KOLTEST-ERGEBNIS ENDE\n'; } > "$dir/class/koltest-ergebnis-$i.txt"
done
"$program" --results "$dir/class" 2>/dev/null | true
[ -f "$dir/class/koltest-aufgaben.csv" ] || { echo "FAIL: a closed pipe cost the tables"; failed=1; }
exit $failed
