#!/bin/sh
# The desktop entry and the AppStream metainfo validate without a single remark, and agree
# with each other and with the build: one id, one icon name, the launcher, this version.
# Usage: metadata_test.sh <packaging-folder> <app-id> <version>
set -eu
folder=$1
id=$2
version=$3
desktop=$folder/$id.desktop
metainfo=$folder/$id.metainfo.xml
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# desktop-file-validate exits 0 on hints and some warnings; any remark counts here.
remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate failed"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Type)" = Application ] || fail "Type is not Application"
[ "$(key Name)" = Vesmira ] || fail "Name is not Vesmira"
[ "$(key GenericName)" = "Calorie Diary" ] || fail "GenericName is not Calorie Diary"
[ -n "$(key Comment)" ] || fail "no Comment"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
[ "$(key Exec)" = vesmira-launcher ] || fail "Exec is '$(key Exec)', not the launcher"
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
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"

[ "$failures" -eq 0 ] || exit 1
echo "desktop entry and metainfo agree and validate"
