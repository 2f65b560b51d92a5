#!/usr/bin/env python3
"""Lists the C++ functions longer than a limit, counting from the line where a function's
signature starts to the line of its closing brace.

  function_lengths.py [--max N] [--allow FILE] ROOT FOLDER...

Prints `path:line: name: N lines` for each function over the limit (paths relative to ROOT) and
exits 1 if any is not named in the allow-list (one `path name` a line, # starts a comment).
An allow-list entry for a function that is no longer over the limit is reported too, so the
list only ever shrinks. Lambdas and local classes count toward the function that holds them.
The reading is lexical: comments, strings and preprocessor lines are blanked first, then the
braces at namespace and class level are classified by the text that leads up to them.
"""
import argparse
import pathlib
import re
import sys

SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}
CONTAINER_KEYWORDS = re.compile(r"\b(namespace|class|struct|union)\b")
ENUM_KEYWORD = re.compile(r"\benum\b")
# What may stand between a function's parameter list and its body.
BODY_LEAD = re.compile(r"(\)|\bconst|\bnoexcept|\boverride|\bfinal|\bmutable|&|\btry)\s*$")
NAME_BEFORE_PARAMETERS = re.compile(r"([~\w:<>=!+\-*/&|\[\]]+)\s*\($")


def blank_comments_strings_and_directives(text):
    """Returns text of the same length and lines, with comments, string and character
    literals (raw strings included) and preprocessor lines turned to spaces."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True

    def blank(start, end):
        for k in range(start, end):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if line_start and c == "#":
            end = i
            while end < n and (text[end] != "\n" or text[end - 1] == "\\"):
                end += 1
            blank(i, end)
            i = end
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
        elif c == "R" and i + 1 < n and text[i + 1] == '"' and not (i and (text[i - 1].isalnum() or text[i - 1] == "_") and text[i - 1] not in "uUL8"):
            open_paren = text.find("(", i + 2)
            delimiter = text[i + 2:open_paren]
            end = text.find(")" + delimiter + '"', open_paren)
            end = n if end < 0 else end + len(delimiter) + 2
            blank(i + 1, end)
            i = end
        elif c in "\"'":
            if c == "'" and i and text[i - 1].isalnum():  # digit separator: 1'000'000
                i += 1
                continue
            end = i + 1
            while end < n and text[end] != c and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            blank(i + 1, end)
            i = end + 1
        else:
            i += 1
    return "".join(out)


def matching_brace(text, open_at):
    depth = 0
    for k in range(open_at, len(text)):
        if text[k] == "{":
            depth += 1
        elif text[k] == "}":
            depth -= 1
            if depth == 0:
                return k
    return len(text) - 1


def function_name(head):
    """The name before the outermost parameter list of a function's head, or None."""
    initialisers = re.search(r"\)\s*:(?!:)", head)
    if initialisers:
        head = head[:initialisers.start() + 1]
    depth = 0
    for k in range(len(head) - 1, -1, -1):
        if head[k] == ")":
            depth += 1
        elif head[k] == "(":
            depth -= 1
            if depth == 0:
                match = NAME_BEFORE_PARAMETERS.search(head[:k + 1])
                if match and match.group(1) not in {"if", "for", "while", "switch", "decltype", "sizeof"}:
                    return match.group(1)
    return None


def classify(head):
    """namespace/class bodies are read inside; functions are measured; the rest is skipped."""
    stripped = head.strip()
    if not stripped or stripped.endswith("=") or stripped.endswith(","):
        return "skip", None
    if ENUM_KEYWORD.search(stripped):
        return "skip", None
    if "(" not in stripped:
        return ("container", None) if CONTAINER_KEYWORDS.search(stripped) or stripped.startswith("extern") else ("skip", None)
    name = function_name(stripped)
    if name is None:
        return "skip", None
    after_parameters = stripped[stripped.rfind(")"):]
    if BODY_LEAD.search(stripped) or "->" in after_parameters:
        return "function", name
    # A member initialiser in braces (`Form::Form() : value_{0} {`) belongs to the head.
    if re.search(r"\)\s*:", stripped) and re.search(r"[\w>]\s*$", stripped):
        return "initialiser", name
    return "skip", None


def long_functions(text, limit):
    code = blank_comments_strings_and_directives(text)
    found = []

    def line_of(position):
        return code.count("\n", 0, position) + 1

    def scan(start, end):
        head_start = start
        initialised = None  # the constructor whose member initialisers are being read
        k = start
        while k < end:
            c = code[k]
            if c in ";}":
                head_start = k + 1
                initialised = None
            elif c == ":" and re.search(r"\b(public|private|protected|signals|slots)\s*$", code[head_start:k]):
                head_start = k + 1
            elif c == "{":
                head = code[head_start:k]
                kind, name = classify(head)
                close = matching_brace(code, k)
                if kind == "container":
                    scan(k + 1, close)
                elif kind == "initialiser":
                    initialised = initialised or name
                    k = close + 1
                    continue  # the head goes on to the body's own brace
                elif kind == "function":
                    name = initialised or name
                    initialised = None
                    first = head_start + len(head) - len(head.lstrip())
                    length = line_of(close) - line_of(first) + 1
                    if length > limit:
                        found.append((line_of(first), name, length))
                if kind != "function":
                    initialised = None
                head_start = close + 1
                k = close
            k += 1

    scan(0, len(code))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--max", type=int, default=60)
    parser.add_argument("--allow", type=pathlib.Path)
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()

    allowed = set()
    if args.allow:
        for line in args.allow.read_text().splitlines():
            line = line.split("#", 1)[0].strip()
            if line:
                allowed.add(tuple(line.split(None, 1)))

    failed = False
    seen = set()
    for folder in args.folders:
        for path in sorted((args.root / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(args.root).as_posix()
            for line, name, length in long_functions(path.read_text(errors="replace"), args.max):
                seen.add((relative, name))
                permitted = (relative, name) in allowed
                failed |= not permitted
                print(f"{relative}:{line}: {name}: {length} lines{' (allowed for now)' if permitted else ''}")
    for relative, name in sorted(allowed - seen):
        print(f"{relative}: {name}: no longer over {args.max} lines; take it off the allow-list")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
