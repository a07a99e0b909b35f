#!/usr/bin/env python3
"""Prints deb-src stanzas (deb822) for every binary apt source of one Debian release.

Usage: deb-src-lines.py CODENAME SOURCES.LIST SOURCES.LIST.D

Reads the machine's own apt configuration: deb822 `.sources` files and one-line `.list` entries.
A stanza or line counts when it is of type `deb`, is not disabled, and names a suite of the release
(`bookworm`, `bookworm-updates`, `bookworm-security`, ...). Its URIs, suites, components and
signing key are kept as they are, so the source comes from the mirror the machine already uses.
Stanzas the machine already has as deb-src are not repeated.
"""
import os
import re
import sys


def of_release(suites, codename):
    return any(s == codename or s.startswith(codename + "-") for s in suites)


def deb822_stanzas(text):
    for block in re.split(r"\n[ \t]*\n", text):
        fields, key = {}, None
        for line in block.splitlines():
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line[0] in " \t" and key:
                fields[key] += " " + line.strip()
                continue
            if ":" in line:
                key, value = line.split(":", 1)
                key = key.strip().lower()
                fields[key] = value.strip()
        if fields:
            yield fields


def one_line_entries(text):
    for line in text.splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        options = {}
        m = re.match(r"^(deb|deb-src)\s+\[([^\]]*)\]\s+(.*)$", line)
        if m:
            kind, opts, rest = m.groups()
            for opt in opts.split():
                if "=" in opt:
                    k, v = opt.split("=", 1)
                    options[k.lower()] = v
        else:
            parts = line.split(None, 1)
            if len(parts) < 2:
                continue
            kind, rest = parts
        words = rest.split()
        if len(words) < 2:
            continue
        fields = {"types": kind, "uris": words[0], "suites": words[1], "components": " ".join(words[2:])}
        if "signed-by" in options:
            fields["signed-by"] = options["signed-by"]
        yield fields


def main():
    codename, sources_list, sources_dir = sys.argv[1:4]
    found = []
    files = [sources_list] if os.path.isfile(sources_list) else []
    if os.path.isdir(sources_dir):
        files += sorted(os.path.join(sources_dir, f) for f in os.listdir(sources_dir))
    for path in files:
        name = os.path.basename(path)
        if name.startswith("pekuru-deb-src"):
            continue  # our own output
        try:
            text = open(path, encoding="utf-8").read()
        except OSError:
            continue
        if name.endswith(".sources"):
            entries = deb822_stanzas(text)
        elif name.endswith(".list") or path == sources_list:
            entries = one_line_entries(text)
        else:
            continue  # disabled files (".disabled", ".save", ...)
        for f in entries:
            if f.get("enabled", "yes").lower() == "no":
                continue
            suites = f.get("suites", "").split()
            if not of_release(suites, codename) or not f.get("uris"):
                continue
            found.append((f.get("types", "").split(), f))
    have_src = {(f["uris"], f["suites"]) for types, f in found if "deb-src" in types}
    out = []
    for types, f in found:
        if "deb" not in types or (f["uris"], f["suites"]) in have_src:
            continue
        stanza = ["Types: deb-src", "URIs: " + f["uris"], "Suites: " + f["suites"],
                  "Components: " + (f.get("components") or "main")]
        if f.get("signed-by"):
            stanza.append("Signed-By: " + f["signed-by"])
        out.append("\n".join(stanza))
    print("\n\n".join(out))


if __name__ == "__main__":
    main()
