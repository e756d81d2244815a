#!/usr/bin/python3
"""Prints an XML file's tree as JSON, as python's own parser reads it.

Each element: {"tag", "attributes": [[name, value], ...] in document order,
"text", "children"}; comments and processing instructions inside the root
appear as children tagged "#comment" and "#pi". Whitespace-only text (line
breaks between elements) counts as no text.
"""
import json
import sys
import xml.etree.ElementTree as ET


def text(value):
    return value if value and value.strip() else ""


def node(element):
    if element.tag is ET.Comment:
        tag = "#comment"
    elif element.tag is ET.ProcessingInstruction:
        tag = "#pi"
    else:
        tag = element.tag
    return {
        "tag": tag,
        "attributes": [[name, value] for name, value in element.attrib.items()],
        "text": text(element.text) + "".join(text(child.tail) for child in element),
        "children": [node(child) for child in element],
    }


def main(path):
    parser = ET.XMLParser(target=ET.TreeBuilder(insert_comments=True, insert_pis=True))
    root = ET.parse(path, parser).getroot()
    json.dump(node(root), sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main(sys.argv[1])
