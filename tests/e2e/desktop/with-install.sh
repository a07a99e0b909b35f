#!/usr/bin/env bash
# with-install.sh BUILD SCRIPT.py [ARGS...]: installs BUILD into a fresh temporary prefix (as a
# family's `cmake --install` would) and runs SCRIPT.py PREFIX ARGS... on it. The prefix is open to
# every account (a classroom's pupils run the one installed program), wherever the build lies.
set -euo pipefail
build=$1 script=$2
shift 2
prefix=$(mktemp -d /tmp/pekuru-prefix.XXXXXXXXXX)
trap 'rm -rf "$prefix"' EXIT
chmod 0755 "$prefix"
log=$(cmake --install "$build" --prefix "$prefix" 2>&1) || { echo "cmake --install failed: $log" >&2; exit 1; }
/usr/bin/python3 "$(dirname "$0")/$script" "$prefix" "$@"
