#!/usr/bin/env bash
# The installed window run by an ordinary user from a prefix the user cannot
# write (as /usr is): config.xml and projectlist.txt must be written to
# $XDG_CONFIG_HOME/tmscore, carrying the workspace an administrator laid
# beside the program, which stays untouched. Run as root (CI), the program
# is started as "nobody" through setpriv, since root writes anywhere.
# usage: check_user_workspace.sh PREFIX SAMPLES  (QT_QPA_PLATFORM=offscreen)
set -u
prefix=$1 samples=$2
fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp -a "$prefix" "$work/prefix"  # a copy: the RUNPATH makes it relocatable
mkdir -p "$work/home" "$work/class"
cp -r "$samples/standard" "$work/standard"
cp -r "$samples/students/张三" "$work/class/"
bin=$work/prefix/bin
"$bin/tmscore-cli" standard "$work/standard/frame.prj" -o "$bin/config.xml" 2>/dev/null || fail "no standard"
printf '%s\r\n' "$work/class/张三/frame.prj" | iconv -f UTF-8 -t GBK > "$bin/projectlist.txt"
cp "$bin/config.xml" "$work/admin-config.xml"
chmod -R a+rX,a-w "$work/prefix" "$work/standard" "$work/class"

run=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || fail "setpriv (util-linux) is needed to run as an ordinary user"
  chown 65534:65534 "$work/home"
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
[ -w "$bin" ] && [ "$(id -u)" != 0 ] && fail "the prefix copy is writable"

config_home=$work/home/config
HOME=$work/home XDG_CONFIG_HOME=$config_home XDG_RUNTIME_DIR= "${run[@]}" "$bin/tmscore" >"$work/out.log" 2>&1 &
pid=$!
# Once the window catches SIGTERM (bit 15 of SigCgt), end it as a logout would.
for _ in $(seq 600); do
  mask=$(sed -n 's/^SigCgt:\s*//p' "/proc/$pid/status" 2>/dev/null)
  [ -n "$mask" ] && (( 0x$mask & 0x4000 )) && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -TERM "$pid" 2>/dev/null
for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fail "the window did not close on SIGTERM"; fi
wait "$pid"
code=$?
[ $code -eq 0 ] || { cat "$work/out.log"; fail "the window exited with $code"; }

folder=$config_home/tmscore
[ -f "$folder/config.xml" ] || { ls -laR "$work/home"; cat "$work/out.log"; fail "no config.xml in $folder"; }
[ -f "$folder/projectlist.txt" ] || fail "no projectlist.txt in $folder"
[ "$(stat -c %a "$folder")" = 700 ] || fail "$folder is not private to the user"
grep -qF "$work/standard/frame.prj" "$folder/config.xml" || fail "the user's config.xml lost the standard"
[ "$(iconv -f GBK -t UTF-8 "$folder/projectlist.txt")" = "$work/class/张三/frame.prj"$'\r' ] ||
  fail "the user's projectlist.txt lost the student"
cmp -s "$bin/config.xml" "$work/admin-config.xml" || fail "the file beside the program changed"
echo "workspace written to $folder"
