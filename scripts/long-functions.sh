#!/usr/bin/env bash
# Lists the product's functions longer than a limit (60 lines unless given), longest first, as
#   LINES  FILE:LINE  NAME
# and exits with 1 when it lists any. A function's lines run from the first line of its head
# (return type, template line) to its closing brace, as an editor shows them.
#   scripts/long-functions.sh [LIMIT] [FOLDER...]
# The folders default to the product's own; tests and benchmarks are not product code.
#
# Braces are counted on the source with comments, strings and preprocessor lines blanked out; a
# brace opens a function body when the text before it at namespace or class level ends like a
# function's head: ")" and its qualifiers, a trailing return type, or a constructor's initializer
# list. Lambdas and local classes count towards the function they are in.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=60
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
    limit=$1
    shift
fi
folders=("$@")
if [[ ${#folders[@]} -eq 0 ]]; then
    for folder in core platform module settings_file timer_window settings_window app; do
        [[ -d $folder ]] && folders+=("$folder")
    done
fi

mapfile -d '' files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
python3 - "$limit" "${files[@]}" <<'PYTHON'
import re
import sys

limit = int(sys.argv[1])


def blank(text):
    """The text with comments, string and character literals and preprocessor lines turned into
    blanks, newlines kept, so that every brace left is code and every offset keeps its line."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True

    def wipe(start, end):
        for k in range(start, end):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = i
            while j < n and text[j] != "\n":
                if text[j] == "\\" and j + 1 < n and text[j + 1] == "\n":
                    j += 1
                j += 1
            wipe(i, j)
            i = j
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c in " \t":
            i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            wipe(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            wipe(i, j)
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i + 2)
            delimiter = text[i + 2:open_paren]
            j = text.find(")" + delimiter + '"', open_paren)
            j = n if j < 0 else j + len(delimiter) + 2
            wipe(i, j)
            i = j
        elif c == '"' or (c == "'" and not (i > 0 and (text[i - 1].isalnum() or text[i - 1] == "_"))):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            wipe(i, j + 1)
            i = j + 1
        else:
            i += 1
    return "".join(out)


CONTAINERS = re.compile(r"^(?:template\s*<.*>\s*)?(?:inline\s+)?(namespace|class|struct|union|extern)\b", re.S)
ACCESS = re.compile(r"\b(?:public|protected|private|signals|Q_SIGNALS|slots|Q_SLOTS)\s*(?:slots\s*)?:(?!:)")
QUALIFIERS = {"const", "noexcept", "override", "final", "mutable", "volatile", "&", "&&", "try"}


def strip_access(head):
    """The head without access labels and bodiless macro lines (Q_OBJECT) before it."""
    last = 0
    for match in ACCESS.finditer(head):
        last = match.end()
    head_tail = head[last:]
    offset = last
    while True:
        match = re.match(r"\s*[A-Z][A-Z0-9_]*\s*\n", head_tail)
        if not match:
            break
        offset += match.end()
        head_tail = head_tail[match.end():]
    return offset


def top_level(text):
    """The text with everything inside parentheses, brackets and angle-free braces removed."""
    depth, out = 0, []
    for c in text:
        if c in "([":
            if depth == 0:
                out.append(c)
            depth += 1
        elif c in ")]":
            depth -= 1
            if depth == 0:
                out.append(c)
        elif depth == 0:
            out.append(c)
    return "".join(out)


def function_name(head):
    """The qualified name before the parameter list, or None when the head is no function's."""
    flat = top_level(head)
    if CONTAINERS.match(flat.strip()):
        return None
    without_operators = re.sub(r"\boperator\s*(?:\(\)|[^\s(]+)", "operator", flat)
    if "=" in without_operators.replace("==", ""):
        return None
    tail = without_operators.rstrip()
    arrow = tail.rfind("->")
    if arrow >= 0 and ")" in tail[:arrow]:
        tail = tail[:arrow].rstrip()
    # A constructor's initializer list: the head is what comes before its ":".
    init = re.search(r"\)\s*(?:noexcept\s*)?:(?!:)", tail)
    if init:
        tail = tail[: init.start() + 1]
    while True:
        match = re.search(r"(?:\b(\w+)|(&&?))\s*$", tail)
        if match and (match.group(1) in QUALIFIERS or match.group(2)):
            tail = tail[: match.start()].rstrip()
            continue
        break
    if not tail.endswith("()") and not tail.endswith(")"):
        return None
    name_part = tail[: -2] if tail.endswith("()") else tail[:-1]
    match = re.search(r"((?:[\w~]+\s*(?:<[^<>]*>)?\s*::\s*)*(?:operator\s*\S*|~?\w+))\s*$", name_part.rstrip("("))
    if not match:
        return None
    name = re.sub(r"\s+", "", match.group(1))
    if name in {"if", "for", "while", "switch", "catch", "return", "sizeof", "decltype"}:
        return None
    return name


def functions(path):
    text = blank(open(path, encoding="utf-8", errors="replace").read())
    line_of = []
    line = 1
    for c in text:
        line_of.append(line)
        if c == "\n":
            line += 1
    # Each open brace: "container" (namespace, class: functions may start inside), "function"
    # (with where its head starts and its name), or "other" (data, an enum, an initializer).
    stack = []
    head_start = 0
    for i, c in enumerate(text):
        if c not in "{};":
            continue
        inside_function = any(kind == "function" for kind, *_ in stack)
        if c == ";":
            if not inside_function:
                head_start = i + 1
            continue
        if c == "}":
            kind, start, name = stack.pop() if stack else ("container", i, None)
            if kind == "function" and not any(k == "function" for k, *_ in stack):
                yield name, line_of[start], line_of[i] - line_of[start] + 1
            # A closed initializer ("x{1}") is part of what follows; the end of a function or a
            # class starts a new head.
            if kind != "other" and not any(k == "function" for k, *_ in stack):
                head_start = i + 1
            continue
        # An opening brace.
        if inside_function or (stack and stack[-1][0] == "other"):
            stack.append(("other", i, None))
            continue
        head = text[head_start:i]
        offset = strip_access(head)
        head = head[offset:]
        stripped = head.lstrip()
        start = head_start + offset + (len(head) - len(stripped))
        flat = top_level(stripped).rstrip()
        in_initializer = re.search(r"\)\s*(?:noexcept\s*)?:(?!:)", flat) and re.search(r"[\w>]\s*$", flat)
        if in_initializer:
            # A member's brace initializer in a constructor's list: part of the head.
            stack.append(("other", i, None))
            continue
        name = function_name(stripped) if stripped else None
        if name:
            stack.append(("function", start, name))
        elif CONTAINERS.match(flat):
            stack.append(("container", i, None))
            head_start = i + 1
        else:
            stack.append(("other", i, None))


found = []
for path in sys.argv[2:]:
    for name, line, length in functions(path):
        if length > limit:
            found.append((length, f"{path}:{line}", name))
for length, where, name in sorted(found, key=lambda f: (-f[0], f[1])):
    print(f"{length:5d}  {where}  {name}")
sys.exit(1 if found else 0)
PYTHON
