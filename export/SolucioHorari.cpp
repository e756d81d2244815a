#include "export/SolucioHorari.h"

#include <algorithm>

namespace timetable_export {

namespace {
// Blanks and control characters at either end do not make an activity code.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}
} // namespace

SolucioHorari::SolucioHorari(const QString &path)
    : m_writer(path)
{
    m_writer.startElement(QStringLiteral("HORARI"));
    m_writer.startElement(QStringLiteral("SESSIONS"));
}

void SolucioHorari::append(const Sessio &sessio)
{
    // An activity keeps the nine attributes in their places, with course,
    // group, room and subject empty, as GestIB expects them for a class.
    const bool activity = !isBlank(sessio.activitat);
    const QString none;
    m_writer.startElement(QStringLiteral("SESSIO"));
    m_writer.attribute(QStringLiteral("placa"), sessio.placa);
    m_writer.attribute(QStringLiteral("curs"), activity ? none : sessio.curs);
    m_writer.attribute(QStringLiteral("grup"), activity ? none : sessio.grup);
    m_writer.attribute(QStringLiteral("dia"), sessio.dia);
    m_writer.attribute(QStringLiteral("hora"), sessio.hora);
    m_writer.attribute(QStringLiteral("durada"), sessio.durada);
    m_writer.attribute(QStringLiteral("aula"), activity ? none : sessio.aula);
    m_writer.attribute(QStringLiteral("materia"), activity ? none : sessio.materia);
    m_writer.attribute(QStringLiteral("activitat"), sessio.activitat);
    m_writer.endElement();
}

void SolucioHorari::finish()
{
    m_writer.endElement();
    m_writer.endElement();
    m_writer.commit();
}

} // namespace timetable_export
