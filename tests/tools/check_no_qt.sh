#!/usr/bin/env bash
# Checks that the tools library and the command line load no Qt library at
# run time, so that both run on a machine without a window system.
# usage: check_no_qt.sh FILE...
set -u
status=0
for file in "$@"; do
  if ! libraries=$(ldd "$file" 2>&1); then
    echo "ldd cannot read $file: $libraries"; status=1; continue
  fi
  if qt=$(grep -i 'libQt' <<<"$libraries"); then
    echo "$file loads Qt:"; echo "$qt"; status=1
  fi
done
[ $status -eq 0 ] && echo "no Qt loaded"
exit $status
