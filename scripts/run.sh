#!/usr/bin/env bash
# Builds the viewer if needed and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing_packages
build_tree "$repo_root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$repo_root/build/app/dedarezava" "$@"
