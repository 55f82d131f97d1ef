# libkvarn.so exports exactly the module's interface: every name of expected_exports.txt, and no
# other. A new export goes into the linker version script and into that list together.
set -u
library="$1"
expected="$(dirname "$0")/expected_exports.txt"
actual=$(nm -DC --defined-only "$library" | awk '{ $1 = ""; $2 = ""; sub(/^  /, ""); print }' | sort -u)
unexpected=$(comm -13 "$expected" <(echo "$actual"))
missing=$(comm -23 "$expected" <(echo "$actual"))
status=0
if [ -n "$unexpected" ]; then echo "Exported but not expected:"; echo "$unexpected"; status=1; fi
if [ -n "$missing" ]; then echo "Expected but not exported:"; echo "$missing"; status=1; fi
total=$(wc -l < "$expected")
if [ $status -eq 0 ]; then echo "$total passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $status
