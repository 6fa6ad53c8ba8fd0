#!/usr/bin/env python3
"""Writes a program's manual page from what the program itself says.

The page is the program's --help, laid out for man: the usage line is the
synopsis, the text before the first heading the description, and every
heading (a line of its own ending in ':') a section, whose indented items
("  NAME  what it is", or the name alone with what it is indented below)
become tagged paragraphs. So nothing can be in --help and not in the page,
and a new option or command shows up in both at the next build.

    man_page.py --program PATH --name NAME --summary TEXT --version VERSION
                --date-file FILE --out OUT [--commands] [--all-options OPTION]
                [--see-also NAME(SECTION)]... [--see-also-text TEXT]...

--commands: each item of the "commands:" section is a command whose own
  "NAME --help" gives its text (cheqbook-cli).
--all-options OPTION: the options that OPTION (--help-all) lists beyond
  --help go in a subsection of their own, under the name Qt gives them.

The program runs with a home of its own and without XDG_CONFIG_HOME and
XDG_DATA_HOME, so that the paths it names are the ones every user has,
written from "~" as users write them. Writes OUT and OUT.gz (compressed as Debian
installs manual pages, without a time stamp).
"""

import argparse
import gzip
import os
import re
import subprocess
import sys


def run(program, *args):
    # A home that is no one's, never made, so that it can be told from the
    # rest of what the program says and written as users write theirs.
    home = f"/nonexistent/cheqbook-manual-home-{os.getpid()}"
    env = dict(os.environ, HOME=home, LC_ALL="C.UTF-8")
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
        env.pop(name, None)
    result = subprocess.run([program, *args], capture_output=True, env=env, text=True, encoding="utf-8")
    if result.returncode != 0:
        sys.exit(f"man_page.py: '{os.path.basename(program)} {' '.join(args)}' failed "
                 f"({result.returncode}): {result.stderr.strip()}")
    return result.stdout.replace(home, "~")


class Section:
    def __init__(self, title):
        self.title = title
        self.blocks = []  # ("item", tag, [lines]) or ("text", [lines])

    def add(self, line):
        if not line.strip():
            self.blocks.append(("break",))
            return
        item = re.match(r"^  (\S.*?)(?:\s{2,}(\S.*))?$", line)
        if item:
            self.blocks.append(("item", item.group(1), [item.group(2)] if item.group(2) else []))
        elif line.startswith("   ") and self.blocks and self.blocks[-1][0] == "item":
            self.blocks[-1][2].append(line.strip())
        elif self.blocks and self.blocks[-1][0] == "text":
            self.blocks[-1][1].append(line.strip())
        else:
            self.blocks.append(("text", [line.strip()]))

    def items(self):
        return [(b[1], " ".join(b[2])) for b in self.blocks if b[0] == "item"]


def parse_help(text):
    """The usage line and the sections, the first being the description."""
    lines = text.rstrip("\n").split("\n")
    usage = re.sub(r"^[Uu]sage:\s*\S+\s*", "", lines[0])
    sections = [Section("DESCRIPTION")]
    for line in lines[1:]:
        if line and not line[0].isspace() and line.endswith(":"):
            sections.append(Section(line[:-1].upper()))
        else:
            sections[-1].add(line)
    return usage, sections


def roff(text):
    """Text as roff reads it: a backslash stays a backslash, a line cannot
    start a request, and a dash is a minus sign (options and names can be
    searched for and copied, and lines never break inside them)."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return re.sub(r"^([.'])", r"\\&\1", text, flags=re.M)


def roff_tag(tag, whole=None):
    """A synopsis or an item's name: options in bold, the words to replace
    in italics, or the whole of it in one font."""
    if whole:
        return f"\\f{whole}{roff(tag)}\\fR"
    out = []
    tokens = re.split(r"(<[^>]*>|\s+|[\[\]|,])", tag)
    for i, token in enumerate(tokens):
        if token.isspace() and 0 < i < len(tokens) - 1 and tokens[i - 1].startswith("-") \
                and re.match(r"^[A-Z<]", tokens[i + 1]):
            out.append("\\~")  # an option and its value stay on one line
        elif token.startswith("-") and len(token) > 1:
            placeholder = re.match(r"^(-[^=]*=)(.+)$", token)
            out.append(f"\\fB{roff(placeholder.group(1))}\\fI{roff(placeholder.group(2))}\\fR" if placeholder
                       else f"\\fB{roff(token)}\\fR")
        elif re.match(r"^(<.*>|[A-Z][A-Z_]*[A-Z](\.{3}|\.[a-z]+)?)$", token):
            out.append(f"\\fI{roff(token)}\\fR")
        else:
            out.append(roff(token))
    return "".join(out)


# The font of every item's name in a section, where one font suits it.
TAG_FONTS = {"FILES": "I", "ENVIRONMENT": "B", "EXIT STATUS": "B"}


def render_blocks(section, out):
    font = TAG_FONTS.get(section.title)
    first = True
    for block in section.blocks:
        if block[0] == "text":
            out.append(("" if first else ".PP\n") + roff("\n".join(block[1])) + "\n")
        elif block[0] == "item":
            _, tag, lines = block
            out.append(f".TP\n{roff_tag(tag, font)}\n" + (roff("\n".join(lines)) + "\n" if lines else ""))
        elif block[0] == "subsection":
            out.append(f'.SS "{roff(block[1])}"\n')
        else:
            continue
        first = block[0] == "subsection"


def roff_command(synopsis):
    """A command's synopsis, the command in bold."""
    command, _, rest = synopsis.partition(" ")
    return f"\\fB{roff(command)}\\fR {roff_tag(rest)}".rstrip()


def command_help(program, name):
    """A command's synopsis and description, from its own --help."""
    text = run(program, name, "--help")
    first, _, rest = text.partition("\n")
    return re.sub(r"^[Uu]sage:\s*\S+\s*", "", first), rest.strip()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--program", required=True)
    p.add_argument("--name", required=True)
    p.add_argument("--summary", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--date-file", required=True)
    p.add_argument("--out", required=True)
    p.add_argument("--commands", action="store_true")
    p.add_argument("--all-options")
    p.add_argument("--see-also", action="append", default=[])
    p.add_argument("--see-also-text", action="append", default=[])
    a = p.parse_args()

    with open(a.date_file, encoding="utf-8") as f:
        date = f.read().strip()
    usage, sections = parse_help(run(a.program, "--help"))
    name = roff(a.name)
    out = [f'.\\" Written by the build from {name} \\-\\-help; do not edit.\n',
           f'.TH {name.upper()} 1 "{date}" "Cheqbook {roff(a.version)}" "User Commands"\n',
           # Ragged right: synopses full of options read badly spread to the margin.
           ".ad l\n",
           f".SH NAME\n{name} \\- {roff(a.summary)}\n", ".SH SYNOPSIS\n"]

    commands = {}
    if a.commands:
        listed = next((s for s in sections if s.title == "COMMANDS"), None)
        if listed is None or not listed.items():
            sys.exit(f"man_page.py: '{a.name} --help' lists no commands")
        for tag, _ in listed.items():
            commands[tag] = command_help(a.program, tag.split()[0])
        out.append("".join(f".SY {name}\n{roff_command(synopsis)}\n.YS\n" for synopsis, _ in commands.values()))
        out.append(f".SY {name}\n\\fICOMMAND\\fR \\fB\\-\\-help\\fR\n.YS\n")
    else:
        out.append(f".SY {name}\n{roff_tag(usage)}\n.YS\n")

    if a.all_options:
        _, everything = parse_help(run(a.program, a.all_options))
        shown = {tag for s in sections for tag, _ in s.items()}
        extra = [(tag, text) for s in everything if s.title == "OPTIONS" for tag, text in s.items() if tag not in shown]
        if extra:
            options = next(s for s in sections if s.title == "OPTIONS")
            options.blocks.append(("subsection", "Qt options"))
            options.blocks += [("item", tag, [text]) for tag, text in extra]

    for section in sections:
        out.append(f".SH {roff(section.title)}\n")
        if section.title == "COMMANDS" and commands:
            for synopsis, text in commands.values():
                out.append(f".TP\n{roff_command(synopsis)}\n{roff(text)}\n")
        else:
            render_blocks(section, out)

    if a.see_also or a.see_also_text:
        out.append(".SH SEE ALSO\n")
        refs = [re.match(r"^(.+)\((\w+)\)$", ref) for ref in a.see_also]
        out.append(",\n".join(f".BR {roff(r.group(1))} ({r.group(2)})" for r in refs) + "\n" if refs else "")
        out.append("".join(f".PP\n{roff(text)}\n" for text in a.see_also_text))

    page = "".join(out)
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(page)
    with open(a.out + ".gz", "wb") as f, gzip.GzipFile(filename="", mode="wb", compresslevel=9, fileobj=f,
                                                      mtime=0) as z:
        z.write(page.encode("utf-8"))


if __name__ == "__main__":
    main()
