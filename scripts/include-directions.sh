#!/usr/bin/env bash
# Checks that the product's folders include each other only downwards, in the order of the map
# (docs/ARCHITECTURE.md):
#   core < platform < settings_file < module < timer_window < settings_window < app
# A folder may include its own headers and those of folders before it, never one after it; core
# includes no window system's headers (that it sees no Qt is checked by compiling, in ctest).
# Lists each include that breaks this, as
#   FILE:LINE  includes HEADER (FOLDER)
# and exits with 1 when it lists any.
#   scripts/include-directions.sh
set -euo pipefail
cd "$(dirname "$0")/.."

python3 - <<'PYTHON'
import os
import re
import sys

order = ["core", "platform", "settings_file", "module", "timer_window", "settings_window", "app"]
rank = {folder: index for index, folder in enumerate(order)}
sources = {folder: [] for folder in order}
home = {}
for folder in order:
    for root, _, names in os.walk(folder):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                sources[folder].append(os.path.join(root, name))
                if name.endswith(".h"):
                    home.setdefault(name, set()).add(folder)

quoted = re.compile(r'\s*#\s*include\s+"([^"]+)"')
angled = re.compile(r"\s*#\s*include\s+<(X11/[^>]*|xcb/[^>]*|windows\.h)>")
broken = []
for folder in order:
    for path in sources[folder]:
        with open(path, encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = quoted.match(line)
                if match:
                    name = os.path.basename(match.group(1))
                    owners = home.get(name, set())
                    if owners and not any(rank[owner] <= rank[folder] for owner in owners):
                        broken.append(f"{path}:{number}  includes {match.group(1)} "
                                      f"({', '.join(sorted(owners))})")
                elif folder == "core" and (system := angled.match(line)):
                    broken.append(f"{path}:{number}  includes <{system.group(1)}> (a window "
                                  "system)")
for line in broken:
    print(line)
sys.exit(1 if broken else 0)
PYTHON
