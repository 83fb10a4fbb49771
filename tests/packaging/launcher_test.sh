#!/bin/sh
# The launcher starts the program in $XDG_DATA_HOME/Vesmira (default ~/.local/share/Vesmira),
# creating it, copying the help page there only when none is there, and hands over the
# arguments and the exit status unchanged. A stand-in program records where it ran.
# Usage: launcher_test.sh <launcher> <help.html>
set -eu
launcher=$1
help_page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

fake=$work/fake-vesmira
cat >"$fake" <<'FAKE'
#!/bin/sh
{ pwd; for a in "$@"; do printf '[%s]\n' "$a"; done; } >"$RECORD"
exit "${FAKE_STATUS:-0}"
FAKE
chmod +x "$fake"

# launch <home> <xdg-data-home or "-" for unset>: runs the launcher, leaves its status in $status.
launch() {
  home=$1
  xdg=$2
  shift 2
  rm -f "$work/record"
  set +e
  if [ "$xdg" = - ]; then
    env -u XDG_DATA_HOME HOME="$home" RECORD="$work/record" VESMIRA_BINARY="$fake" \
      VESMIRA_HELP="$help_page" "$launcher" "$@" 2>"$work/stderr"
  else
    env HOME="$home" XDG_DATA_HOME="$xdg" RECORD="$work/record" VESMIRA_BINARY="$fake" \
      VESMIRA_HELP="$help_page" "$launcher" "$@" 2>"$work/stderr"
  fi
  status=$?
  set -e
}
ran_in() { [ -f "$work/record" ] && [ "$(head -n 1 "$work/record")" = "$1" ]; }

# A first start: the folder (with a blank in its path) appears, with the help page in it.
data="$work/my data"
launch "$work/home" "$data" one "two words" "" --Embedding
[ "$status" -eq 0 ] || fail "first start ended with $status"
[ -d "$data/Vesmira" ] || fail "the data folder was not created"
cmp -s "$help_page" "$data/Vesmira/help.html" || fail "help.html was not copied"
ran_in "$data/Vesmira" || fail "the program did not run in the data folder"
printf '%s\n' "$data/Vesmira" "[one]" "[two words]" "[]" "[--Embedding]" >"$work/expected"
cmp -s "$work/expected" "$work/record" || fail "the arguments did not arrive unchanged"
[ -z "$(find "$data/Vesmira" -name '.help.html.*')" ] || fail "a temporary copy was left behind"
[ ! -e "$work/home/.local" ] || fail "the default folder was created besides XDG_DATA_HOME"

# A help page its owner changed is kept, and so is the diary beside it.
printf 'my own notes\n' >"$data/Vesmira/help.html"
mkdir -p "$data/Vesmira/users/Anna"
printf 'x\r\n' >"$data/Vesmira/users/Anna.properties"
launch "$work/home" "$data"
[ "$(cat "$data/Vesmira/help.html")" = "my own notes" ] || fail "a changed help.html was replaced"
[ -f "$data/Vesmira/users/Anna.properties" ] || fail "the users folder was touched"
ran_in "$data/Vesmira" || fail "the second start did not run in the data folder"

# A help page that is a link, even a broken one, is the owner's too.
rm "$data/Vesmira/help.html"
ln -s "$work/nowhere.html" "$data/Vesmira/help.html"
launch "$work/home" "$data"
[ -L "$data/Vesmira/help.html" ] || fail "a linked help.html was replaced"

# The program's exit status comes back.
FAKE_STATUS=3
export FAKE_STATUS
launch "$work/home" "$data"
unset FAKE_STATUS
[ "$status" -eq 3 ] || fail "exit status $status instead of the program's 3"

# Without XDG_DATA_HOME, or with one that is empty or relative, the default folder is used.
for xdg in - "" "relative/path"; do
  home="$work/home-$(printf %s "$xdg" | tr -c '[:lower:]' _)"
  launch "$home" "$xdg"
  [ "$status" -eq 0 ] || fail "XDG_DATA_HOME '$xdg': status $status"
  ran_in "$home/.local/share/Vesmira" || fail "XDG_DATA_HOME '$xdg': not run in the default folder"
  cmp -s "$help_page" "$home/.local/share/Vesmira/help.html" ||
    fail "XDG_DATA_HOME '$xdg': help.html not copied"
done
[ ! -e relative ] || fail "a relative XDG_DATA_HOME made a folder in the working folder"

# A missing program is reported, and nothing is created for it.
set +e
env HOME="$work/h2" XDG_DATA_HOME="$work/d2" VESMIRA_BINARY="$work/none" "$launcher" 2>"$work/stderr"
status=$?
set -e
[ "$status" -eq 127 ] || fail "a missing program gave status $status, not 127"
grep -q "$work/none" "$work/stderr" || fail "a missing program was not named"
[ ! -e "$work/d2" ] || fail "a data folder was created for a missing program"

# A missing help page is reported, and the program starts all the same.
rm -f "$work/record"
set +e
env HOME="$work/h3" XDG_DATA_HOME="$work/d3" RECORD="$work/record" VESMIRA_BINARY="$fake" \
  VESMIRA_HELP="$work/no-help.html" "$launcher" 2>"$work/stderr"
status=$?
set -e
[ "$status" -eq 0 ] || fail "a missing help page stopped the program"
ran_in "$work/d3/Vesmira" || fail "without a help page the program did not run in its folder"
grep -q "no-help.html" "$work/stderr" || fail "a missing help page was not reported"
[ ! -e "$work/d3/Vesmira/help.html" ] || fail "a help.html appeared from nowhere"

# A data folder that cannot be created stops the start with a message.
printf 'a file\n' >"$work/plain-file"
launch "$work/home" "$work/plain-file/below"
[ "$status" -ne 0 ] || fail "an uncreatable data folder was not reported"
[ ! -f "$work/record" ] || fail "the program ran without its data folder"
grep -q "plain-file/below/Vesmira" "$work/stderr" || fail "the uncreatable folder was not named"

[ "$failures" -eq 0 ] || exit 1
echo "launcher: all cases pass"
