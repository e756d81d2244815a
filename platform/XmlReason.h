#pragma once

#include <QString>

#include <libxml/xmlerror.h>

// Why libxml2 refused a document, in our own Spanish words (private to the
// platform layer). A report we have no words for gives libxml2's own text
// after ours.
namespace xml {

QString reasonFor(const xmlError &error);

} // namespace xml
