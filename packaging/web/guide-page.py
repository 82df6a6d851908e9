#!/usr/bin/env python3
"""Writes the learner guide, docs/converting-numbers.md, as a page beside the game's.

usage: guide-page.py <guide.md> <page.html>
"""
import html
import re
import sys

import markdown


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    title = re.search(r"^# (.+)$", text, re.MULTILINE).group(1)
    body = markdown.markdown(text, extensions=["tables"])
    page = f"""<!doctype html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{html.escape(title)}</title>
<style>
  body {{ max-width: 46rem; margin: 0 auto; padding: 1rem 1.5rem; font: 17px/1.6 system-ui, sans-serif; }}
  table {{ border-collapse: collapse; margin: 0.5rem 0; }}
  th, td {{ border: 1px solid #bbb; padding: 0.2rem 0.5rem; }}
  code {{ background: #f2f2f2; padding: 0 0.2rem; }}
</style>
</head>
<body>
<p><a href="index.html">Back to Numeral Dojo</a></p>
{body}
</body>
</html>
"""
    with open(target, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
