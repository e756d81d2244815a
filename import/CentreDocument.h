#pragma once

#include "platform/XmlDocument.h"

#include <QString>

namespace centre_import {

// Reading the GestIB centre document the way every step does: select a path,
// count once, take each element in document order with its attribute map, and
// read the step's attributes by name, trimmed.

// Calls read(element, its attribute map) for every element of the selection,
// in document order.
template <class Read>
void forEachElement(const xml::NodeList &selection, Read read)
{
    const int count = selection.length();
    for (int i = 0; i < count; ++i) {
        const xml::Node element = selection.item(i);
        read(element, element.attributes());
    }
}

// The attribute's text with every leading and trailing character up to U+0020
// removed; a missing attribute reads as empty text.
QString readTrimmed(const xml::AttributeMap &attributes, const QString &name);

// Refuses a document whose root is not CENTRE, naming the file at `path`:
// every step re-creates its tables before it reads the document, so another
// kind of document would end in empty tables and a finished run.
void requireCentreDocument(const xml::Document &document, const QString &path);

} // namespace centre_import
