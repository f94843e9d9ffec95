#!/usr/bin/env bash
# Refuses includes that run up the layers of src/ (the table is scripts/layers.txt), and operating-system
# headers (POSIX, Linux, Win32) anywhere but src/platform/, so the core and the windows build for both
# systems. Prints each refused include with its file and exits 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."

# POSIX and glibc headers, the X and Wayland client libraries, Win32 headers, the MQTT and calendar
# libraries': a window folder (X/ui) that took one would not build for the other system, nor would the core.
os_headers='^(unistd|fcntl|termios|termio|pty|pthread|dlfcn|poll|spawn|pwd|grp|dirent|syslog|sched|signal|'
os_headers+='netdb|semaphore|mqueue|libgen|glob|fnmatch|utime|utmp|utmpx|ifaddrs|byteswap|endian|execinfo|'
os_headers+='malloc|alloca|features|link|windows|winsock2|ws2tcpip|winreg|winbase|winuser|windef|shlobj|'
os_headers+='shellapi|tchar|io|timeapi|mosquitto|mqtt_protocol|libical/ical)\.h$|^(sys|linux|arpa|netinet|net|X11|xcb|wayland)/'
awk -v os_headers="$os_headers" '
    FNR == NR {
        if ($0 !~ /^#/ && NF == 2) rank[$2] = $1
        next
    }
    # The layer of a path below src/: its first folder, or "ui" for any X/ui folder (ranked after X).
    function layer(path,    parts, n) {
        n = split(path, parts, "/")
        if (n >= 3 && parts[2] == "ui") return "ui:" parts[1]
        return parts[1]
    }
    function rankof(l,    p) {
        if (l ~ /^ui:/) {
            p = substr(l, 4)
            if (!(p in rank)) return -1
            return rank["ui"] + rank[p] / 100
        }
        return (l in rank) ? rank[l] : -1
    }
    /^[ \t]*#[ \t]*include[ \t]*</ {
        header = $0
        sub(/^[^<]*</, "", header)
        sub(/>.*$/, "", header)
        if (FILENAME !~ /^src\/platform\// && header ~ os_headers) {
            printf "%s: includes the system header <%s>, which only src/platform/ may use\n", FILENAME, header
            bad = 1
        }
        next
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        file = FILENAME
        sub(/^src\//, "", file)
        target = $0
        sub(/^[^"]*"/, "", target)
        sub(/".*$/, "", target)
        if (target !~ /\//) next
        from = layer(file)
        to = layer(target)
        if (from == to) next
        rf = rankof(from)
        rt = rankof(to)
        if (rf < 0) { printf "%s: folder %s is not in scripts/layers.txt\n", FILENAME, from; bad = 1; next }
        if (rt < 0) next # a header outside the layered folders (none today)
        if (rt > rf || (rt == rf && from !~ /^ui:/)) {
            printf "%s: includes %s (%s, rank %s, is not below %s, rank %s)\n", FILENAME, target, to, rt, from, rf
            bad = 1
        }
    }
    END { exit bad }
' scripts/layers.txt $(find src -name '*.h' -o -name '*.cc' | sort)
