#!/usr/bin/env python3
"""Writes a pseudo-translation: every source text of the given .ts files,
wrapped as [!! ... !!], with its placeholders and mnemonics inside, and every
plural form filled. A text shown without the brackets did not go through
Qt's translation.

    pseudo_translation.py OUT.ts IN.ts [IN.ts ...]
"""
import sys
import xml.etree.ElementTree as ET


def wrapped(text):
    return "[!!" + text + "!!]"


def main(out_path, ts_paths):
    # Union of every file's messages, in the order first seen.
    contexts = {}
    for path in ts_paths:
        for context in ET.parse(path).getroot().iter("context"):
            messages = contexts.setdefault(context.findtext("name"), {})
            for message in context.iter("message"):
                source = message.findtext("source")
                key = (source, message.findtext("comment") or "")
                messages.setdefault(key, message.get("numerus") == "yes")

    root = ET.Element("TS", version="2.1", language="en")
    for name, messages in contexts.items():
        context = ET.SubElement(root, "context")
        ET.SubElement(context, "name").text = name
        for (source, comment), numerus in messages.items():
            message = ET.SubElement(context, "message")
            if numerus:
                message.set("numerus", "yes")
            ET.SubElement(message, "source").text = source
            if comment:
                ET.SubElement(message, "comment").text = comment
            translation = ET.SubElement(message, "translation")
            if numerus:
                # English has two forms: one, and every other count.
                for _ in range(2):
                    ET.SubElement(translation, "numerusform").text = wrapped(source)
            else:
                translation.text = wrapped(source)
    with open(out_path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        ET.ElementTree(root).write(out, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
