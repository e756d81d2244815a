#pragma once

#include <QByteArray>
#include <QString>

#include <libxml/tree.h>

// The safe reading of XML documents behind xml::Document (private to the
// platform layer).
namespace xml {

// Initialises libxml2 once per process.
void initLibxml();

// A file's path as messages to the user show it: its Windows path.
QString displayName(const QString &path);

// Parses a whole document held in memory. No network access and no external
// DTD or entity is loaded; a document that is not well-formed XML 1.0 raises
// XmlError naming `path`, the line, the column and the reason in our own words.
// References to entities of the DOCTYPE inside attribute values come back
// replaced by their normalised text, so that attributes hold plain text.
xmlDocPtr parseDocument(const QString &path, const QByteArray &bytes);

} // namespace xml
