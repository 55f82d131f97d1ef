#!/usr/bin/env bash
# Qt stays in the desktop program: the module (libkvarn.so) and the command-line program must run
# on a machine without Qt, and the Qt-free screens must stay testable without it. Fails when either
# binary needs a Qt library (ldd, direct and indirect needs), or when a source file outside the
# three Qt folders (src/ui, apps/kvarn-assistant, tests/ui) includes a Qt header.
# Usage: check_qt_boundary.sh <source root> <libkvarn.so> <kvarn>
set -u
root="${1:?source root}"
shift
violations=0

for binary in "$@"; do
  needs=$(ldd "$binary" 2>&1) || { echo "$binary: ldd failed: $needs"; violations=$((violations + 1)); continue; }
  if qt=$(grep -i 'libQt' <<< "$needs"); then
    echo "$binary needs Qt:"
    echo "$qt"
    violations=$((violations + 1))
  fi
done

cd "$root" || exit 2
while IFS= read -r hit; do
  case "$hit" in
    src/ui/* | apps/kvarn-assistant/* | tests/ui/*) ;;
    *) echo "$hit: a Qt header outside the Qt folders"; violations=$((violations + 1)) ;;
  esac
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*[>"])' \
           --include='*.c' --include='*.h' --include='*.cpp' --include='*.hpp' --include='*.inc' \
           src apps include tests bench 2>/dev/null)

if [ "$violations" -ne 0 ]; then
  echo "$violations breach(es) of the Qt boundary"
  exit 1
fi
echo "Qt stays in src/ui, apps/kvarn-assistant and tests/ui"
