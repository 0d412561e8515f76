# Sourced by every command that runs Wine (the test session, run.sh and, through the session,
# benchmark.sh): finds out, by trying it, whether this machine runs 32-bit Wine. Where it does,
# MORVANE_NO_32BIT is empty and nothing changes. Where it cannot, MORVANE_NO_32BIT says why, and
# every wine command (wine, wineboot, winepath...) runs on the 64-bit loader alone. Tests follow
# this one finding through MORVANE_NO_32BIT and never decide again. Needs $root, the project
# folder.

# 32-bit Wine's own loader is a 32-bit Linux program: it starts only where the kernel runs them.
MORVANE_NO_32BIT=""
if [[ ! -x /usr/lib/wine/wine ]]; then
    MORVANE_NO_32BIT="32-bit Wine (wine32:i386) is not installed"
elif ! wine32_answer=$(/usr/lib/wine/wine --version 2>&1); then
    case $wine32_answer in
        *"Exec format error"*) MORVANE_NO_32BIT="this machine's kernel cannot run 32-bit programs" ;;
        *) MORVANE_NO_32BIT="32-bit Wine does not start: ${wine32_answer%%$'\n'*}" ;;
    esac
fi
export MORVANE_NO_32BIT

# Debian's wine-stable script, which wine and all the tools (through wineapploader) end in,
# picks the 32-bit loader whenever its file is executable, without trying it; scripts/wine64
# holds a wine and a wine-stable that start the 64-bit loader by its own path instead.
if [[ -n $MORVANE_NO_32BIT ]]; then
    export PATH="$root/scripts/wine64:$PATH"
fi
