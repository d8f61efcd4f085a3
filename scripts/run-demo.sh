#!/usr/bin/env bash
# Installs what is missing, builds Remitto, makes a fresh demo data folder in
# demo/ and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
rm -rf demo
build/tools/remitto_demodata "$PWD/demo"
cd demo
exec ../build/remitto
