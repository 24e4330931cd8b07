#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice, in the
# optimised build and under AddressSanitizer and UndefinedBehaviorSanitizer,
# and last runs each libFuzzer target for a bounded time (clang build).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
for preset in dev sanitize fuzz; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
