#!/usr/bin/env python3
"""Writes the software-centre description from its template.

    metainfo.py TEMPLATE RELEASES VERSION WEB_URL OUT

RELEASES is the list of <release/> lines release_history.py writes. The
part of the template between "<!-- web address -->" and "<!-- end of web
address -->" (the homepage and the screenshots) is kept only when WEB_URL is
not empty: the description names no address the project does not have.
Comments of the template are not copied.
"""

import re
import sys


def main():
    template, releases, version, web_url, out = sys.argv[1:6]
    with open(template, encoding="utf-8") as f:
        text = f.read()
    with open(releases, encoding="utf-8") as f:
        text = text.replace("@RELEASES@", f.read())
    web = re.compile(r"^[ \t]*<!-- web address -->\n(.*?)^[ \t]*<!-- end of web address -->\n", re.S | re.M)
    if not web.search(text):
        sys.exit(f"metainfo.py: {template} has no web-address part")
    web_url = web_url.rstrip("/")
    text = web.sub(lambda m: m.group(1) if web_url else "", text)
    text = text.replace("@WEB_URL@", web_url).replace("@VERSION@", version)
    text = re.sub(r"[ \t]*<!--.*?-->\n", "", text, flags=re.S)
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
