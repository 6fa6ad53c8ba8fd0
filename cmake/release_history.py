#!/usr/bin/env python3
"""Cheqbook's releases, read from the project's history.

A release is a version of project() in CMakeLists.txt, dated by the newest
commit made at that version; what changed in it is the subjects of the
commits made on the main line (first parents) at that version. From them
the build writes the Debian changelog, the releases of the software-centre
description and the date of the manual pages, so that the three agree and
a build of the same commit writes the same bytes.

    release_history.py SOURCE_DIR VERSION "NAME <ADDRESS>" OUT_DIR

Writes OUT_DIR/changelog, OUT_DIR/releases.xml and OUT_DIR/release-date,
each only when it changes, so that what is made from them is made again
only then. Without the history (a source tarball, git missing), there is
one release of VERSION, dated by SOURCE_DATE_EPOCH, or else today.
"""

import os
import re
import subprocess
import sys
import textwrap
import time
from xml.sax.saxutils import escape

PACKAGE = "cheqbook"
VERSION_LINE = re.compile(r"^project\(Cheqbook VERSION ([0-9][0-9A-Za-z.+~]*)", re.M)
# The same line for git log -G, an extended expression.
VERSION_LINE_CHANGE = r"^project\(Cheqbook VERSION"
# Subjects that say nothing of the change.
NOISE = re.compile(r"^Merge (remote-tracking )?branch '[^']*'( into \S+)?$")


class Release:
    def __init__(self, version, stamp):
        self.version = version
        self.stamp = stamp  # seconds since 1970, the newest commit's
        self.changes = []  # oldest first


def git(source, *args):
    return subprocess.run(["git", "-C", source, *args], check=True, capture_output=True,
                          text=True, encoding="utf-8", errors="replace").stdout


def version_at(source, commit):
    text = git(source, "show", f"{commit}:CMakeLists.txt")
    found = VERSION_LINE.search(text)
    return found.group(1) if found else None


def from_history(source):
    """Releases, newest first, or None when there is no history to read."""
    try:
        git(source, "rev-parse", "--verify", "-q", "HEAD")
    except (OSError, subprocess.CalledProcessError):
        return None
    # The commits that changed the version line (a merge by what it brought
    # to the main line), newest first, each with the version it left.
    bumps = git(source, "log", "--first-parent", "--format=%H", "-G", VERSION_LINE_CHANGE,
                "--", "CMakeLists.txt").split()
    bumps = [(commit, version_at(source, commit)) for commit in bumps]
    log = git(source, "log", "--first-parent", "--format=%H%x1f%ct%x1f%s%x1e")
    releases = []
    version = bumps[0][1] if bumps else None
    next_bump = 0
    for entry in log.split("\x1e"):
        entry = entry.strip("\n")
        if not entry:
            continue
        commit, stamp, subject = entry.split("\x1f", 2)
        if version is not None:
            if not releases or releases[-1].version != version:
                releases.append(Release(version, int(stamp)))
            # A merge that names only its branch is told by what it brought.
            told = merged_subjects(source, commit) if NOISE.match(subject) else [subject]
            releases[-1].changes[0:0] = told
        # The commits before a change of the version line were made at the
        # version the change before it left.
        if next_bump < len(bumps) and commit == bumps[next_bump][0]:
            next_bump += 1
            version = bumps[next_bump][1] if next_bump < len(bumps) else None
    return releases or None


def merged_subjects(source, merge):
    """The subjects of the main line of what a merge brought, oldest first."""
    try:
        log = git(source, "log", "--first-parent", "--reverse", "--format=%s", f"{merge}^1..{merge}^2")
    except subprocess.CalledProcessError:  # not a merge after all
        return []
    return [subject for subject in log.splitlines() if subject and not NOISE.match(subject)]


def without_history(version):
    stamp = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    release = Release(version, stamp)
    release.changes.append(f"Cheqbook {version}.")
    return [release]


def changelog(releases, maintainer):
    out = []
    for r in releases:
        out.append(f"{PACKAGE} ({r.version}) unstable; urgency=medium\n\n")
        for change in r.changes:
            out.append(textwrap.fill(change, width=79, initial_indent="  * ",
                                     subsequent_indent="    ", break_on_hyphens=False,
                                     break_long_words=False) + "\n")
        # strftime names days and months in English: Python leaves the C locale in place.
        date = time.strftime("%a, %d %b %Y %H:%M:%S +0000", time.gmtime(r.stamp))
        out.append(f"\n -- {maintainer}  {date}\n\n")
    return "".join(out).rstrip("\n") + "\n"


def day(release):
    return time.strftime("%Y-%m-%d", time.gmtime(release.stamp))


def releases_xml(releases):
    return "".join(f'    <release version="{escape(r.version)}" date="{day(r)}"/>\n' for r in releases)


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path + ".new", "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(path + ".new", path)


def main():
    source, version, maintainer, out_dir = sys.argv[1:5]
    releases = from_history(source)
    if not releases:
        print(f"release_history.py: no git history at {source}: one release of {version}, dated by "
              "SOURCE_DATE_EPOCH" + ("" if "SOURCE_DATE_EPOCH" in os.environ else " (not set: today)"),
              file=sys.stderr)
        releases = without_history(version)
    if releases[0].version != version:
        # Configured from a tree whose version is not yet committed.
        releases.insert(0, without_history(version)[0])
    os.makedirs(out_dir, exist_ok=True)
    write_if_changed(os.path.join(out_dir, "changelog"), changelog(releases, maintainer))
    write_if_changed(os.path.join(out_dir, "releases.xml"), releases_xml(releases))
    write_if_changed(os.path.join(out_dir, "release-date"), day(releases[0]) + "\n")


if __name__ == "__main__":
    main()
