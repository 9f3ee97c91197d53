# Shared by the scripts: the repository root, a generator and the job count.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); else generator=(); fi
jobs=$(nproc 2>/dev/null || echo 2)
