#!/usr/bin/env bash
# Builds and runs every test: once as an optimised build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing_packages

build_tree "$repo_root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$repo_root/build" --output-on-failure --timeout 600

build_tree "$repo_root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DDEDAREZAVA_SANITIZE=ON
ctest --test-dir "$repo_root/build-asan" --output-on-failure --timeout 900
