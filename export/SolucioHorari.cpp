#include "export/SolucioHorari.h"

#include <algorithm>

namespace {
// Blanks and control characters at either end do not make an activity code.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}
} // namespace

SolucioHorari::SolucioHorari(xml::Document &document)
    : m_document(document)
{
    m_document.appendChild(m_document.createElement(QStringLiteral("HORARI")));
    m_document.selectSingleNode(QStringLiteral("/HORARI"))
        .appendChild(m_document.createElement(QStringLiteral("SESSIONS")));
    m_sessions = m_document.selectSingleNode(QStringLiteral("/HORARI/SESSIONS"));
}

void SolucioHorari::append(const Sessio &sessio)
{
    xml::Node element = m_document.createElement(QStringLiteral("SESSIO"));
    element.setAttribute(QStringLiteral("placa"), sessio.placa);
    element.setAttribute(QStringLiteral("curs"), sessio.curs);
    element.setAttribute(QStringLiteral("grup"), sessio.grup);
    element.setAttribute(QStringLiteral("dia"), sessio.dia);
    element.setAttribute(QStringLiteral("hora"), sessio.hora);
    element.setAttribute(QStringLiteral("durada"), sessio.durada);
    element.setAttribute(QStringLiteral("aula"), sessio.aula);
    element.setAttribute(QStringLiteral("materia"), sessio.materia);
    element.setAttribute(QStringLiteral("activitat"), sessio.activitat);
    // Set again where they stand, so that GestIB finds the nine attributes in
    // the same places for a class and for an activity.
    if (!isBlank(sessio.activitat)) {
        element.setAttribute(QStringLiteral("curs"), QString());
        element.setAttribute(QStringLiteral("grup"), QString());
        element.setAttribute(QStringLiteral("materia"), QString());
        element.setAttribute(QStringLiteral("aula"), QString());
    }
    m_sessions.appendChild(element);
}
