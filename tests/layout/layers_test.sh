#!/usr/bin/env bash
# Every include points down: a file may include only its own room and the rooms listed before
# it, and only the Qt layer (ui/, <room>/ui/, app/, main.cpp) may include a Qt header.
# Usage: layers_test.sh SOURCE_FOLDER
set -uo pipefail
src=${1:?usage: layers_test.sh SOURCE_FOLDER}

# Lowest first. The graph window runs Calculate before it draws, so periods/ui comes before
# graphs/ui although the core's periods use the core's graphs.
rooms=(storage diary settings graphs periods export import cli
       ui diary/ui settings/ui periods/ui graphs/ui export/ui import/ui app main)
qt_from=$(( 8 ))  # the first room of the Qt layer: ui

rank_of() {
  local i
  for i in "${!rooms[@]}"; do [[ ${rooms[$i]} == "$1" ]] && { echo "$i"; return; }; done
  echo -1
}

# The room of a path below src/: "graphs/ui/x.h" is graphs/ui, "storage/x.h" is storage.
room_of() {
  case $1 in
    main.cpp) echo main ;;
    */ui/*) echo "${1%%/ui/*}/ui" ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

failures=0
while IFS= read -r -d '' file; do
  relative=${file#"$src"/}
  room=$(room_of "$relative")
  own=$(rank_of "$room")
  if (( own < 0 )); then
    echo "$relative: in no known room (${rooms[*]})"
    failures=$((failures + 1))
    continue
  fi
  line=0
  while IFS= read -r text; do
    line=$((line + 1))
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
      target=${BASH_REMATCH[1]}
      [[ $target == build_config.h ]] && continue
      target_rank=$(rank_of "$(room_of "$target")")
      if (( target_rank < 0 )); then
        echo "$relative:$line: includes $target, which is in no known room"
        failures=$((failures + 1))
      elif (( target_rank > own )); then
        echo "$relative:$line: $room includes $target, a room listed after it"
        failures=$((failures + 1))
      fi
    elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*|qt[a-z]*/[^>]*)\> ]]; then
      if (( own < qt_from )); then
        echo "$relative:$line: the core room $room includes the Qt header ${BASH_REMATCH[1]}"
        failures=$((failures + 1))
      fi
    fi
  done < "$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if (( failures > 0 )); then
  echo "$failures include(s) point the wrong way"
  exit 1
fi
echo "every include points down"
