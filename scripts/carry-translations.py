#!/usr/bin/env python3
"""Carries translations over texts that moved to another class.

lupdate knows a text by its context (the class whose tr() it is in): a text
whose code moved to another class comes back unfinished, and its translation
would be dropped. Given the files as they were before lupdate and after, this
fills each unfinished text with the translation the same source text had,
in any context, before."""

import sys
import xml.etree.ElementTree as ET


def finished(path):
    known = {}
    for message in ET.parse(path).getroot().iter('message'):
        translation = message.find('translation')
        source = message.findtext('source')
        if translation is not None and translation.get('type') is None and source is not None:
            known.setdefault((source, message.get('numerus')), ET.tostring(translation, encoding='unicode'))
    return known


def carry(before, path):
    known = finished(before)
    text = open(path, encoding='utf-8').read()
    tree = ET.ElementTree(ET.fromstring(text))
    carried = 0
    # Rewritten by hand, message by message, so that the file keeps lupdate's
    # own layout and escapes everywhere else.
    out = []
    for message in tree.getroot().iter('message'):
        translation = message.find('translation')
        if translation is None or translation.get('type') != 'unfinished':
            continue
        old = known.get((message.findtext('source'), message.get('numerus')))
        if old is None:
            continue
        carried += 1
        out.append((message.findtext('source'), old))
    if not carried:
        return 0
    # Find each unfinished translation after its source in the text.
    from xml.sax.saxutils import escape
    for source, old in out:
        needle = '<source>' + escape(source, {'"': '&quot;', "'": '&apos;'}) + '</source>'
        start = text.find(needle)
        while start >= 0:
            open_at = text.find('<translation', start)
            close_at = text.find('</translation>', open_at)
            if 'type="unfinished"' in text[open_at:text.find('>', open_at)]:
                text = text[:open_at] + old.strip() + text[close_at + len('</translation>'):]
                break
            start = text.find(needle, start + 1)
    open(path, 'w', encoding='utf-8').write(text)
    return carried


if __name__ == '__main__':
    for before, after in zip(sys.argv[1::2], sys.argv[2::2]):
        print(f'{after}: {carry(before, after)} translations carried to the class their text moved to')
