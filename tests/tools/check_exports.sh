#!/usr/bin/env bash
# Checks the export table of libtmtools.so: the names programs call are
# there, internals are not, and the program loads the library at run time.
# usage: check_exports.sh LIBTMTOOLS PROGRAM
set -u
lib=$1
program=$2
symbols=$(nm -D --defined-only "$lib" | awk '{ $1=""; $2=""; sub(/^  /, ""); print }' | c++filt)
status=0
for name in 'TMTOOLS::OS::TmShowMessage(' 'TMTOOLS::OS::TmShowWarnMessage(' 'TMTOOLS::String::stringFormat' \
            'TMTOOLS::OS::mkdir_r(' 'TMTOOLS::OS::FolderExist(' 'TMTOOLS::String::EncodeUnicode(' \
            'TMTOOLS::String::DecodeUnicode(' 'CReadALine::ReadIntegers(' 'CReadALine::FindString('; do
  if ! grep -qF "$name" <<<"$symbols"; then echo "missing export: $name"; status=1; fi
done
# Everything exported is ours by name (the TMTOOLS namespace or an exported
# class) or a standard-library template instantiated for us.
while IFS= read -r sym; do
  case "$sym" in
    TMTOOLS::*|CReadALine::*|CTm*|COSnapManager*|"typeinfo for "*|"typeinfo name for "*|"vtable for "*) ;;
    *std::*|*__gnu_cxx::*) ;;
    *) echo "unexpected export: $sym"; status=1 ;;
  esac
done <<<"$symbols"
for hidden in 'CReadALine::ReadLine' 'CReadALine::Warn' 'CodePage::' 'anonymous namespace'; do
  if grep -qF "$hidden" <<<"$symbols"; then echo "internal name exported: $hidden"; status=1; fi
done
if ! ldd "$program" | grep -q 'libtmtools.so'; then echo "$program does not load libtmtools.so"; status=1; fi
[ $status -eq 0 ] && echo "exports ok"
exit $status
