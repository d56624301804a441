#!/usr/bin/env bash
# Installs the build into a fresh scratch prefix, as a user would.
# usage: install_into_prefix.sh BUILD PREFIX
set -eu
rm -rf "$2"
cmake --install "$1" --prefix "$2" >/dev/null
echo "installed into $2"
