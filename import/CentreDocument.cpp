#include "import/CentreDocument.h"

#include "run/Trimming.h"
#include "platform/Error.h"
#include "platform/WinPath.h"
#include "platform/XmlStreamReader.h"

#include <QCoreApplication>

namespace centre_import {

namespace {

// The sections under CENTRE that the steps read, and the element each lists.
enum class Section { Other, Materies, Activitats, Places, Aules, Cursos };

Section sectionNamed(const xml::StreamReader &reader)
{
    if (reader.isNamed("MATERIES"))
        return Section::Materies;
    if (reader.isNamed("ACTIVITATS"))
        return Section::Activitats;
    if (reader.isNamed("PLACES"))
        return Section::Places;
    if (reader.isNamed("AULES"))
        return Section::Aules;
    if (reader.isNamed("CURSOS"))
        return Section::Cursos;
    return Section::Other;
}

// Builds the records from the elements as the reader meets them. Only the
// depth of each element and the names above it say where it stands: the
// root (0), a section (1), a section's entry (2) or a course's group (3).
class RecordBuilder {
public:
    explicit RecordBuilder(const xml::StreamReader &reader) : m_reader(reader) {}

    void take()
    {
        switch (m_reader.depth()) {
        case 0:
            m_document.root = m_reader.name();
            m_isCentre = m_reader.isNamed("CENTRE");
            m_document.codi = m_reader.attribute("codi").trimmed();
            m_document.any = m_reader.attribute("any").trimmed();
            break;
        case 1:
            m_section = m_isCentre ? sectionNamed(m_reader) : Section::Other;
            break;
        case 2:
            m_inCurs = false;
            takeEntry();
            break;
        case 3:
            if (m_inCurs && m_reader.isNamed("GRUP"))
                m_document.cursos.back().grups.push_back({trimmed("codi"), trimmed("nom")});
            break;
        default:
            break;
        }
    }

    CentreDocument finish() { return std::move(m_document); }

private:
    QString trimmed(const char *name) const { return trimControl(m_reader.attribute(name)); }

    void takeEntry()
    {
        switch (m_section) {
        case Section::Materies:
            if (m_reader.isNamed("MATERIA"))
                m_document.materies.push_back({trimmed("codi"), trimmed("curs"), trimmed("descripcio"), trimmed("curta")});
            break;
        case Section::Activitats:
            if (m_reader.isNamed("ACTIVITAT"))
                m_document.activitats.push_back({trimmed("codi"), trimmed("descripcio"), trimmed("curta")});
            break;
        case Section::Places:
            if (m_reader.isNamed("PLACA"))
                m_document.places.push_back({trimmed("codi"), trimmed("descripcio"), trimmed("curta")});
            break;
        case Section::Aules:
            if (m_reader.isNamed("AULA"))
                m_document.aules.push_back({trimmed("codi"), trimmed("descripcio")});
            break;
        case Section::Cursos:
            if (m_reader.isNamed("CURS")) {
                m_document.cursos.push_back({trimmed("codi"), trimmed("descripcio"), {}});
                m_inCurs = true;
            }
            break;
        case Section::Other:
            break;
        }
    }

    const xml::StreamReader &m_reader;
    CentreDocument m_document;
    bool m_isCentre = false;
    Section m_section = Section::Other;
    bool m_inCurs = false;
};

} // namespace

CentreDocument readCentreDocument(const QByteArray &bytes, const QString &name)
{
    xml::StreamReader reader(bytes, name);
    RecordBuilder builder(reader);
    while (reader.readNextElement())
        builder.take();
    return builder.finish();
}

CentreDocument readCentreDocument(const QString &path)
{
    return readCentreDocument(xml::readDocumentBytes(path), path);
}

void requireCentreDocument(const CentreDocument &document, const QString &path)
{
    if (document.root != u"CENTRE")
        throw Error(Error::Kind::RefusedDocument,
                    QCoreApplication::translate(
                        "CentreDocument", "%1 no es un documento de centro de GestIB: su elemento raíz es %2, no CENTRE")
                        .arg(winpath::toWindows(path), document.root));
}

} // namespace centre_import
