# Shared by run.sh and test.sh: install what is missing, then configure and
# build one build tree.  Source it; do not run it.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

install_missing_packages() {
    local missing=() pkg
    while read -r pkg; do
        case "$pkg" in ''|'#'*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done < "$repo_root/scripts/packages.txt"
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# build_tree DIR [cmake options...]
build_tree() {
    local dir=$1; shift
    cmake -S "$repo_root" -B "$dir" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
