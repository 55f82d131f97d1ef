#!/usr/bin/env bash
# The floors of the tree, checked on the #include lines: the module's code is one OBJECT library,
# so the compiler lets any file include any folder and only this check keeps the layers.
#
# From the ground up: common; host and db side by side (neither sees the other); environment;
# store; frame; identification and associates; movements, taxadj, backup, export, reports; ui;
# the programs (apps). A folder includes folders of its own floor or below, and no two folders
# include each other. src/standalone implements the host for the programs: only src/standalone
# (its C entry included) and apps/ include it; it may use every floor of the module. The exported
# headers (include/kvarn) include only each other. Usage: check_layers.sh <source root>.
set -u
root="${1:?source root}"
cd "$root" || exit 2

declare -A floor=(
  [common]=0 [host]=1 [db]=1 [environment]=2 [store]=3 [frame]=4
  [identification]=5 [associates]=5
  [movements]=6 [taxadj]=6 [backup]=6 [export]=6 [reports]=6 [standalone]=6 [migration]=6
  [ui]=7 [apps]=8
)
# Folders on one floor that must not see each other.
apart="host:db db:host"

violations=0
declare -A seen  # "from>to" pairs, for the mutual-inclusion rule
refuse() {
  echo "$1: $2"
  violations=$((violations + 1))
}

# One line per quoted include: file:line:target.
includes=$(find src apps include -type f \( -name '*.c' -o -name '*.h' -o -name '*.cpp' -o -name '*.hpp' -o -name '*.inc' \) |
           sort | xargs grep -nH '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
           sed 's/^\([^:]*:[0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/')

while IFS=: read -r file line target; do
  [ -n "$file" ] || continue
  case "$file" in
    src/*) from=${file#src/}; from=${from%%/*} ;;
    apps/*) from=apps ;;
    include/*) from=include ;;
  esac
  where="$file:$line"
  if [ "$from" = include ]; then
    refuse "$where" "an exported header includes \"$target\" (only <kvarn/...> and the standard library)"
    continue
  fi
  case "$target" in
    *..*) refuse "$where" "\"$target\" climbs out of its folder"; continue ;;
    apps/*) refuse "$where" "\"$target\": nothing sees the programs"; continue ;;
  esac
  to=${target%%/*}
  [ "$to" = "$target" ] && continue  # a header of the same folder (apps)
  [ -n "${floor[$to]+x}" ] || continue  # a generated file or a library
  [ "$to" = "$from" ] && continue
  if [ "$to" = standalone ] && [ "$from" != apps ]; then
    refuse "$where" "$from includes \"$target\": only src/standalone and the programs see the standalone host"
  elif [ -z "${floor[$from]+x}" ]; then
    refuse "$where" "$from is on no floor"
  elif [ "${floor[$to]}" -gt "${floor[$from]}" ]; then
    refuse "$where" "$from includes \"$target\": $to sits above $from"
  elif [[ " $apart " == *" $from:$to "* ]]; then
    refuse "$where" "$from includes \"$target\": $from and $to stand side by side and do not see each other"
  fi
  seen["$from>$to"]="$where"
done <<< "$includes"

for pair in "${!seen[@]}"; do
  from=${pair%%>*}
  to=${pair##*>}
  if [[ "$from" < "$to" ]] && [ -n "${seen[$to>$from]+x}" ]; then
    refuse "${seen[$pair]}" "$from and $to include each other (also ${seen[$to>$from]})"
  fi
done

if [ "$violations" -ne 0 ]; then
  echo "$violations include(s) break the floors"
  exit 1
fi
echo "every include keeps to its floor"
