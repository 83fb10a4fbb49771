#!/bin/sh
# The desktop entry and the AppStream metainfo validate without a single remark, even a
# pedantic one, and agree with each other, with the changelog and with the build: one id, one
# icon name, the program, this version, and no address on a web site the build does not have.
# Usage: metadata_test.sh <desktop-entry> <metainfo> <app-id> <version> <changelog>
set -eu
desktop=$1
metainfo=$2
id=$3
version=$4
changelog=$5
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# desktop-file-validate exits 0 on hints and some warnings; any remark counts here.
remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
remarks=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) ||
  fail "appstreamcli validate failed"
if printf '%s\n' "$remarks" | grep -q '^[EWIP]: '; then
  fail "appstreamcli validate --pedantic: $remarks"
fi

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Type)" = Application ] || fail "Type is not Application"
[ "$(key Name)" = Vesmira ] || fail "Name is not Vesmira"
[ "$(key GenericName)" = "Calorie Diary" ] || fail "GenericName is not Calorie Diary"
[ -n "$(key Comment)" ] || fail "no Comment"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
[ "$(key Exec)" = vesmira ] || fail "Exec is '$(key Exec)', not the program"
[ "$(key Terminal)" = false ] || fail "Terminal is not false"
case ";$(key Categories)" in
  *";Utility;"* | *";Education;"*) ;;
  *) fail "Categories hold neither Utility nor Education" ;;
esac

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" ||
  fail "metainfo has no dated release $version"
grep -q '@' "$metainfo" && fail "metainfo holds an unconfigured placeholder"
grep -q 'example\.org' "$metainfo" && fail "metainfo names the placeholder web site"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"

# The changelog's latest entry is this version, in the form dpkg reads.
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] ||
  fail "the changelog's latest entry is not version $version"

[ "$failures" -eq 0 ] || exit 1
echo "desktop entry and metainfo agree and validate"
