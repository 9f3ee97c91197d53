#!/usr/bin/env python3
"""Doxygen input filter: hides what a public header declares but the library does not offer.

The reference documents what TESSAFORM_API exports, plus the header-only templates whose
`///` comment presents them to clients (a template such as misc::qzAutoPointer cannot carry
the export macro, yet is used through it). Every other class, struct or free function at
namespace scope (no export macro, no `///` comment: the helpers of inline code) is wrapped in
a \\cond section, so Doxygen neither shows it nor warns that it is undocumented. Enumerations,
aliases and constants stay: they name the types and values that exported calls take.

The output keeps every line where it was (the markers go inside existing lines), so warnings
point at the real header line. Usage: api_filter.py <header>, the filtered text on stdout.
"""
import re
import sys

OPEN = "/** \\cond TESSAFORM_INTERNAL */"
CLOSE = "/** \\endcond */"


def mask(text):
    """The text with comments, literals and preprocessor lines blanked (newlines kept), so
    that braces and semicolons in them do not count."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = i
            while j < n and text[j] != "\n":
                j += 2 if text[j] == "\\" and j + 1 < n else 1
            blank(i, j)
            i = j
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, j)
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching_brace(code, i):
    depth = 0
    for j in range(i, len(code)):
        if code[j] == "{":
            depth += 1
        elif code[j] == "}":
            depth -= 1
            if depth == 0:
                return j
    return len(code) - 1


TEMPLATE_HEAD = re.compile(r"^template\s*<")


def strip_template(head):
    """The declaration after its template parameter lists."""
    while TEMPLATE_HEAD.match(head):
        depth, k = 0, head.index("<")
        for k in range(head.index("<"), len(head)):
            if head[k] == "<":
                depth += 1
            elif head[k] == ">":
                depth -= 1
                if depth == 0:
                    break
        head = head[k + 1:].lstrip()
    return head


def documented(text, start, previous_end):
    """Whether a doc comment stands between the previous statement and this one."""
    between = text[previous_end:start]
    return re.search(r"(///|/\*\*|//!)", between) is not None


def leading_comment_start(text, start, previous_end):
    """Where the comment lines directly above a statement begin (the statement itself when
    there are none), so that a hidden entity takes its comment along."""
    lines_start = text.rfind("\n", previous_end, start) + 1
    begin = max(lines_start, previous_end)
    while True:
        prev_line_end = begin - 1
        if prev_line_end < previous_end:
            break
        prev_line_start = text.rfind("\n", 0, prev_line_end) + 1
        line = text[prev_line_start:prev_line_end].strip()
        if line.startswith("//") or line.startswith("/*") or line.startswith("*"):
            begin = max(prev_line_start, previous_end)
        else:
            break
    return begin if text[begin:start].strip() else start


def hidden_ranges(text):
    code = mask(text)
    ranges = []
    i, n = 0, len(code)
    previous_end = 0
    closers = []  # positions of the closing braces of the namespaces we are in
    while i < n:
        if closers and i == closers[-1]:
            closers.pop()
            i += 1
            previous_end = i
            continue
        if code[i].isspace() or code[i] == ";":
            if code[i] == ";":
                previous_end = i + 1
            i += 1
            continue
        start = i
        j = start
        while j < n and code[j] not in ";{" and not (closers and j == closers[-1]):
            j += 1
        head = " ".join(code[start:j].split())
        if j >= n or code[j] != "{":
            end = j  # a declaration; the ';' is consumed by the loop
            body = False
        else:
            if re.match(r"^(inline\s+)?namespace\b", head) or head.startswith('extern "C"'):
                closers.append(matching_brace(code, j))
                i = j + 1
                previous_end = i
                continue
            close = matching_brace(code, j)
            end = close + 1
            body = True
        decl = strip_template(head)
        is_class = body and re.match(r"^(class|struct|union)\b", decl) is not None
        is_function = (not re.match(r"^(class|struct|union|enum|using|typedef|static_assert|friend|extern\s+template)\b", decl)
                       and "(" in decl and not re.match(r"^[^(]*=", decl))
        if is_class:
            k = end
            while k < n and code[k] != ";":
                k += 1
            end = k + 1
        if (is_class or is_function) and "TESSAFORM_API" not in head and not documented(text, start, previous_end):
            if is_function and not body:
                end = end + 1 if end < n and code[end] == ";" else end
            ranges.append((leading_comment_start(text, start, previous_end), end))
        previous_end = end
        i = end
    return ranges


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    for begin, end in reversed(hidden_ranges(text)):
        text = text[:begin] + OPEN + text[begin:end] + CLOSE + text[end:]
    sys.stdout.write(text)


if __name__ == "__main__":
    main()
