#!/bin/bash
# CProperties creation (two listings, 19 values) and 1,000 setter calls.
# Usage: perf.sh BUILD_DIR
set -eu
build=${1:?build dir}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
"$build/bench/settings/kyt_settings_bench" perf "$work/registry.db"
