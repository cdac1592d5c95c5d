# Sourced by the scripts that start Wine. Sets wine32_runs to yes when this
# kernel runs 32-bit programs (IA32 emulation: Wine's 32-bit loader starts),
# and otherwise puts the 64-bit-only wine first on PATH, so that the x64
# programs still run.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  wine32_runs=yes
else
  wine32_runs=no
  PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only:$PATH"
  export PATH
fi
