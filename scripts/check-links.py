#!/usr/bin/env python3
"""Checks that every relative link of README.md and docs/*.md names a file of the checkout,
and every #anchor a heading of its page, as GitHub makes them. Prints each broken one and
exits 1 if there is one. Usage: check-links.py [ROOT]"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent).resolve()
link = re.compile(r"\]\(([^)\s]+)\)")
code = re.compile(r"`[^`]*`")


def anchors(page):
    """GitHub's heading ids: lower case, no punctuation but - and _, a - for each space, and
    -1, -2 ... after a repeated one."""
    seen, ids = {}, set()
    fenced = False
    for line in page.read_text().splitlines():
        if line.startswith("```"):
            fenced = not fenced
        heading = re.match(r"#{1,6} +(.*?) *#*$", line)
        if fenced or not heading:
            continue
        slug = re.sub(r"[^\w\- ]", "", heading.group(1).lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        ids.add(slug if count == 0 else f"{slug}-{count}")
    return ids


broken = []
for page in [root / "README.md", *sorted((root / "docs").glob("*.md"))]:
    for number, line in enumerate(page.read_text().splitlines(), 1):
        for target in link.findall(code.sub("", line)):
            if re.match(r"[a-z]+:", target):
                continue
            path, _, anchor = target.partition("#")
            file = (page.parent / path).resolve() if path else page
            where = f"{page.relative_to(root)}:{number}: {target}"
            if not file.exists():
                broken.append(f"{where}: no {path}")
            elif anchor and (file.suffix != ".md" or anchor not in anchors(file)):
                broken.append(f"{where}: no heading #{anchor} in {file.relative_to(root)}")
print("\n".join(broken) or "links: every link and anchor resolves")
sys.exit(1 if broken else 0)
