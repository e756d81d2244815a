#pragma once

#include <QString>

namespace xml {
class AttributeMap;
class Node;
class NodeList;
} // namespace xml
struct MainFormState;

// Reading the GestIB centre document the way every step does: select a path,
// count once, take each element in document order with its attribute map, and
// read the step's attributes by name, trimmed.

// Selects the absolute path into ListaNodos and returns how many elements it holds.
int selectCentreNodes(MainFormState &form, const QString &absolutePath);

// Makes element i of ListaNodos NodoActual, and its attributes AtributosNodo.
void takeCentreNode(MainFormState &form, int i);

// The attribute's text with every leading and trailing character up to U+0020
// removed; a missing attribute reads as empty text.
QString readTrimmed(const xml::AttributeMap &attributes, const QString &name);
