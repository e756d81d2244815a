#include "export/SolucioHorari.h"

#include <algorithm>

namespace timetable_export {

namespace {
// Blanks and control characters at either end do not make an activity code.
bool isBlank(QStringView text)
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
    const QStringView none;
    m_writer.startElement(m_sessio);
    m_writer.attribute(m_placa, sessio.placa);
    m_writer.attribute(m_curs, activity ? none : sessio.curs);
    m_writer.attribute(m_grup, activity ? none : sessio.grup);
    m_writer.attribute(m_dia, sessio.dia);
    m_writer.attribute(m_hora, sessio.hora);
    m_writer.attribute(m_durada, sessio.durada);
    m_writer.attribute(m_aula, activity ? none : sessio.aula);
    m_writer.attribute(m_materia, activity ? none : sessio.materia);
    m_writer.attribute(m_activitat, sessio.activitat);
    m_writer.endElement();
}

void SolucioHorari::finish()
{
    m_writer.endElement();
    m_writer.endElement();
    m_writer.commit();
}

} // namespace timetable_export
